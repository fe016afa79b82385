// The toolbar, the choosers, the fur palette and swatches, the warning sign and
// the help, driven by synthetic mouse events on the real window.
#include <QAction>
#include <QFrame>
#include <QHelpEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <fstream>

#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "actions/user_fur_loading.h"
#include "editor/chooser_input.h"
#include "editor/fur_palette_input.h"
#include "editor/toolbar_input.h"
#include "model/document.h"
#include "model/piece_types.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "resources/help_page.h"
#include "support/file_bytes.h"
#include "tests/storage/fur_file_bytes.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"
#include "window_test.h"

using namespace tess;

namespace {

void mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}
void move(QWidget* w, QPointF at, Qt::MouseButtons held = Qt::NoButton) {
    mouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}
void press(QWidget* w, QPointF at, Qt::MouseButton b = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonPress, at, b, b);
}
void release(QWidget* w, QPointF at, Qt::MouseButton b = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}
// The tooltip the platform would ask for with the pointer resting at `at`.
QString tipAt(QWidget* w, QPoint at) {
    QHelpEvent event(QEvent::ToolTip, at, w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &event);
    QToolTip::hideText();
    return w->toolTip();
}

const std::vector<std::string> kTile = {"11111", "1.1.1", "11111", "1.1.1", "11111"};

}  // namespace

class ToolbarTest : public WindowTest {
    Q_OBJECT
  private slots:
    void theToolbarNamesFramesAndRunsItsButtons();
    void thePressSinksTheFrameAndTheReleaseRaisesIt();
    void partitionButtonsAlwaysTakeAnUndoStep();
    void theChoosersChooseTheCellUnderThePress();
    void theFurPaletteNamesAndDragsItsFurs();
    void aUserFurSwatchNamesDragsAndOffersItsFur();
    void theWarningSignShowsTheWarningsWithoutAnEdit();
    void theHelpOpensAtEachTopicAndRepeats();
    void theHelpSaysWhereItIsWhenItCannotOpen();

  private:
    void started() override { d->recordHelp(); }
    // Marks the newest undo copy; stepsSinceMark() counts the copies since.
    void markUndo() { h->ws().Undos[1].Folder = "#mark"; }
    int stepsSinceMark() {
        for (int i = 1; i <= kUndoDepth; ++i)
            if (h->ws().Undos[std::size_t(i)].Folder == "#mark") return i - 1;
        return -1;
    }
};

void ToolbarTest::theToolbarNamesFramesAndRunsItsButtons() {
    ToolbarPanel& t = w->panel<ToolbarPanel>();
    QWidget* bar = t.toolbar();
    // Spies, not lambdas on this test's locals: the window outlives the test.
    QSignalSpy prints(menuItem(*w, "printAction"), &QAction::triggered);
    QSignalSpy news(menuItem(*w, "newAction"), &QAction::triggered);

    // Named from x 13, framed from 15.
    move(bar, {13, 10});
    QCOMPARE(bar->toolTip(), QStringLiteral("Nouveau"));
    QCOMPARE(t.leftFrameLine()->x(), 15);
    QCOMPARE(t.topFrameLine()->geometry(), QRect(15, 3, 24, 1));
    QCOMPARE(t.bottomFrameLine()->geometry(), QRect(15, 24, 25, 1));
    QVERIFY(t.topFrameLine()->isVisible() && t.bottomFrameLine()->isVisible());
    move(bar, {452, 10});
    QCOMPARE(bar->toolTip(), QStringLiteral("Tiercé en Pairle"));
    QCOMPARE(t.leftFrameLine()->x(), 453);
    QCOMPARE(tipAt(bar, {590, 12}), QStringLiteral("Aide"));
    // Off the band or between the groups: nothing named, no frame.
    for (const QPointF at : {QPointF(20, 2), QPointF(20, 24), QPointF(170, 10), QPointF(620, 10)}) {
        move(bar, at);
        QVERIFY2(bar->toolTip().isEmpty() && t.leftFrameLine()->isHidden(),
                 qPrintable(QString::number(at.x())));
    }

    // A release at 133 prints (the hover there names nothing); at 14 it runs
    // nothing but the canvas takes the keyboard.
    w->setFocus();
    press(bar, {133, 10});
    release(bar, {133, 10});
    QCOMPARE(prints.count(), 1);
    QCOMPARE(t.bottomFrameLine()->y(), 25);
    QVERIFY(t.topFrameLine()->isHidden());
    w->setFocus();
    press(bar, {14, 10});
    release(bar, {14, 10});
    QCOMPARE(news.count(), 0);
    QCOMPARE(w->focusWidget(), w->panel<CanvasPanel>().canvas());
    // The release band is rows 2..24; below it nothing runs and the focus stays.
    release(bar, {20, 24});
    QCOMPARE(news.count(), 1);
    w->setFocus();
    release(bar, {20, 25});
    QCOMPARE(news.count(), 1);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w));
}

void ToolbarTest::thePressSinksTheFrameAndTheReleaseRaisesIt() {
    ToolbarPanel& t = w->panel<ToolbarPanel>();
    auto colour = [](QFrame* f) { return f->palette().color(QPalette::Window); };
    move(t.toolbar(), {300, 10});
    QCOMPARE(colour(t.topFrameLine()), QColor(Qt::white));
    press(t.toolbar(), {300, 10});
    QCOMPARE(colour(t.topFrameLine()), QColor(Qt::black));
    QCOMPARE(colour(t.leftFrameLine()), QColor(Qt::black));
    QCOMPARE(colour(t.rightFrameLine()), QColor(Qt::white));
    QCOMPARE(colour(t.bottomFrameLine()), QColor(Qt::white));
    QCOMPARE(t.bottomFrameLine()->y(), 23);
    // Held down, the frame follows the pointer and stays sunken.
    move(t.toolbar(), {30, 10}, Qt::LeftButton);
    QCOMPARE(t.leftFrameLine()->x(), 15);
    QCOMPARE(colour(t.topFrameLine()), QColor(Qt::black));
    // Released off the band: no command, the colours raised again.
    release(t.toolbar(), {30, 40});
    QCOMPARE(colour(t.topFrameLine()), QColor(Qt::white));
    QCOMPARE(colour(t.rightFrameLine()), QColor(Qt::black));
    QVERIFY(!h->ws().Modified);
}

void ToolbarTest::partitionButtonsAlwaysTakeAnUndoStep() {
    QWidget* bar = w->panel<ToolbarPanel>().toolbar();
    markUndo();
    release(bar, {210, 10});  // Parti
    QCOMPARE(h->ws().CurrentBlazon.Partition, 10);
    QCOMPARE(w->panel<ToolbarPanel>().partitionMarker()->x(), 205);
    QCOMPARE(stepsSinceMark(), 1);
    QVERIFY(d->title().endsWith('*'));
    // Unchanged, it still takes its step.
    release(bar, {210, 10});
    QCOMPARE(stepsSinceMark(), 2);
    // Between the partition groups a release runs nothing.
    for (const qreal x : {444.0, 451.0}) release(bar, {x, 10});
    QCOMPARE(stepsSinceMark(), 2);
    QCOMPARE(h->ws().CurrentBlazon.Partition, 10);
    release(bar, {560, 10});  // Coupé mi-parti en pointe
    QCOMPARE(h->ws().CurrentBlazon.Partition, 25);
    // "Annuler" takes none and leaves the mark.
    release(bar, {150, 10});
    QCOMPARE(h->ws().CurrentBlazon.Partition, 10);
    QVERIFY(h->ws().Modified);
}

void ToolbarTest::theChoosersChooseTheCellUnderThePress() {
    PieceOptions& o = w->panel<PieceOptions>();
    // The table's edges: 45 and 72 close their rows, 18 opens the right column.
    QCOMPARE(shapeCellAt(17, 45), Long(kShapeAnglais));
    QCOMPARE(shapeCellAt(18, 72), Long(kShapeDemoiselle));
    QCOMPARE(shapeCellAt(18, 73), Long(kShapeNone));
    QCOMPARE(tipAt(o.shapeChooser(), {18, 45}), QStringLiteral("Espagnol"));
    QCOMPARE(tipAt(o.insetShapeChooser(), {5, 80}), QStringLiteral("En bannière"));

    markUndo();
    press(o.shapeChooser(), {18, 45});
    QCOMPARE(h->ws().CurrentBlazon.ShieldShape, Long(kShapeEspagnol));
    QCOMPARE(stepsSinceMark(), 1);
    press(o.shapeChooser(), {18, 45});
    QCOMPARE(stepsSinceMark(), 2);
    // The empty cell: nothing at all.
    press(o.shapeChooser(), {30, 90});
    QCOMPARE(stepsSinceMark(), 2);
    QCOMPARE(h->ws().CurrentBlazon.ShieldShape, Long(kShapeEspagnol));

    // The sizes: 19 and 38 diminish, 39 is en filet; each press one step.
    QCOMPARE(tipAt(o.sizeChooser(), {5, 38}), QStringLiteral("Pièce Diminuée"));
    QCOMPARE(tipAt(o.sizeChooser(), {5, 39}), QStringLiteral("Pièce En filet"));
    press(o.secondOrderSizeChooser(), {5, 19});
    QCOMPARE(h->ws().CurrentBlazon.Ordinary2.Size, kSizeSecondOrderDiminished);
    press(o.sizeChooser(), {5, 19});
    QCOMPARE(h->ws().CurrentBlazon.Ordinary1.Size, kSizeFirstOrderDiminished);
    press(o.sizeChooser(), {5, 50});
    QCOMPARE(h->ws().CurrentBlazon.Ordinary1.Size, kSizeFillet);
    press(o.sizeChooser(), {5, 0});
    QCOMPARE(h->ws().CurrentBlazon.Ordinary1.Size, kSizeFull);
    QCOMPARE(stepsSinceMark(), 6);
}

void ToolbarTest::theFurPaletteNamesAndDragsItsFurs() {
    PictureBox* palette = w->panel<FurPalettePanel>().furPalette();
    QList<int> dragged;
    w->panel<FurPaletteInput>().setDragStarter([&](QMimeData* payload) {
        dragged << draggedFur(payload);
        delete payload;
    });
    move(palette, {18, 35});
    QCOMPARE(palette->toolTip(), QStringLiteral("Vair en Pal"));
    QCOMPARE(palette->Tag, QStringLiteral("115"));
    QCOMPARE(tipAt(palette, {19, 36}), QStringLiteral("Contre-Herminé d'Or et de Sable"));
    QCOMPARE(tipAt(palette, {0, 84}), QStringLiteral("Contre-Herminé d'Argent et d'Azur"));

    // A press and a short move do not drag; past the drag distance it carries
    // the fur the press was on.
    press(palette, {18, 35});
    move(palette, {19, 35}, Qt::LeftButton);
    QVERIFY(dragged.isEmpty());
    move(palette, QPointF(18, 37 + QApplication::startDragDistance()), Qt::LeftButton);
    QCOMPARE(dragged, QList<int>{115});
    release(palette, {18, 45});

    // The right button: the menu with the slot commands off, one free slot
    // enabling the definition.
    press(palette, {5, 5}, Qt::RightButton);
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("furMenu"));
    QCOMPARE(menuItem(*w, "editUserFurAction")->text(), QStringLiteral("Modifier"));
    QVERIFY(!menuItem(*w, "editUserFurAction")->isEnabled());
    QVERIFY(!menuItem(*w, "deleteUserFurAction")->isEnabled());
    QVERIFY(menuItem(*w, "defineUserFurAction")->isEnabled());
    // A left press opens nothing.
    const std::size_t popups = h->messages->popups.size();
    press(palette, {5, 5});
    QCOMPARE(h->messages->popups.size(), popups);
}

void ToolbarTest::aUserFurSwatchNamesDragsAndOffersItsFur() {
    const QString folder = h->home.filePath("motifs");
    QDir().mkpath(folder);
    const QString path = folder + "/motif.fmp";
    testing::writeBytes(path, testing::furFileBytes(kTile, 0));
    UserFurRecord& fur = h->ws().CurrentBlazon.UserFurs[2];
    fur.Path = path.toStdString();
    fur.TileWidth = fur.TileHeight = 5;
    QVERIFY(LoadUserFurPattern(h->ws(), h->program->r(), fur.Path, 2));
    w->session().redraw();

    auto& swatches = w->panel<FurPalettePanel>().userFurSwatches();
    QVERIFY(swatches[2]->isVisible());
    QVERIFY(swatches[0]->isHidden() && swatches[1]->isHidden() && swatches[3]->isHidden());
    QVERIFY(!swatches[2]->picture().isNull());

    QList<int> dragged;
    w->panel<FurPaletteInput>().setDragStarter([&](QMimeData* payload) {
        dragged << draggedFur(payload);
        delete payload;
    });
    move(swatches[2], {5, 5});
    QCOMPARE(swatches[2]->toolTip(), QStringLiteral("motif"));
    QCOMPARE(swatches[2]->Tag, QStringLiteral("118"));
    press(swatches[2], {5, 5});
    move(swatches[2], {5, 20}, Qt::LeftButton);
    QCOMPARE(dragged, QList<int>{118});
    release(swatches[2], {5, 20});

    press(swatches[2], {5, 5}, Qt::RightButton);
    QCOMPARE(w->panel<FurMenu>().FurSlotIndex(), Byte(2));
    QCOMPARE(menuItem(*w, "editUserFurAction")->text(), QStringLiteral("Modifier motif.fmp"));
    QCOMPARE(menuItem(*w, "deleteUserFurAction")->text(), QStringLiteral("Supprimer motif.fmp"));
    QVERIFY(menuItem(*w, "editUserFurAction")->isEnabled() &&
            menuItem(*w, "deleteUserFurAction")->isEnabled());

    // A double click edits the slot's fur, whatever the menu was left as.
    QSignalSpy edits(menuItem(*w, "editUserFurAction"), &QAction::triggered);
    press(w->panel<FurPalettePanel>().furPalette(), {5, 5}, Qt::RightButton);
    mouse(swatches[1], QEvent::MouseButtonDblClick, {5, 5});
    QCOMPARE(edits.count(), 1);
    QCOMPARE(w->panel<FurMenu>().FurSlotIndex(), Byte(1));

    // Odd names: short, without extension, empty.
    QCOMPARE(userFurTooltip("/a/b/ab"), QStringLiteral("ab"));
    QCOMPARE(userFurTooltip("/a/b/motif"), QStringLiteral("motif"));
    QCOMPARE(userFurTooltip(".fmp"), QString());
    QCOMPARE(userFurTooltip(""), QString());
    // The slot emptied: the swatch goes.
    h->ws().CurrentBlazon.UserFurs[2] = UserFurRecord{};
    w->session().redraw();
    QVERIFY(swatches[2]->isHidden());
}

void ToolbarTest::theWarningSignShowsTheWarningsWithoutAnEdit() {
    // Two colours side by side break the rule of tinctures.
    BlazonRecord& b = h->ws().CurrentBlazon;
    b.Partition = 10;
    b.PartCount = 2;
    b.Parts[1].Kind = kClassColour;
    b.Parts[1].Tincture = 4;
    b.Parts[2].Kind = kClassColour;
    b.Parts[2].Tincture = 3;
    w->session().redraw();
    PictureBox* sign = w->panel<BlazonPanel>().warningSign();
    QVERIFY(sign->isVisible());
    const QString tip = sign->toolTip();
    QVERIFY(!tip.isEmpty());
    markUndo();
    sign->setToolTip(QString());
    press(sign, {5, 5});
    release(sign, {5, 5});
    QCOMPARE(sign->toolTip(), tip);
    QCOMPARE(stepsSinceMark(), 0);
    QVERIFY(!h->ws().Modified);
}

void ToolbarTest::theHelpOpensAtEachTopicAndRepeats() {
    // The toolbar's "Aide": the contents.
    release(w->panel<ToolbarPanel>().toolbar(), {590, 10});
    QCOMPARE(d->helpOpened.size(), 1);
    QCOMPARE(d->helpOpened[0].fragment(), QStringLiteral("contenu"));
    const QString page = d->helpOpened[0].toLocalFile();
    QCOMPARE(page, h->home.filePath("Aide/tessaline.html"));

    // Every topic has its anchor in the page.
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    const std::pair<HelpContext, const char*> topics[] = {
        {HelpContext::PrintAndExport, "impression"},
        {HelpContext::LineStyles, "styles-de-ligne"},
        {HelpContext::FurEditor, "editeur-fourrures"},
        {HelpContext::PictureProperties, "proprietes-image"},
        {HelpContext::ChargeDistribution, "distribution-meubles"},
    };
    for (const auto& [context, anchor] : topics) {
        d->helpOpened.clear();
        QVERIFY(w->help().open(context));
        QCOMPARE(d->helpOpened.value(0).fragment(), QString::fromLatin1(anchor));
        QVERIFY2(html.contains(QByteArray("id=\"") + anchor + '"'), anchor);
        // Ctrl+A asks for the same page again.
        QVERIFY(w->help().repeatLast());
        QCOMPARE(d->helpOpened.value(1), d->helpOpened.value(0));
    }

    // An outdated page is replaced; the one in place is left alone.
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<html>ancienne aide</html>");
    file.close();
    QVERIFY(w->help().install());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().size(), qsizetype(helpPageHtml().size()));
}

void ToolbarTest::theHelpSaysWhereItIsWhenItCannotOpen() {
    d->helpOpens = false;
    QVERIFY(!w->help().open(HelpContext::FurEditor));
    QCOMPARE(int(h->messages->boxes.size()), 1);
    QVERIFY(h->messages->boxes[0].text.contains(
        QDir::toNativeSeparators(h->home.filePath("Aide/tessaline.html"))));

    // A help folder that cannot be made (a file stands in its way): the
    // message names the folder, nothing is d->helpOpened.
    const QString blocked = h->home.filePath("bloque");
    QFile stone(blocked);
    QVERIFY(stone.open(QIODevice::WriteOnly));
    stone.close();
    QStringList told;
    HelpOpener stuck((blocked + "/Aide").toStdString(), [&](const QString& t) { told << t; },
                     [&](const QUrl& url) {
                         d->helpOpened << url;
                         return true;
                     });
    d->helpOpened.clear();
    QVERIFY(!stuck.install());
    QVERIFY(!stuck.open(HelpContext::Contents));
    QVERIFY(d->helpOpened.isEmpty());
    QCOMPARE(told.size(), 1);
    QVERIFY(told[0].contains(QStringLiteral("bloque")));
}

QTEST_MAIN(ToolbarTest)
#include "toolbar_test.moc"
