// The small pieces every window is built from: the painted control and its
// event numbers, the caption, line and frame makers, the drag payloads, the
// hourglass, the help page and the pictures the choosers show.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "editor/program_harness.h"
#include "model/motif_layout.h"
#include "model/tincture_table.h"
#include "resources/help_page.h"
#include "widgets/busy_pointer.h"
#include "widgets/controls.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"
#include "widgets/program_font.h"
#include "widgets/title_drag.h"
#include "widgets/ui_pictures.h"

using namespace tess;

namespace {

// A parent that counts the presses reaching it.
class PressCounter : public QWidget {
  public:
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

struct Event {
    int button, shift;
    double x, y;
    bool operator==(const Event&) const = default;
};

QRgb rgb(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonsAndKeysAreNumberedAsTheHandlersReadThem();
    void aPictureBoxHandsItsEventsOverInItsOwnPixels();
    void aPictureBoxShowsItsPictureAtItsCorner();
    void captionsShowTheirTextAsItStandsAndKeepTheirPresses();
    void linesAndFramesStartHiddenAndLetThePointerThrough();
    void dragPayloadsCarryOnlyTheirOwnValues();
    void theHourglassGoesBackOnceWhateverHappens();
    void theHelpPageIsWrittenOnceAndOpenedAtEachTopic();
    void theHelpSaysWhatStopsIt();
    void theChoosersMarkTheirChosenCell();
    void aTitleDragsItsWindowWithAnyButton();
    void everyWindowHasOneFontOfElevenPixels();
};

void WidgetsTest::buttonsAndKeysAreNumberedAsTheHandlersReadThem() {
    const std::pair<Qt::MouseButton, int> buttons[] = {{Qt::LeftButton, 1},
                                                       {Qt::RightButton, 2},
                                                       {Qt::MiddleButton, 4},
                                                       {Qt::BackButton, 0},
                                                       {Qt::NoButton, 0}};
    for (const auto& [button, number] : buttons) QCOMPARE(mouseButtonNumber(button), number);
    QCOMPARE(mouseButtonsNumber(Qt::LeftButton | Qt::RightButton), 3);
    QCOMPARE(mouseButtonsNumber(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton), 7);
    QCOMPARE(mouseButtonsNumber(Qt::BackButton), 0);
    const std::pair<Qt::KeyboardModifiers, int> keys[] = {
        {Qt::NoModifier, 0},
        {Qt::ShiftModifier, 1},
        {Qt::ControlModifier, 2},
        {Qt::AltModifier, 4},
        {Qt::ShiftModifier | Qt::AltModifier, 5},
        {Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
        {Qt::MetaModifier | Qt::KeypadModifier, 0}};
    for (const auto& [modifiers, number] : keys) QCOMPARE(shiftNumber(modifiers), number);
}

void WidgetsTest::aPictureBoxHandsItsEventsOverInItsOwnPixels() {
    QWidget window;
    window.resize(200, 200);
    PictureBox box(&window, "essai", QSize(40, 30));
    box.move(50, 60);
    QCOMPARE(box.objectName(), QStringLiteral("essai"));
    QCOMPARE(box.size(), QSize(40, 30));
    QVERIFY(box.hasMouseTracking());

    std::vector<Event> downs, moves, ups;
    int clicks = 0;
    box.onMouseDown = [&](int b, int s, double x, double y) { downs.push_back({b, s, x, y}); };
    box.onMouseMove = [&](int b, int s, double x, double y) { moves.push_back({b, s, x, y}); };
    box.onMouseUp = [&](int b, int s, double x, double y) { ups.push_back({b, s, x, y}); };
    box.onClick = [&] { ++clicks; };

    QTest::mousePress(&box, Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    QCOMPARE(downs, (std::vector<Event>{{2, 2, 3, 4}}));
    QMouseEvent drag(QEvent::MouseMove, QPointF(10.5, 7), QPointF(box.mapToGlobal(QPoint(10, 7))),
                     Qt::NoButton, Qt::RightButton | Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&box, &drag);
    QCOMPARE(moves, (std::vector<Event>{{3, 1, 10.5, 7}}));
    QTest::mouseRelease(&box, Qt::RightButton, {}, QPoint(39, 29));
    QCOMPARE(ups, (std::vector<Event>{{2, 0, 39, 29}}));
    QCOMPARE(clicks, 1);
    // Released outside: the release is told, the click is not.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(40, 10));
    QCOMPARE(ups.back(), (Event{1, 0, 40, 10}));
    QCOMPARE(clicks, 1);

    // A double click without its own handler is one more press.
    downs.clear();
    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(5, 6));
    QVERIFY(!downs.empty());
    QCOMPARE(downs.back(), (Event{1, 0, 5, 6}));
    int doubles = 0;
    box.onDoubleClick = [&] { ++doubles; };
    const std::size_t pressesBefore = downs.size();
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 6),
                      QPointF(box.mapToGlobal(QPoint(5, 6))), Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&box, &twice);
    QCOMPARE(doubles, 1);
    QCOMPARE(downs.size(), pressesBefore);
}

void WidgetsTest::aPictureBoxShowsItsPictureAtItsCorner() {
    PictureBox box(nullptr, "image", QSize(20, 20));
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    picture.setPixel(7, 5, qRgb(250, 0, 0));
    box.setPicture(picture);
    QCOMPARE(box.picture(), picture);
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.pixel(0, 0) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFF);
    QCOMPARE(shown.pixel(7, 5) & 0xFFFFFF, qRgb(250, 0, 0) & 0xFFFFFF);
}

void WidgetsTest::captionsShowTheirTextAsItStandsAndKeepTheirPresses() {
    PressCounter parent;
    parent.resize(200, 100);
    const QString text = QStringLiteral("<b>Pièce</b> & <i>meuble</i>");
    QLabel* caption = makeCaption(&parent, "legende", text, QRect(10, 10, 150, 20),
                                  Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(caption->objectName(), QStringLiteral("legende"));
    QCOMPARE(caption->text(), text);
    QCOMPARE(caption->textFormat(), Qt::PlainText);
    QCOMPARE(caption->geometry(), QRect(10, 10, 150, 20));
    QCOMPARE(caption->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(parent.presses, 0);
    // A plain label beside it lets its presses through to the window.
    QLabel plain(QStringLiteral("x"), &parent);
    QTest::mouseClick(&plain, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(parent.presses, 1);
}

void WidgetsTest::linesAndFramesStartHiddenAndLetThePointerThrough() {
    QWidget parent;
    parent.resize(100, 100);
    parent.setAutoFillBackground(true);
    setBackgroundColour(&parent, QColor(255, 255, 255));
    QFrame* line = makeLine(&parent, "ligne", QColor(0, 0, 255));
    QFrame* frame = makeFrame(&parent, "cadre", QColor(255, 0, 0), 2);
    for (QFrame* f : {line, frame}) {
        QVERIFY(f->isHidden());
        QVERIFY(f->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QCOMPARE(line->objectName(), QStringLiteral("ligne"));
    line->setGeometry(10, 50, 80, 1);
    frame->setGeometry(20, 20, 30, 20);
    line->show();
    frame->show();
    // Under the pointer they are not there: the window gets the press.
    QVERIFY(!parent.childAt(30, 50));
    QVERIFY(!parent.childAt(21, 21));

    const QImage shown = parent.grab().toImage();
    QCOMPARE(shown.pixel(30, 50) & 0xFFFFFF, 0x0000FFu);
    QCOMPARE(shown.pixel(20, 30) & 0xFFFFFF, 0xFF0000u);  // the frame's border
    QCOMPARE(shown.pixel(21, 30) & 0xFFFFFF, 0xFF0000u);
    QCOMPARE(shown.pixel(35, 30) & 0xFFFFFF, 0xFFFFFFu);  // its inside shows the window
    // The colour makers.
    QLabel label;
    setTextColour(&label, QColor(0x80, 0, 0));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
}

void WidgetsTest::dragPayloadsCarryOnlyTheirOwnValues() {
    for (int t = 1; t <= 11; ++t) {
        std::unique_ptr<QMimeData> data(makeTinctureDrag(t));
        QCOMPARE(draggedTincture(data.get()), t);
        QCOMPARE(draggedFur(data.get()), 0);
    }
    for (int f = 108; f <= 119; ++f) {
        std::unique_ptr<QMimeData> data(makeFurDrag(f));
        QCOMPARE(draggedFur(data.get()), f);
        QCOMPARE(draggedTincture(data.get()), 0);
    }
    // Out of range, foreign, forged or empty: nothing.
    const struct {
        const char* type;
        QByteArray bytes;
    } refused[] = {{kTinctureMimeType, "0"},
                   {kTinctureMimeType, "12"},
                   {kTinctureMimeType, "-4"},
                   {kTinctureMimeType, "4x"},
                   {kTinctureMimeType, ""},
                   {kTinctureMimeType, "4.0"},
                   {kFurMimeType, "107"},
                   {kFurMimeType, "120"},
                   {kFurMimeType, "abc"},
                   {"text/plain", "4"},
                   {"text/uri-list", "file:///tmp/4"}};
    for (const auto& r : refused) {
        QMimeData data;
        data.setData(QString::fromLatin1(r.type), r.bytes);
        QVERIFY2(draggedTincture(&data) == 0 && draggedFur(&data) == 0, r.bytes.constData());
    }
    QMimeData padded;
    padded.setData(QString::fromLatin1(kTinctureMimeType), " 7\n");
    QCOMPARE(draggedTincture(&padded), 7);
    QCOMPARE(draggedTincture(nullptr), 0);
    QCOMPARE(draggedFur(nullptr), 0);
}

void WidgetsTest::theHourglassGoesBackOnceWhateverHappens() {
    QVERIFY(!QApplication::overrideCursor());
    {
        BusyPointer busy;
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.release();
        QVERIFY(!QApplication::overrideCursor());
        busy.release();  // twice is once
    }
    QVERIFY(!QApplication::overrideCursor());
    // A pointer set by someone else before stays when the step ends.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    {
        BusyPointer busy;
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    // A question box put the arrow back meanwhile: nothing more is undone.
    {
        BusyPointer busy;
        QApplication::restoreOverrideCursor();
    }
    QVERIFY(!QApplication::overrideCursor());
}

void WidgetsTest::theHelpPageIsWrittenOnceAndOpenedAtEachTopic() {
    QTemporaryDir home;
    const QString folder = home.filePath("Aide");
    QList<QUrl> opened;
    QStringList told;
    HelpOpener help(
        folder.toStdString(), [&](const QString& t) { told << t; },
        [&](const QUrl& url) {
            opened << url;
            return true;
        });
    QCOMPARE(help.pagePath(), folder + "/tessaline.html");
    QVERIFY(help.install());
    QFile page(help.pagePath());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    page.close();
    QCOMPARE(html.size(), qsizetype(helpPageHtml().size()));

    const std::pair<HelpContext, const char*> topics[] = {
        {HelpContext::Contents, "contenu"},
        {HelpContext::PrintAndExport, "impression"},
        {HelpContext::LineStyles, "styles-de-ligne"},
        {HelpContext::FurEditor, "editeur-fourrures"},
        {HelpContext::PictureProperties, "proprietes-image"},
        {HelpContext::ChargeDistribution, "distribution-meubles"}};
    for (const auto& [context, anchor] : topics) {
        QCOMPARE(helpAnchor(context), QString::fromLatin1(anchor));
        QVERIFY2(html.contains(QByteArray("id=\"") + anchor + '"'), anchor);
        opened.clear();
        QVERIFY(help.open(context));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].toLocalFile(), help.pagePath());
        QCOMPARE(opened[0].fragment(), QString::fromLatin1(anchor));
        QVERIFY(help.lastRequest() == context);
        QVERIFY(help.repeatLast());
        QCOMPARE(opened.value(1), opened[0]);
    }
    QVERIFY(told.isEmpty());

    // The arrangements the page lists are the ones the program makes.
    const QString text = QString::fromUtf8(html).simplified();
    const qsizetype list = text.indexOf(QStringLiteral("dix motifs&nbsp;: "));
    QVERIFY(list > 0);
    const qsizetype from = list + qsizetype(qstrlen("dix motifs&nbsp;: "));
    QStringList listed = text.mid(from, text.indexOf(QLatin1Char('.'), from) - from)
                             .replace(QStringLiteral(" ou "), QStringLiteral(", "))
                             .split(QStringLiteral(", "));
    QStringList made;
    for (int p = 1; p <= kMotifPatternCount; ++p)
        made << QString::fromUtf8(MotifPatternName(MotifPattern(p))).toLower();
    QCOMPARE(listed, made);

    // The page in place is this program's: left alone, even where it cannot
    // be written. A page of another version is replaced whole.
    QVERIFY(QFile::setPermissions(help.pagePath(), QFile::ReadOwner));
    QVERIFY(help.install());
    QVERIFY(QFile::setPermissions(help.pagePath(), QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html>ancienne</html>");
    page.close();
    QVERIFY(help.install());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(page.readAll(), html);
}

void WidgetsTest::theHelpSaysWhatStopsIt() {
    QTemporaryDir home;
    // A file where the help folder should be.
    QFile stone(home.filePath("Aide"));
    QVERIFY(stone.open(QIODevice::WriteOnly));
    stone.close();
    QList<QUrl> opened;
    QStringList told;
    const auto open = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    HelpOpener blocked(
        home.filePath("Aide").toStdString(), [&](const QString& t) { told << t; }, open);
    QVERIFY(!blocked.install());
    QVERIFY(!blocked.open(HelpContext::FurEditor));
    QVERIFY(opened.isEmpty());
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0], QStringLiteral("L'aide n'a pas pu être installée dans le dossier ") +
                          home.filePath("Aide") +
                          QStringLiteral(" : ce dossier ne peut pas être écrit."));
    // The request is still the last one asked for.
    QVERIFY(blocked.lastRequest() == HelpContext::FurEditor);

    // No browser: the message says where the page is.
    told.clear();
    HelpOpener noBrowser(
        home.filePath("Aide2").toStdString(), [&](const QString& t) { told << t; },
        [](const QUrl&) { return false; });
    QVERIFY(!noBrowser.open(HelpContext::Contents));
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0], QStringLiteral("Aucun navigateur n'a pu ouvrir l'aide. Vous la trouverez "
                                     "dans le fichier ") +
                          noBrowser.pagePath() + u'.');
    QVERIFY(QFile::exists(noBrowser.pagePath()));
}

void WidgetsTest::theChoosersMarkTheirChosenCell() {
    // The shape chooser: the chosen shape yellow, the six others dark red.
    const struct {
        int shape;
        QPoint middle;
    } shapes[] = {{1, {9, 11}},  {2, {9, 33}},  {7, {9, 59}}, {3, {9, 86}},
                  {5, {28, 11}}, {4, {28, 33}}, {6, {28, 59}}};
    for (int marked = 0; marked <= 7; ++marked) {
        const QImage chooser = shapeChooserImage(marked);
        for (const auto& s : shapes)
            QCOMPARE(chooser.pixel(s.middle) & 0xFFFFFF,
                     (s.shape == marked ? rgb(0x00FFFF) : rgb(0x000080)) & 0xFFFFFF);
    }
    // The size choosers: red bands with the chosen one yellow for the first
    // order, green with the chosen one white for the second.
    const int paleY[] = {9, 28, 48};
    for (int marked = -1; marked <= 2; ++marked)
        for (int band = 0; band < 3; ++band) {
            const bool chosen = band == marked;
            QCOMPARE(sizeChooserImage(1, marked).pixel(10, paleY[band]) & 0xFFFFFF,
                     rgb(chosen ? 0x00FFFF : 0x0000FF) & 0xFFFFFF);
            QCOMPARE(sizeChooserImage(2, marked).pixel(10, paleY[band]) & 0xFFFFFF,
                     rgb(chosen ? 0xFFFFFF : 0x008000) & 0xFFFFFF);
        }
    // The tincture palette in the table's current colours.
    TinctureTable tinctures = FactoryTinctures();
    tinctures[kAzur].Colour = 0x123456;
    const QImage palette = tincturePaletteImage(tinctures);
    QCOMPARE(palette.pixel(32, 12) & 0xFFFFFF, rgb(FactoryColour(kArgent)) & 0xFFFFFF);
    QCOMPARE(palette.pixel(10, 36) & 0xFFFFFF, rgb(FactoryColour(kGueules)) & 0xFFFFFF);
    QCOMPARE(palette.pixel(32, 36) & 0xFFFFFF, rgb(0x123456) & 0xFFFFFF);
    QCOMPARE(palette.pixel(10, 110) & 0xFFFFFF, rgb(FactoryColour(kBis)) & 0xFFFFFF);
}

void WidgetsTest::aTitleDragsItsWindowWithAnyButton() {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 200, 100);
    PressCounter* body = new PressCounter;
    body->setParent(&window);
    QLabel* title = new QLabel(QStringLiteral("Titre"), body);
    title->setGeometry(10, 0, 150, 18);
    dragWindowByTitle(*title, window);
    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                           Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), QPointF(title->mapToGlobal(at)), button, held, {});
        QCoreApplication::sendEvent(title, &e);
    };
    // The pressed point stays under the pointer, step after step.
    mouse(QEvent::MouseButtonPress, {20, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {30, 9}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(110, 104));
    mouse(QEvent::MouseMove, {15, 5}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(105, 104));
    mouse(QEvent::MouseButtonRelease, {15, 5}, Qt::LeftButton, Qt::NoButton);
    // Any button drags; a pointer passing with none held does not.
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {5, 15}, Qt::NoButton, Qt::RightButton);
    QCOMPARE(window.pos(), QPoint(105, 114));
    mouse(QEvent::MouseMove, {50, 15}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.pos(), QPoint(105, 114));
    // The label's presses still reach what lies behind it.
    QCOMPARE(body->presses, 2);
}

// Every widget of the running program's windows and hidden dialogs, as the
// screen would show it: the program's family at 11 pixels, and a caption that
// sets its own font (bold, italic, a title one size larger, a label a size
// smaller to fit its box) stays within a pixel of it.
void WidgetsTest::everyWindowHasOneFontOfElevenPixels() {
    {
        ProgramHarness run;
        QVERIFY(run.start());
        const QString family = QFontInfo(programFont()).family();
        int walked = 0;
        for (QWidget* widget : QApplication::allWidgets()) {
            const QFontInfo shown(widget->font());
            const QByteArray name = widget->window()->objectName().toUtf8() + "/" +
                                    widget->metaObject()->className() + " " +
                                    widget->objectName().toUtf8();
            QVERIFY2(shown.family() == family, name.constData());
            if (widget->testAttribute(Qt::WA_SetFont))
                QVERIFY2(std::abs(shown.pixelSize() - 11) <= 1, name.constData());
            else
                QVERIFY2(shown.pixelSize() == 11, name.constData());
            ++walked;
        }
        QVERIFY(walked > 100);
    }
    const QFont font = programFont();
    QCOMPARE(oneSizeLarger(font).pixelSize(), 12);
    QFont points;
    points.setPointSizeF(9.5);
    QCOMPARE(oneSizeLarger(points).pointSizeF(), 10.5);
    QCOMPARE(oneSizeLarger(points).pixelSize(), -1);
}

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
