// The dialogs as the running program opens them: each "?" at its own help
// topic, the title drags, the fur editor's toolbar and its files, the colour
// adjustment from the palette, the distribution dialog's largest count, and
// where the smaller dialogs put their controls.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <fstream>

#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/picture_properties_dialog.h"
#include "editor/window_test.h"
#include "support/file_bytes.h"
#include "tests/storage/fur_file_bytes.h"
#include "widgets/help_opener.h"

using namespace tess;

class DialogDetailsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void eachDialogsHelpOpensItsOwnTopic();
    void thePropertiesAndLineStyleTitlesDragTheirWindows();
    void theFurEditorsToolbarNamesItsButtons();
    void anUpperCaseFMPIsOpenedAsAPicture();
    void theFurEditorsSaveRemembersItsFolder();
    void thePalettesRightPressOffersTheColourAdjustment();
    void fiveExtraCopiesIsTheLargestCount();
    void theSmallerDialogsControlsStandInTheirPlaces();

  private:
    void started() override { d->recordHelp(); }
    // Each opens its dialog the way a person does and returns it.
    QWidget* openProperties();
    QWidget* openLineStyle();
    QWidget* openFurEditor();
    FurEditorDialog& furEditor() { return d->w().dialogs().get<FurEditorDialog>(); }
    // The pointer over `w` at `at`, no button held.
    static void hover(QWidget* w, QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                      Qt::NoButton, {});
        QCoreApplication::sendEvent(w, &e);
    }
    static void toolbarClick(QWidget& editor, int x) {
        auto* bar = editor.findChild<QWidget*>(QStringLiteral("toolbar"));
        hover(bar, QPoint(x, 10));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, 10));
    }
    void furToolbar(int x) { toolbarClick(furEditor(), x); }
};

QWidget* DialogDetailsTest::openProperties() {
    const int n = d->place(d->writePicture("lion.bmp", 20, 20), QPoint(60, 60));
    if (!d->pickUp(n)) return nullptr;
    d->rightClickHeld(QStringLiteral("chargePropertiesAction"));
    return &d->w().dialogs().get<PicturePropertiesDialog>();
}

QWidget* DialogDetailsTest::openLineStyle() {
    d->ctrl(Qt::Key_2);  // Parti, drawn with lines
    d->rightClickPart(1, QStringLiteral("partLinesAction"));
    return &d->w().dialogs().get<LineStyleDialog>();
}

QWidget* DialogDetailsTest::openFurEditor() {
    d->rightClick(d->w().panel<FurPalettePanel>().furPalette(), QPoint(5, 5),
                  QStringLiteral("defineUserFurAction"));
    return &furEditor();
}

void DialogDetailsTest::eachDialogsHelpOpensItsOwnTopic() {
    const struct {
        QWidget* (DialogDetailsTest::*open)();
        const char* anchor;
    } dialogs[] = {{&DialogDetailsTest::openProperties, "proprietes-image"},
                   {&DialogDetailsTest::openFurEditor, "editeur-fourrures"},
                   {&DialogDetailsTest::openLineStyle, "styles-de-ligne"}};
    for (const auto& dialog : dialogs) {
        QWidget* shown = (this->*dialog.open)();
        QVERIFY(shown && shown->isVisible());
        d->helpOpened.clear();
        auto* help = shown->findChild<QPushButton*>(QStringLiteral("helpButton"));
        QCOMPARE(help->text(), QStringLiteral("?"));
        QCOMPARE(help->toolTip(), QStringLiteral("Aide contextuelle"));
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(d->helpOpened.size(), 1);
        QCOMPARE(d->helpOpened[0].fragment(), QString::fromLatin1(dialog.anchor));
        QVERIFY(shown->isVisible());  // the help leaves the dialog open
        d->pressButton(shown, "cancelButton");
        QVERIFY(!shown->isVisible());
        d->reset();
    }
}

void DialogDetailsTest::thePropertiesAndLineStyleTitlesDragTheirWindows() {
    for (QWidget* (DialogDetailsTest::*open)() :
         {&DialogDetailsTest::openProperties, &DialogDetailsTest::openLineStyle}) {
        QWidget* dialog = (this->*open)();
        QVERIFY(dialog && dialog->isVisible());
        auto* title = dialog->findChild<QLabel*>(QStringLiteral("titleLabel"));
        QVERIFY(title);
        const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                               Qt::MouseButtons held) {
            QMouseEvent e(type, QPointF(at), QPointF(title->mapToGlobal(at)), button, held, {});
            QCoreApplication::sendEvent(title, &e);
        };
        const QPoint start = dialog->pos();
        // The pressed point stays under the pointer, whichever button drags.
        mouse(QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, {40, 25}, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, {40, 25}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(dialog->pos(), start + QPoint(30, 20));
        mouse(QEvent::MouseButtonPress, {10, 5}, Qt::RightButton, Qt::RightButton);
        mouse(QEvent::MouseMove, {5, 15}, Qt::NoButton, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, {5, 15}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(dialog->pos(), start + QPoint(25, 30));
        // Without a button held the pointer only passes over it.
        mouse(QEvent::MouseMove, {60, 10}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(dialog->pos(), start + QPoint(25, 30));
        d->pressButton(dialog, "cancelButton");
        d->reset();
    }
}

void DialogDetailsTest::theFurEditorsToolbarNamesItsButtons() {
    QVERIFY(openFurEditor()->isVisible());
    auto* bar = furEditor().findChild<QWidget*>(QStringLiteral("toolbar"));
    const struct {
        QPoint at;
        const char* tip;
    } points[] = {{{14, 10}, "Nouvelle fourrure"},
                  {{36, 3}, "Nouvelle fourrure"},
                  {{37, 22}, "Ouvrir une fourrure"},
                  {{60, 10}, "Ouvrir une fourrure"},
                  {{61, 10}, "Sauvegarder la fourrure"},
                  {{84, 10}, "Sauvegarder la fourrure"},
                  {{85, 10}, ""},
                  {{105, 10}, ""},
                  {{106, 10}, "Dessiner"},
                  {{129, 10}, "Dessiner"},
                  {{130, 10}, "Remplir"},
                  {{153, 10}, "Remplir"},
                  {{154, 10}, ""},
                  {{13, 10}, ""},
                  {{20, 2}, ""},
                  {{20, 23}, ""}};
    for (const auto& p : points) {
        hover(bar, p.at);
        QVERIFY2(
            bar->toolTip() == QString::fromUtf8(p.tip),
            qPrintable(
                QStringLiteral("(%1, %2): %3").arg(p.at.x()).arg(p.at.y()).arg(bar->toolTip())));
    }
    // The last two choose the tool.
    furToolbar(140);
    QVERIFY(furEditor().tool() == FurTool::Fill);
    furToolbar(110);
    QVERIFY(furEditor().tool() == FurTool::Draw);
}

void DialogDetailsTest::anUpperCaseFMPIsOpenedAsAPicture() {
    // A fur file and its tile bitmap, 7 x 5 with a row shift of 10.
    const QString fur = h->home.filePath("motif.fmp");
    testing::writeBytes(
        fur, testing::furFileBytes({"1111111", "1.1.1.1", "1111111", "1.1.1.1", "1111111"}, 10));
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixel(0, 0, qRgb(255, 255, 0));
    QVERIFY(tile.save(h->home.filePath("motif.fmx"), "BMP"));
    // A picture whose name ends in upper-case FMP.
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    const QString upper = h->home.filePath("Image.FMP");
    QVERIFY(picture.save(upper, "BMP"));

    QVERIFY(openFurEditor()->isVisible());
    auto* title = furEditor().findChild<QLabel*>(QStringLiteral("titleLabel"));
    auto* width = furEditor().findChild<QSlider*>(QStringLiteral("widthSlider"));
    h->messages->files = {fur};
    furToolbar(45);
    QCOMPARE(title->text(), QStringLiteral("Fourrure personnalisée [motif.fmp]"));
    QCOMPARE(furEditor().tileWidth(), 7);
    QCOMPARE(furEditor().tileHeight(), 5);
    QCOMPARE(furEditor().rowShift(), 10);
    QCOMPARE(furEditor().tileSurface().pixel(0, 0), Colour(0x00FFFF));

    // The upper-case name is a picture: its corner becomes a 20 x 20 tile; the
    // fur's path, title and shift stay.
    h->messages->files = {upper};
    furToolbar(45);
    QVERIFY(h->messages->boxes.empty());
    QCOMPARE(width->value(), 20);
    QCOMPARE(furEditor().tileHeight(), 20);
    QCOMPARE(furEditor().tileSurface().pixel(0, 0), Colour(0xFF0000));
    QCOMPARE(furEditor().tileSurface().pixel(19, 19), Colour(0xFF0000));
    QCOMPARE(title->text(), QStringLiteral("Fourrure personnalisée [motif.fmp]"));
    QCOMPARE(QString::fromStdString(furEditor().furPath()), fur);
    QCOMPARE(furEditor().rowShift(), 10);
}

void DialogDetailsTest::theFurEditorsSaveRemembersItsFolder() {
    const QString folder = h->home.filePath("fourrures");
    QVERIFY(QDir().mkpath(folder));
    const QString remembered = folder + u'/';

    QVERIFY(openFurEditor()->isVisible());
    h->messages->saveFiles = {folder + "/semis.fmp"};
    furToolbar(70);
    QVERIFY(QFile::exists(folder + "/semis.fmp"));
    // The next save dialog opens where the last one saved.
    furToolbar(70);
    QCOMPARE(int(h->messages->saveDialogs.size()), 2);
    QCOMPARE(h->messages->saveDialogs.back().folder, remembered);
    QCOMPARE(h->messages->saveDialogs.back().preset, QStringLiteral("semis.fmp"));
    d->pressButton(&furEditor(), "cancelButton");

    // So does the next editor's, cancelled or not.
    QVERIFY(openFurEditor()->isVisible());
    furToolbar(70);
    QCOMPARE(int(h->messages->saveDialogs.size()), 3);
    QCOMPARE(h->messages->saveDialogs.back().folder, remembered);
    d->pressButton(&furEditor(), "cancelButton");

    // And the next run's, once the settings are written (a document saved
    // over itself writes them).
    h->messages->saveFiles = {h->home.filePath("doc")};
    menuItem(d->w(), "saveAsAction")->trigger();
    menuItem(d->w(), "saveAction")->trigger();
    {
        ProgramHarness next;
        QVERIFY(QFile::copy(h->home.filePath("QRX.inf"), next.home.filePath("QRX.inf")));
        QVERIFY(next.start());
        WindowDriver n(next);
        n.rightClick(n.w().panel<FurPalettePanel>().furPalette(), QPoint(5, 5),
                     QStringLiteral("defineUserFurAction"));
        auto& editor = n.w().dialogs().get<FurEditorDialog>();
        QVERIFY(editor.isVisible());
        toolbarClick(editor, 70);
        QCOMPARE(int(next.messages->saveDialogs.size()), 1);
        QCOMPARE(next.messages->saveDialogs.back().folder, remembered);
        d->pressButton(&editor, "cancelButton");
    }
    d->takeHomeBack();
}

void DialogDetailsTest::thePalettesRightPressOffersTheColourAdjustment() {
    PictureBox* palette = d->w().panel<TincturePalettePanel>().tincturePalette();
    // A left press opens no menu.
    hover(palette, QPoint(5, 30));
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(5, 30));
    QVERIFY(h->messages->popups.empty());

    d->rightClick(palette, QPoint(5, 30), QStringLiteral("adjustColourAction"));
    QVERIFY(!h->messages->popups.empty());
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("tinctureColourMenu"));
    auto& dialog = d->w().dialogs().get<ColourAdjustmentDialog>();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("tinctureLabel"))->text(),
             QStringLiteral("Gueules"));
    const Colour before = Colour(d->ws().Tinctures[kGueules].Colour);
    d->pressButton(&dialog, "cancelButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Colour(d->ws().Tinctures[kGueules].Colour), before);
}

void DialogDetailsTest::fiveExtraCopiesIsTheLargestCount() {
    const int n = d->place(d->writePicture("a.bmp", 20, 20), QPoint(100, 100));
    QVERIFY(d->pickUp(n));
    d->rightClickHeld(QStringLiteral("makeGroupAction"));
    auto& dialog = d->w().dialogs().get<ChargeDistributionDialog>();
    QVERIFY(dialog.isVisible());
    auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("extraCopiesText"));
    auto* spin = dialog.findChild<QScrollBar*>(QStringLiteral("extraCopiesSpin"));
    const struct {
        const char* typed;
        int count;
        Qt::GlobalColor colour;
    } steps[] = {{"5", 5, Qt::black}, {"6", 5, Qt::red}, {"0", 0, Qt::black}, {"5", 5, Qt::black}};
    for (const auto& step : steps) {
        text->selectAll();
        QTest::keyClicks(text, QString::fromLatin1(step.typed));
        QCOMPARE(-spin->value(), step.count);
        QCOMPARE(text->palette().color(QPalette::Text), QColor(step.colour));
    }
    QCOMPARE(text->text(), QStringLiteral("5"));
    // The spin cannot go past it either.
    spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(-spin->value(), 5);
    d->pressButton(&dialog, "cancelButton");
}

void DialogDetailsTest::theSmallerDialogsControlsStandInTheirPlaces() {
    auto& colour = d->w().dialogs().get<ColourAdjustmentDialog>();
    QWidget* distribution = &d->w().dialogs().get<ChargeDistributionDialog>();
    QWidget* properties = &d->w().dialogs().get<PicturePropertiesDialog>();
    // No name: the window's inside. No size: only the place is fixed.
    const struct {
        QWidget* dialog;
        const char* name;
        QRect box;
    } places[] = {{&colour, nullptr, {0, 0, 191, 146}},
                  {&colour, "titleLabel", {20, 1, 0, 0}},
                  {&colour, "tinctureLabel", {14, 28, 158, 18}},
                  {&colour, "swatches", {14, 50, 64, 19}},
                  {&colour, "stepBar", {23, 0, 16, 18}},  // inside the swatches
                  {&colour, "resetButton", {97, 48, 0, 0}},
                  {&colour, "okButton", {14, 111, 0, 0}},
                  {&colour, "cancelButton", {97, 111, 0, 0}},
                  {distribution, "patternLabel", {219, 38, 111, 15}},
                  {properties, "promptLabel", {9, 120, 292, 15}}};
    for (const auto& p : places) {
        QWidget* w = p.name ? p.dialog->findChild<QWidget*>(QString::fromLatin1(p.name)) : p.dialog;
        QVERIFY2(w, p.name);
        const QRect box = p.name ? w->geometry() : w->rect();
        QCOMPARE(p.box.isEmpty() ? QRect(box.x(), box.y(), 0, 0) : box, p.box);
        QVERIFY(p.dialog->rect().contains(box));
    }
    // The current colour on the left shield, the one being adjusted on the right.
    ColourAdjustmentDialog::State state;
    colour.open({QStringLiteral("Azur"), 0xFF0000, 0xFF0000}, state, {});
    colour.findChild<QScrollBar*>(QStringLiteral("stepBar"))
        ->triggerAction(QAbstractSlider::SliderSingleStepSub);
    const QImage swatches =
        colour.findChild<QWidget*>(QStringLiteral("swatches"))->grab().toImage();
    QCOMPARE(swatches.pixelColor(5, 9), QColor(0, 0, 255));
    QCOMPARE(swatches.pixelColor(52, 9), QColor(0, 1, 255));
    d->pressButton(&colour, "cancelButton");
}

QTEST_MAIN(DialogDetailsTest)
#include "dialog_details_test.moc"
