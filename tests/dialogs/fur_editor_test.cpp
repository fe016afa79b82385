// The fur editor driven through its widgets: painting, the preview, the row
// shift, its toolbar and files, and "Ok" storing the fur into a slot.
#include <sys/stat.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "actions/user_fur_commands.h"
#include "blazon/vocabulary.h"
#include "dialogs/fur_editor_dialog.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/qimage_bridge.h"
#include "platform/record_file.h"
#include "render/renderer.h"
#include "storage/fur_file.h"
#include "support/pipe_watchdog.h"
#include "support/widget_events.h"

using namespace tess;

namespace {

// A toolbar button pressed and released at its middle (x), in the strip.
void toolbarClick(FurEditorDialog& d, int x) {
    click(child<QWidget>(d, "toolbar"), QPointF(x, 12));
}
constexpr int kNewButton = 25, kOpenButton = 48, kSaveButton = 72, kFillButton = 140,
              kDrawButton = 117;

// The enlarged view's picture starts inside its frame: presses are given in
// the picture's own pixels.
const QPointF kInside(FurPictureView::kFrame, FurPictureView::kFrame);

// A picture whose column x is coloured x + 1, so a pixel tells its column.
Surface columnPicture(int w, int h) {
    Surface s(w, h, kWhite);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, Colour(x + 1));
    return s;
}

}  // namespace

class FurEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void previewRowsShiftByTheRunningRoundedOffset();
    void drawingAndFillingOnTheEnlargedView();
    void thePaletteTakesTheSwatchUnderThePointer();
    void theRowShiftWrapsAndTakesTypedValues();
    void openingFursAndPicturesAndRefusingBadOnes();
    void okStoresTheFurOrRefusesAFileAnotherSlotUses();
    void aPipeIsNotAFileWhereverItIsChosen();

  private:
    std::string path(const char* name) const { return (dir->path() + "/" + name).toStdString(); }
    // The editor's hooks: file dialogs answered from `chosen`, messages noted.
    void script(FurEditorDialog& d) {
        d.hooks.openFile = [this](const QString&, const QString&, const QString&) {
            return chosen;
        };
        d.hooks.saveFile = [this](const QString&, const QString&, const QString&, const QString&) {
            return chosen;
        };
        d.hooks.message = [this](const QString& text, int, const QString& title) {
            messages.push_back(title + QStringLiteral(": ") + text);
        };
        d.hooks.locateMissing = [this](const std::string& p) {
            located.push_back(p);
            return std::string();
        };
    }
    std::unique_ptr<QTemporaryDir> dir;
    std::string chosen;
    QStringList messages;
    std::vector<std::string> located;
};

void FurEditorTest::init() {
    dir = std::make_unique<QTemporaryDir>();
    qputenv("TESSALINE_HOME", dir->path().toUtf8());
    qputenv("XDG_DATA_HOME", dir->path().toUtf8());
    chosen.clear();
    messages.clear();
    located.clear();
}

void FurEditorTest::previewRowsShiftByTheRunningRoundedOffset() {
    FurEditorDialog d;
    script(d);
    d.show();
    QVERIFY(savePictureBmp(columnPicture(32, 32), path("colonnes.bmp")).empty());
    chosen = path("colonnes.bmp");
    toolbarClick(d, kOpenButton);
    QCOMPARE(d.tileWidth(), 20);
    child<QSlider>(d, "widthSlider")->setValue(21);
    child<QSlider>(d, "heightSlider")->setValue(5);
    QCOMPARE(child<QLabel>(d, "sizeLabel")->text(), QStringLiteral("5 x 21"));
    QTest::keyClicks(child<QLineEdit>(d, "rowShiftText"), QStringLiteral("\b\b33"));
    QCOMPARE(d.rowShift(), 33);
    // Offsets 0, 7, 14, 21, 28 (6.93 a row, rounded as it runs): the column
    // at the left edge of each row of tiles.
    const Surface preview = fromQImage(d.previewPicture());
    std::vector<int> leftColumns;
    for (int row = 0; row < 5; ++row) leftColumns.push_back(int(preview.pixel(0, row * 5)) - 1);
    QCOMPARE(leftColumns, (std::vector<int>{0, 7, 14, 0, 7}));
    // The enlarged view shows the tile five times over.
    const Surface view = fromQImage(child<QWidget>(d, "enlargedView")->grab().toImage());
    QCOMPARE(view.pixel(5 * 20 + 2, 2), Colour(21));
}

void FurEditorTest::drawingAndFillingOnTheEnlargedView() {
    FurEditorDialog d;
    d.show();
    QWidget* view = child<QWidget>(d, "enlargedView");
    QWidget* palette = child<QWidget>(d, "palette");
    const Colour gueules = 0x0000FF, azur = 0xFF0000;
    click(palette, QPointF(5, 30));                    // Gueules, left button
    click(palette, QPointF(30, 30), Qt::RightButton);  // Azur, right button

    click(view, kInside + QPointF(99, 0));  // column 19, the last of a 20-wide tile
    QCOMPARE(d.tileSurface().pixel(19, 0), gueules);
    click(view, kInside + QPointF(100, 0));  // column 20: off the tile, nothing
    QCOMPARE(d.tileSurface().pixel(20, 0), kWhite);
    click(view, kInside + QPointF(2.6, 7), Qt::RightButton);  // rounds to 3: column 0, row 1
    QCOMPARE(d.tileSurface().pixel(0, 1), azur);

    // Dragging with the right button after a left press paints the left colour.
    sendMouse(view, QEvent::MouseButtonPress, kInside + QPointF(12, 12), Qt::LeftButton,
              Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, kInside + QPointF(17, 12), Qt::NoButton, Qt::RightButton);
    QCOMPARE(d.tileSurface().pixel(3, 2), gueules);

    // The fill runs beyond a 5-wide tile over the whole connected white area,
    // which shows once the tile is made larger.
    child<QSlider>(d, "widthSlider")->setValue(5);
    toolbarClick(d, kFillButton);
    QCOMPARE(d.tool(), FurTool::Fill);
    click(view, kInside + QPointF(22, 22));
    QCOMPARE(d.tileSurface().pixel(4, 4), gueules);
    QCOMPARE(d.tileSurface().pixel(31, 31), gueules);
    QCOMPARE(d.tileSurface().pixel(0, 1), azur);  // another colour stops it
    const Surface filled = d.tileSurface();
    click(view, kInside + QPointF(22, 22));  // the same colour again: nothing
    QVERIFY(d.tileSurface() == filled);
    // A release away from every button runs nothing.
    QWidget* bar = child<QWidget>(d, "toolbar");
    sendMouse(bar, QEvent::MouseButtonPress, QPointF(kDrawButton, 12), Qt::LeftButton,
              Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, QPointF(95, 12), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d.tool(), FurTool::Fill);
    // "Nouvelle fourrure": a white 20 x 20 tile, no shift, no path.
    toolbarClick(d, kNewButton);
    QCOMPARE(d.tileSurface().pixel(0, 1), kWhite);
    QCOMPARE(d.tileWidth(), 20);
    QCOMPARE(d.rowShift(), 0);
}

void FurEditorTest::thePaletteTakesTheSwatchUnderThePointer() {
    FurEditorDialog d;
    d.show();
    QWidget* palette = child<QWidget>(d, "palette");
    QWidget* view = child<QWidget>(d, "enlargedView");
    auto paintedBy = [&](QPointF at) {
        click(palette, at);
        click(view, kInside + QPointF(2, 2));
        return d.tileSurface().pixel(0, 0);
    };
    const struct {
        QPointF at;
        Colour colour;
    } cases[] = {
        {{5, 0}, 0x00FFFF},     // Or
        {{19, 106}, 0x80FFFF},  // Bis
        {{5, 128}, 0x80FFFF},   // two rows below Bis: the last colour hovered
        {{20, 60}, 0x000000},   // Sable
        {{40, 110}, 0x000000},  // below Pourpre: nothing picked, the left colour stays
        {{40, 86}, 0x800080},   // Pourpre
    };
    for (const auto& c : cases) QCOMPARE(paintedBy(c.at), c.colour);
}

void FurEditorTest::theRowShiftWrapsAndTakesTypedValues() {
    FurEditorDialog d;
    d.show();
    auto* bar = child<QScrollBar>(d, "rowShiftBar");
    auto* text = child<QLineEdit>(d, "rowShiftText");
    QCOMPARE(d.rowShift(), 25);
    QCOMPARE(text->text(), QStringLiteral("25"));
    // The arrows pressed where the bar draws them: the upper one raises the
    // shift by 5, the lower one lowers it; past either end it wraps round.
    QStyleOptionSlider o;
    o.initFrom(bar);
    o.orientation = Qt::Vertical;
    o.subControls = QStyle::SC_All;
    const QRect first =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSubLine, bar);
    const QRect second =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarAddLine, bar);
    const QPoint up = (first.top() < second.top() ? first : second).center();
    const QPoint down = (first.top() < second.top() ? second : first).center();
    QVERIFY(up.y() < bar->height() / 2 && down.y() > bar->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, up);
    QCOMPARE(d.rowShift(), 30);
    QTest::mouseClick(bar, Qt::LeftButton, {}, down);
    QTest::mouseClick(bar, Qt::LeftButton, {}, down);
    QCOMPARE(d.rowShift(), 20);
    for (int i = 0; i < 5; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, down);
    QCOMPARE(d.rowShift(), 95);
    QTest::mouseClick(bar, Qt::LeftButton, {}, up);
    QCOMPARE(d.rowShift(), 0);
    QCOMPARE(text->text(), QStringLiteral("0"));

    // Each value stands in the box when its last key comes up.
    auto type = [&](const QString& t) {
        text->setText(t);
        QTest::keyClick(text, Qt::Key_End);
    };
    const QColor red(0xFF, 0, 0);
    // The range is judged on the value as typed, then it is rounded.
    type(QStringLiteral("98.6"));
    QCOMPARE(d.rowShift(), 99);
    QCOMPARE(text->text(), QStringLiteral("99"));
    type(QStringLiteral("99.4"));
    QCOMPARE(text->palette().color(QPalette::Text), red);
    QCOMPARE(d.rowShift(), 99);
    type(QStringLiteral("-0.4"));
    QCOMPARE(text->palette().color(QPalette::Text), red);
    QCOMPARE(d.rowShift(), 99);
    type(QStringLiteral("-3"));
    QCOMPARE(text->palette().color(QPalette::Text), red);
    type(QStringLiteral("abc"));
    QCOMPARE(d.rowShift(), 99);
    type(QStringLiteral("40"));
    QCOMPARE(d.rowShift(), 40);
    QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::black));
}

void FurEditorTest::openingFursAndPicturesAndRefusingBadOnes() {
    FurEditorDialog d;
    script(d);
    d.start(FurEditorSubject{.lastFolder = dir->path().toStdString() + "/"});
    d.show();
    // A fur saved from the toolbar, then opened again with its sizes and tile.
    child<QSlider>(d, "widthSlider")->setValue(7);
    chosen = path("losange.fmp");
    click(child<QWidget>(d, "enlargedView"), kInside + QPointF(1, 1));
    toolbarClick(d, kSaveButton);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QCOMPARE(child<QLabel>(d, "titleLabel")->text(),
             QStringLiteral("Fourrure personnalisée [losange.fmp]"));
    const Surface saved = d.tileSurface();
    toolbarClick(d, kNewButton);
    toolbarClick(d, kOpenButton);
    QCOMPARE(d.tileWidth(), 7);
    QCOMPARE(d.tileHeight(), 20);
    QVERIFY(d.tileSurface() == saved);
    QCOMPARE(d.furPath(), chosen);

    // Refused, each with a message, the editor as it was.
    QVERIFY(writeFileAtomically(path("court.fmp"), {3, 0, 40}).empty());
    QVERIFY(writeFileAtomically(path("geante.fmp"), {3, 0, 64, 0, 20, 0, 0, 0}).empty());
    QVERIFY(writeFileAtomically(path("faux.fmp"), {3, 0, 6, 0, 6, 0, 0, 0}).empty());
    QVERIFY(writeFileAtomically(path("faux.fmx"), {'n', 'o', 'n'}).empty());
    // A bitmap header claiming 10,000 x 10,000 pixels.
    std::vector<std::uint8_t> huge(54, 0);
    huge[0] = 'B', huge[1] = 'M', huge[10] = 54, huge[14] = 40, huge[26] = 1, huge[28] = 24;
    for (int at : {18, 22}) huge[std::size_t(at)] = 0x10, huge[std::size_t(at + 1)] = 0x27;
    QVERIFY(writeFileAtomically(path("immense.bmp"), huge).empty());
    for (const char* name : {"court.fmp", "geante.fmp", "immense.bmp"}) {
        messages.clear();
        chosen = path(name);
        toolbarClick(d, kOpenButton);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QString::fromUtf8(name)), qPrintable(messages[0]));
        QCOMPARE(d.tileWidth(), 7);
        QVERIFY(d.tileSurface() == saved);
    }
    // A bitmap beside a good header that is no picture: told, the tile kept.
    messages.clear();
    chosen = path("faux.fmp");
    toolbarClick(d, kOpenButton);
    QCOMPARE(messages.size(), 1);
    QVERIFY(d.tileSurface() == saved);
    // A missing bitmap is looked for; declined, the sizes are taken, the tile kept.
    QVERIFY(writeFileAtomically(path("seul.fmp"), {3, 0, 9, 0, 8, 0, 10, 0}).empty());
    chosen = path("seul.fmp");
    toolbarClick(d, kOpenButton);
    QCOMPARE(located, std::vector<std::string>{path("seul.fmx")});
    QCOMPARE(d.tileHeight(), 9);
    QCOMPARE(d.rowShift(), 10);
    QVERIFY(d.tileSurface() == saved);
    // A picture: its corner becomes a 20 x 20 tile; the path stays.
    QVERIFY(savePictureBmp(columnPicture(40, 40), path("image.bmp")).empty());
    chosen = path("image.bmp");
    toolbarClick(d, kOpenButton);
    QCOMPARE(d.tileWidth(), 20);
    QCOMPARE(d.tileSurface().pixel(31, 0), Colour(32));
    QCOMPARE(d.furPath(), path("seul.fmp"));
}

void FurEditorTest::okStoresTheFurOrRefusesAFileAnotherSlotUses() {
    Workspace ws;
    Renderer r;
    InitGraphics(ws, r);
    ResetDocument(ws);
    RedrawShield(ws, r);
    const std::string taken = path("X.fmp");
    ws.CurrentBlazon.UserFurs[0].Path = taken;

    FurEditorDialog d;
    script(d);
    QStringList stored;
    d.hooks.store = [&](const FurDraft& draft) {
        const FurStoring out = StoreUserFur(ws, r, 1, draft);
        if (!out.message.empty())
            messages.push_back(QString::fromStdString(out.message.title + ": " + out.message.text));
        return out.stored;
    };
    d.start(FurEditorSubject{.tinctures = ws.Tinctures});
    d.show();
    chosen = taken;
    QTest::mouseClick(child<QPushButton>(d, "okButton"), Qt::LeftButton);
    QCOMPARE(messages, QStringList{QStringLiteral(
                           "X.fmp: La fourrure X.fmp est déjà utilisée sur votre blason.")});
    QVERIFY(!fileExists(taken));
    QVERIFY(d.isVisible());
    QVERIFY(!UserFurSlotInUse(r, 1));

    // Another name: stored, the editor closes, the fur is drawn where dropped.
    messages.clear();
    d.start(FurEditorSubject{.tinctures = ws.Tinctures});
    QWidget* palette = child<QWidget>(d, "palette");
    click(palette, QPointF(30, 60));  // Sable
    for (int x = 0; x < 20; x += 2)
        click(child<QWidget>(d, "enlargedView"), kInside + QPointF(x * 5, 0));
    chosen = path("Hermine.fmp");
    QTest::mouseClick(child<QPushButton>(d, "okButton"), Qt::LeftButton);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(UserFurSlotInUse(r, 1));
    QCOMPARE(ws.CurrentBlazon.UserFurs[1].DominantTincture, Long(kArgent));
    ws.CurrentBlazon.Parts[1].Kind = ws.CurrentBlazon.Parts[1].Tincture = kFirstUserFur + 1;
    const RedrawResult shown = RedrawShield(ws, r);
    QCOMPARE(QString::fromStdString(shown.blazonText), QStringLiteral("D'Argent semé de hermine."));
    QCOMPARE(r.canvas.pixel(132, 170), r.UserFurPictures[1].pixel(132, 170));
}

// A named pipe chosen as a fur, as a picture, or standing where a fur's tile
// bitmap should be: refused at once as no file (not looked for as missing),
// the editor as it was.
void FurEditorTest::aPipeIsNotAFileWhereverItIsChosen() {
    FurEditorDialog d;
    script(d);
    d.start(FurEditorSubject{});
    d.show();
    const Surface before = d.tileSurface();
    QVERIFY(writeFileAtomically(path("seule.fmp"), {3, 0, 9, 0, 8, 0, 10, 0}).empty());
    for (const char* name : {"tube.fmp", "tube.bmp", "seule.fmx"})
        QCOMPARE(::mkfifo(path(name).c_str(), 0600), 0);
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"tube.fmp", "tube.fmp"}, {"tube.bmp", "tube.bmp"}, {"seule.fmp", "seule.fmx"}};
    for (const auto& [name, pipe] : cases) {
        messages.clear();
        chosen = path(name);
        testing::PipeWatchdog watchdog(path(pipe));
        toolbarClick(d, kOpenButton);
        QVERIFY2(!watchdog.released(), name);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0],
                 QStringLiteral("Erreur #75: ") + QString::fromStdString(notAFileText(pipe)));
        QVERIFY(located.empty());
        QVERIFY(d.tileSurface() == before);
    }
}

QTEST_MAIN(FurEditorTest)
#include "fur_editor_test.moc"
