// The main window's frame: its controls, tabs, title bar, free area.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "editor/picture_box.h"
#include "actions/charge_placing.h"
#include "model/motifs.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "program_harness.h"
#include "render/document_surfaces.h"
#include "actions/redraw_shield.h"

using namespace tess;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void everyControlIsInPlace();
    void theTabsSwapListsAndColours();
    void rightClickOpensTheFileMenuWithItsDefault();
    void aChargeThrownOffTheShieldGetsTheNextJoke();
    void aChargeOnTheEdgeStays();
    void minimisedTheTaskbarShowsTheTitle();
    void draggingTheTitleMovesTheWindow();
    void theCanvasFollowsEveryRedraw();
    void theRedrawMarksTheOptionPictures();
    void aWarningShowsTheSignWithItsText();
    void aClickOnTheFreeAreaPutsTheHeldChargeBack();
    void labelsAndTheTitleBarAreNotTheFreeArea();
    void aGroupedChargeThrownAwayAsksAboutItsGroup();
    void theTitleAndTheBlazonShowTheirTextAsItStands();
    void clearChargeEmptiesTheRecord();

  private:
    QString squarePicture();
    ProgramHarness* h = nullptr;
    Form1* w = nullptr;
};

void MainWindowTest::initTestCase() {
    h = new ProgramHarness;
    QVERIFY(h->start());
    w = &h->window();
}

// Each test starts from a blank, saved document, whatever the last one left.
void MainWindowTest::cleanup() {
    NewDocument(h->ws(), h->program->r);
    h->ws().Modified = false;
    w->SelPic->hide();
    w->redraw();
    w->refreshTitle();
    *h->messages = ScriptedMessages{};
}

// A red square on white, 20 x 20, for charges.
QString MainWindowTest::squarePicture() {
    QImage square(20, 20, QImage::Format_RGB32);
    square.fill(Qt::white);
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 16; ++x) square.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = h->home.filePath("carre.bmp");
    [&] { QVERIFY(square.save(path)); }();
    return path;
}

void MainWindowTest::cleanupTestCase() {
    delete h;
}

void MainWindowTest::everyControlIsInPlace() {
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w->Picture1->size(), QSize(265, 340));
    QCOMPARE(w->Picture5->size().width(), 640);
    QCOMPARE(w->EmPic->size(), QSize(41, 127));
    QCOMPARE(w->Picture3->size(), QSize(50, 85));
    QCOMPARE(w->Picture2->size(), QSize(45, 98));
    QCOMPARE(w->ReducedPic->size(), QSize(28, 63));
    QVERIFY(w->WarnLabel->geometry().top() > w->Picture1->geometry().bottom());

    // The visible controls lie inside the window and do not cover one another.
    const QList<QWidget*> shown = {w->Picture1, w->EmPic,        w->Picture3,   w->Picture2,
                                   w->Picture6, w->Picture5,     w->WarnLabel,  w->Label1,
                                   w->Label3,   w->Label4,       w->ListView1,  w->Command1,
                                   w->Command2, w->CoordCaption, w->PartCaption};
    for (QWidget* a : shown) {
        QVERIFY2(w->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : shown)
            if (a != b)
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
    }
    // Shown only when the document asks for them.
    for (QWidget* hidden :
         {static_cast<QWidget*>(w->SelPic), static_cast<QWidget*>(w->CenteringPic),
          static_cast<QWidget*>(w->ReducedPic), static_cast<QWidget*>(w->DeportPic),
          static_cast<QWidget*>(w->Label5), static_cast<QWidget*>(w->UserPic[0])})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));

    QCOMPARE(w->Label1->text(), QStringLiteral("Meubles"));
    QCOMPARE(w->Label3->text(), QStringLiteral("Pièces"));
    QCOMPARE(w->Label4->text(), QStringLiteral("Écusson"));
    QCOMPARE(w->Label5->text(), QStringLiteral("1er Ordre"));
    QCOMPARE(w->LblOrdre2->text(), QStringLiteral("2nd Ordre"));
    QCOMPARE(w->ListView1->toolTip(),
             QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble"));
    QCOMPARE(w->ListView2->toolTip(),
             QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    QCOMPARE(w->WarnPic->toolTip(),
             QStringLiteral("Cliquez pour voir l'erreur ou l'avertissement"));
    // The partition marker sits on the "Plein" button.
    QCOMPARE(w->SelShape->geometry(), QRect(182, 4, 23, 20));
}

// Choosing a tab leaves the overlay as it is.
void MainWindowTest::theTabsSwapListsAndColours() {
    w->SelPic->setGeometry(10, 10, 20, 20);
    w->SelPic->show();
    QTest::mouseClick(w->Label3, Qt::LeftButton);
    QVERIFY(w->ListView2->isVisible());
    QVERIFY(!w->ListView1->isVisible());
    QCOMPARE(w->Label3->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
    QTest::mouseClick(w->Label1, Qt::LeftButton);
    QVERIFY(w->ListView1->isVisible());
    QVERIFY(!w->ListView2->isVisible());
    QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(w->SelPic->isVisible());
}

void MainWindowTest::rightClickOpensTheFileMenuWithItsDefault() {
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(int(h->messages->popups.size()), 1);
    QCOMPARE(h->messages->popups[0].menu, QStringLiteral("mnuFile"));
    QCOMPARE(h->messages->popups[0].defaultItem, QStringLiteral("mnuOpen"));

    h->ws().CurrentBlazon.FilePath = "/x/saved.bls";
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(h->messages->popups[1].defaultItem, QStringLiteral("mnuSave"));
}

void MainWindowTest::aChargeThrownOffTheShieldGetsTheNextJoke() {
    for (int i = 0; i < 7; ++i) {
        w->SelPic->setGeometry(266, 10, 20, 20);
        w->SelPic->show();
        w->Form_MouseMove(0, 0, 470, 400);
        QVERIFY(!w->SelPic->isVisible());
    }
    // Six jokes in turn, then the first again.
    QCOMPARE(int(h->messages->boxes.size()), 7);
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Comment pensez-vous meubler votre appartement si vous lancez tous vos "
                            "meubles par la fenêtre?"));
    QSet<QString> jokes;
    for (const ScriptedMessages::Box& box : h->messages->boxes) {
        jokes.insert(box.text);
        QCOMPARE(box.title, QStringLiteral("Meuble largué aux oubliettes"));
        QCOMPARE(box.style, 48);
    }
    QCOMPARE(jokes.size(), 6);
    QCOMPARE(h->messages->boxes[6].text, h->messages->boxes[0].text);
}

void MainWindowTest::aChargeOnTheEdgeStays() {
    for (const QRect box : {QRect(265, 10, 20, 20), QRect(10, 340, 20, 20), QRect(-20, 10, 20, 20),
                            QRect(10, -20, 20, 20)}) {
        w->SelPic->setGeometry(box);
        w->SelPic->show();
        w->Form_MouseMove(0, 0, 470, 400);
        QVERIFY(w->SelPic->isVisible());
    }
    QVERIFY(h->messages->boxes.empty());
    w->SelPic->hide();
    // Moving over the free area clears the hover captions and the toolbar frame.
    w->CoordCaption->setText("12; 4");
    w->TopLine->show();
    w->Form_MouseMove(0, 0, 470, 400);
    QVERIFY(w->CoordCaption->text().isEmpty());
    QVERIFY(!w->TopLine->isVisible());
}

void MainWindowTest::minimisedTheTaskbarShowsTheTitle() {
    w->SetUndos();
    w->showMinimized();
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Tessaline*"));
    w->move(w->x(), 120);
    w->showNormal();
    QTRY_VERIFY(w->windowTitle().isEmpty());
    QTRY_COMPARE(w->y(), 0);
}

void MainWindowTest::draggingTheTitleMovesTheWindow() {
    const QPoint start = w->pos();
    QTest::mousePress(w->Label2, Qt::LeftButton, {}, QPoint(40, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(55, 17), w->Label2->mapToGlobal(QPointF(55, 17)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Label2, &move);
    QTest::mouseRelease(w->Label2, Qt::LeftButton, {}, QPoint(55, 17));
    QCOMPARE(w->pos(), start + QPoint(15, 7));
}

void MainWindowTest::theCanvasFollowsEveryRedraw() {
    h->ws().CurrentBlazon.ShieldShape = 3;
    w->redraw();
    QCOMPARE(w->Picture1->picture(), toQImage(h->program->r.canvas));
}

namespace {
QRgb rgbOf(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}
QRgb at(const PictureBox* box, int x, int y) {
    return box->picture().pixel(x, y) | 0xFF000000u;
}
}  // namespace

void MainWindowTest::theRedrawMarksTheOptionPictures() {
    BlazonRecord& b = h->ws().CurrentBlazon;
    b.ShieldShape = 4;
    b.Ordinary1.Present = kTrue;
    b.Ordinary1.Type = 2;  // a pale, en filet, shifted to the sinister
    b.Ordinary1.Name = "Pal";
    b.Ordinary1.Size = -1;
    b.Ordinary1.Shift = 1;
    w->redraw();
    QVERIFY(w->ReducedPic->isVisible());
    QVERIFY(w->Label5->isVisible());
    QVERIFY(!w->ReducedPic2->isVisible());
    QCOMPARE(w->ReducedPic->height(), 63);
    QCOMPARE(at(w->ReducedPic, 10, 48), rgbOf(kOptionMarkChosen));
    QCOMPARE(at(w->ReducedPic, 10, 9), rgbOf(kOptionMarkPlain));
    QCOMPARE(at(w->Picture2, 28, 33), rgbOf(0x00FFFF));  // Espagnol marked
    QCOMPARE(at(w->Picture2, 9, 11), rgbOf(0x000080));
    QVERIFY(w->DeportPic->isVisible());
    QCOMPARE(at(w->DeportPic, 12, 50), rgbOf(kOptionMarkChosen));
    QCOMPARE(at(w->DeportPic, 9, 27), rgbOf(kOptionMarkPlain));

    // A chief cannot be en filet: the chooser shows two sizes.
    b.Ordinary1.Type = 1;
    b.Ordinary1.Size = 0;
    w->redraw();
    QCOMPARE(w->ReducedPic->height(), 39);
    QVERIFY(!w->DeportPic->isVisible());

    b.Ordinary1 = OrdinaryRecord{};
    b.ShieldShape = 1;
    w->redraw();
    QVERIFY(!w->ReducedPic->isVisible());
    QCOMPARE(at(w->Picture2, 9, 11), rgbOf(0x00FFFF));
}

void MainWindowTest::aWarningShowsTheSignWithItsText() {
    // Two colours side by side break the rule of tinctures.
    BlazonRecord& b = h->ws().CurrentBlazon;
    const BlazonRecord before = b;
    b.Partition = 10;
    b.PartCount = 2;
    b.Parts[1].Kind = kClassColour;
    b.Parts[1].Tincture = 4;
    b.Parts[2].Kind = kClassColour;
    b.Parts[2].Tincture = 3;
    const RedrawResult expected = RedrawShield(h->ws(), h->program->r);
    w->redraw();
    QVERIFY(expected.warningVisible);
    QVERIFY(w->WarnPic->isVisible());
    QCOMPARE(w->WarnPic->toolTip(), QString::fromStdString(expected.warningText));
    QVERIFY(w->WarnPic->toolTip().contains(QStringLiteral("est de même émail que la partie")));
    QCOMPARE(w->WarnLabel->text(), QString::fromStdString(expected.blazonText));
    b = before;
    w->redraw();
    QVERIFY(!w->WarnPic->isVisible());
}

void MainWindowTest::aClickOnTheFreeAreaPutsTheHeldChargeBack() {
    // A picture placed once, then held in the overlay.
    OverlayBox first{10, 10, 20, 20, squarePicture().toStdString()};
    QVERIFY(AddCharge(h->ws(), h->program->r.Charges, first));
    ChargeRecord& c = h->ws().CurrentBlazon.Charges[1];
    QCOMPARE(c.InUse, kTrue);

    // Picked up: out of use, its number held, the overlay over it.
    c.InUse = 0;
    h->ws().SelectedCharge = 1;
    w->redraw();
    w->SelPic->setGeometry(100, 150, 30, 30);
    w->SelPicTag = QStringLiteral("carre.bmp");
    w->SelPic->show();
    w->Shape1->show();
    w->CenteringPic->show();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(470, 400));

    QCOMPARE(h->ws().SelectedCharge, 0);
    QVERIFY(!w->SelPic->isVisible());
    QVERIFY(!w->Shape1->isVisible());
    QVERIFY(!w->CenteringPic->isVisible());
    QCOMPARE(c.InUse, kTrue);
    QCOMPARE(c.X, 100);
    QCOMPARE(c.Y, 150);
    QCOMPARE(c.Width, 30);
    QCOMPARE(c.Height, 30);
    // Drawn where it was put.
    QCOMPARE(w->Picture1->picture().pixel(115, 165) & 0xFFFFFF, 0xFF0000u);
}

void MainWindowTest::labelsAndTheTitleBarAreNotTheFreeArea() {
    // The whole title bar is the title or its buttons: it drags, it opens no menu.
    for (const QPoint p : {QPoint(3, 10), QPoint(668, 10), QPoint(693, 10), QPoint(718, 20)}) {
        QWidget* under = w->childAt(p);
        QVERIFY2(under == w->Label2 || under == w->Command1 || under == w->Command2,
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
    // A right click on a caption opens no file menu.
    for (QWidget* label :
         {static_cast<QWidget*>(w->WarnLabel), static_cast<QWidget*>(w->Label1),
          static_cast<QWidget*>(w->Label3), static_cast<QWidget*>(w->Label4),
          static_cast<QWidget*>(w->CoordCaption), static_cast<QWidget*>(w->Label2)})
        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(h->messages->popups.empty());
    // A double click on the title leaves the overlay; one on the free area ends it.
    w->SelPic->setGeometry(10, 10, 20, 20);
    w->SelPic->show();
    QTest::mouseDClick(w->Label2, Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(w->SelPic->isVisible());
    w->Form_MouseDown(1, 0, 470, 400);
    QVERIFY(!w->SelPic->isVisible());
}

void MainWindowTest::aGroupedChargeThrownAwayAsksAboutItsGroup() {
    const QString path = squarePicture();
    Workspace& ws = h->ws();
    // Three charges, 1 and 2 grouped; charge 1 held and dragged off the shield.
    const auto placeGroup = [&]() -> int {
        for (int k = 1; k <= 3; ++k)
            if (!AddCharge(ws, h->program->r.Charges,
                           OverlayBox{10.0 * k, 10, 20, 20, path.toStdString()}, k))
                return 0;
        const int g = NewMotif(ws);
        AddChargeToMotif(ws, g, 1);
        AddChargeToMotif(ws, g, 2);
        ws.CurrentBlazon.Charges[1].InUse = 0;
        ws.SelectedCharge = 1;
        w->SelPic->setGeometry(300, 10, 20, 20);
        w->SelPic->show();
        return g;
    };
    const QString question = QStringLiteral(
        "Ce meuble fait partie d'un motif totalisant 2 meuble(s). Désirez-vous supprimer tous "
        "les meubles de ce motif. Sinon, seul ce meuble sera supprimé.");

    // "Non": only the held charge goes, and leaves the group.
    int g = placeGroup();
    QVERIFY(g != 0);
    h->messages->boxAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    w->Form_MouseMove(0, 0, 470, 400);
    QCOMPARE(int(h->messages->boxes.size()), 2);
    QCOMPARE(h->messages->boxes[1].text, question);
    QCOMPARE(h->messages->boxes[1].title, QStringLiteral("Motif"));
    QCOMPARE(h->messages->boxes[1].style, 36);
    QCOMPARE(ws.SelectedCharge, 0);
    QCOMPARE(ws.CurrentBlazon.Charges[1].InUse, 0);
    QCOMPARE(int(ws.CurrentBlazon.Charges[1].Motif), 0);
    QCOMPARE(ws.CurrentBlazon.Charges[2].InUse, kTrue);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Count), 1);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Members[1]), 2);
    QVERIFY(ws.Modified);

    // "Oui": the whole group goes, the charge outside it stays.
    cleanup();
    g = placeGroup();
    QVERIFY(g != 0);
    h->messages->boxes.clear();
    h->messages->boxAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    w->Form_MouseMove(0, 0, 470, 400);
    QCOMPARE(int(h->messages->boxes.size()), 2);
    QCOMPARE(ws.CurrentBlazon.Charges[1].InUse, 0);
    QCOMPARE(ws.CurrentBlazon.Charges[2].InUse, 0);
    QCOMPARE(int(ws.CurrentBlazon.Charges[2].Motif), 0);
    QCOMPARE(ws.CurrentBlazon.Charges[3].InUse, kTrue);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Count), 0);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].InUse), 0);
    // The canvas no longer shows the grouped charges.
    QCOMPARE(w->Picture1->picture().pixel(25, 15), toQImage(h->program->r.canvas).pixel(25, 15));
}

void MainWindowTest::theTitleAndTheBlazonShowTheirTextAsItStands() {
    // A file name or a phrase that looks like markup is shown letter for letter.
    const auto titleWidth = [&](const char* path) {
        h->ws().CurrentBlazon.FilePath = path;
        w->refreshTitle();
        return w->Label2->sizeHint().width();
    };
    const int tag = QFontMetrics(w->Label2->font()).horizontalAdvance(QStringLiteral("<u>"));
    QVERIFY(titleWidth("/x/Lion <u>x.bls") - titleWidth("/x/Lion x.bls") >= tag - 2);

    const auto blazonWidth = [&](const char* text) {
        RedrawResult result = RedrawShield(h->ws(), h->program->r);
        result.blazonText = text;
        w->applyRedraw(result);
        return w->WarnLabel->sizeHint().width();
    };
    const int italicTags =
        QFontMetrics(w->WarnLabel->font()).horizontalAdvance(QStringLiteral("<i></i>"));
    QVERIFY(blazonWidth("D'Or au <i>x</i>.") - blazonWidth("D'Or au x.") >= italicTags - 2);
}

void MainWindowTest::clearChargeEmptiesTheRecord() {
    ChargeRecord& c = h->ws().CurrentBlazon.Charges[7];
    c = ChargeRecord{1, 10, 20, 30, 40, 3, 5, "lion.bmp", 4, 33, -1, -1, 2};
    w->ClearCharge(7);
    // Placement, mirroring and group are left as they were.
    QVERIFY(c == (ChargeRecord{0, 0, 0, 0, 0, 3, 0, "", -1, 0, -1, 0, 2}));
    // Out of range: nothing happens, nothing breaks.
    w->ClearCharge(0);
    w->ClearCharge(51);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
