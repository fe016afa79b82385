// The fur menu, the colour menu and the insertion of coats of arms in the
// running program, answered by a script.
#include <QAction>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "actions/document_file.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/fur_editor_dialog.h"
#include "model/tinctures.h"
#include "platform/paths.h"
#include "platform/record_file.h"
#include "program_harness.h"
#include "support/widget_events.h"

using namespace tess;

class FurAndColourMenusTest : public QObject {
    Q_OBJECT
  private slots:
    void aDesignedFurIsSavedWithTheDocumentAndComesBackTheSame();
    void deletingAFurInUseAsksAndTurnsThePartsToOr();
    void adjustingAColourRewritesTheColourFileOnly();
    void armsGoOnlyWhereTheyMayBeInserted();
};

namespace {

// Defines a fur in the first free slot: Sable stripes on Argent, saved as
// `path`; the editor closes once the fur is `stored`.
void designFur(ProgramHarness& h, const QString& path, bool stored = true) {
    h.messages->saveFiles.push_back(path);
    menuItem(h.window(), "defineUserFurAction")->trigger();
    auto& editor = h.window().dialogs().get<FurEditorDialog>();
    QVERIFY(editor.isVisible());
    QWidget* palette = child<QWidget>(editor, "palette");
    QWidget* view = child<QWidget>(editor, "enlargedView");
    QVERIFY(palette && view);
    click(palette, QPointF(30, 60));  // Sable
    for (int x = 0; x < 20; x += 3)
        for (int y = 0; y < 20; ++y) click(view, QPointF(x * 5 + 2, y * 5 + 2));
    auto* ok = child<QPushButton>(editor, "okButton");
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(editor.isVisible(), !stored);
}

// The document's part 1 takes user fur `slot`, as a drop on the shield does.
void dropUserFurOnPartOne(ProgramHarness& h, int slot) {
    h.edit([&] {
        PartRecord& part = h.ws().CurrentBlazon.Parts[1];
        part.Kind = part.Tincture = kFirstUserFur + slot;
    });
}

}  // namespace

void FurAndColourMenusTest::aDesignedFurIsSavedWithTheDocumentAndComesBackTheSame() {
    ProgramHarness h;
    QVERIFY(h.start());
    // Typed without its extension, over a fur already saved under the name
    // the save gives: "Non" leaves that fur alone and the editor open.
    const QString furPath = h.home.filePath(QStringLiteral("Mouchetures.fmp"));
    QFile old(furPath);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("ancienne") == 8);
    old.close();
    h.messages->questionAnswers = {false, true};
    designFur(h, h.home.filePath(QStringLiteral("Mouchetures")), false);
    auto& editor = h.window().dialogs().get<FurEditorDialog>();
    QVERIFY(editor.isVisible());
    QCOMPARE(h.messages->questions.back().text,
             QStringLiteral("\rLe fichier Mouchetures.fmp existe déjà. Êtes-vous sûr de vouloir "
                            "le remplacer ?"));
    QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "ancienne");
    old.close();
    h.messages->saveFiles.push_back(h.home.filePath(QStringLiteral("Mouchetures")));
    QTest::mouseClick(child<QPushButton>(editor, "okButton"), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    // The fur and its tile, listed by the editor's open dialog.
    QCOMPARE(QDir(h.home.path()).entryList({QStringLiteral("Mouchetures*")}),
             QStringList({QStringLiteral("Mouchetures.fmp"), QStringLiteral("Mouchetures.fmx")}));
    QCOMPARE(QDir(h.home.path()).entryList({QStringLiteral("*.fmp")}),
             QStringList({QStringLiteral("Mouchetures.fmp")}));
    QVERIFY(!h.window().panel<FurPalettePanel>().userFurSwatches()[0]->isHidden());
    QCOMPARE(h.ws().CurrentBlazon.UserFurs[0].Path, furPath.toStdString());
    QVERIFY(h.ws().Modified);

    dropUserFurOnPartOne(h, 0);
    const QString phrase = h.window().panel<BlazonPanel>().blazonLabel()->text();
    QVERIFY2(phrase.contains(QStringLiteral("semé de mouchetures")), qPrintable(phrase));
    const Surface shown = h.program->r().canvas;
    const std::string doc = (h.home.path() + QStringLiteral("/Rayé.bls")).toStdString();
    QVERIFY(SaveDocument(h.ws(), h.program->r(), doc).saved);

    ProgramHarness again(doc);
    QVERIFY(again.start());
    QCOMPARE(again.window().panel<BlazonPanel>().blazonLabel()->text(), phrase);
    QVERIFY(again.program->r().canvas == shown);
    QCOMPARE(again.ws().CurrentBlazon.Parts[1].Kind, Long(kFirstUserFur));
}

void FurAndColourMenusTest::deletingAFurInUseAsksAndTurnsThePartsToOr() {
    ProgramHarness h;
    QVERIFY(h.start());
    designFur(h, h.home.path() + QStringLiteral("/Semis.fmp"));
    if (QTest::currentTestFailed()) return;
    dropUserFurOnPartOne(h, 0);
    h.window().panel<FurMenu>().popupForSlot(0, QPoint());

    h.messages->boxAnswers = {MessageAnswer::No};
    menuItem(h.window(), "deleteUserFurAction")->trigger();
    // The question must have been asked before anything is read of it.
    QCOMPARE(h.messages->boxes.size(), std::size_t(1));
    QCOMPARE(h.messages->boxes.back().text,
             QStringLiteral("La fourrure Semis.fmp est présentement utilisée sur la partie 1. "
                            "Êtes-vous sûr de vouloir la supprimer ?"));
    QCOMPARE(h.messages->boxes.back().title, QStringLiteral("Supprimer Semis.fmp"));
    QCOMPARE(h.ws().CurrentBlazon.Parts[1].Kind, Long(kFirstUserFur));

    h.messages->boxAnswers = {MessageAnswer::Yes};
    menuItem(h.window(), "deleteUserFurAction")->trigger();
    QCOMPARE(h.ws().CurrentBlazon.Parts[1].Kind, kClassMetal);
    QCOMPARE(h.ws().CurrentBlazon.UserFurs[0].Path, std::string());
    QVERIFY(h.window().panel<FurPalettePanel>().userFurSwatches()[0]->isHidden());
    QCOMPARE(h.window().panel<BlazonPanel>().blazonLabel()->text(), QStringLiteral("D'Or."));
}

void FurAndColourMenusTest::adjustingAColourRewritesTheColourFileOnly() {
    ProgramHarness h;
    QVERIFY(h.start());
    h.ws().Modified = false;
    menuItem(h.window(), "adjustColourAction")->setData(kOr);
    menuItem(h.window(), "adjustColourAction")->trigger();
    auto& dialog = h.window().dialogs().get<ColourAdjustmentDialog>();
    QVERIFY(dialog.isVisible());
    auto* step = child<QScrollBar>(dialog, "stepBar");
    auto* ok = child<QPushButton>(dialog, "okButton");
    QVERIFY(step && ok);
    step->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(Colour(h.ws().Tinctures[kOr].Colour), Colour(0x0100FF));
    const auto file = readFileBytes(programFile("QRZ.inf"));
    QVERIFY(file && file->size() >= 4);
    QCOMPARE(int((*file)[0]), 0xFF);
    QCOMPARE(int((*file)[2]), 0x01);
    QVERIFY(!h.ws().Modified);
}

void FurAndColourMenusTest::armsGoOnlyWhereTheyMayBeInserted() {
    ProgramHarness h;
    QVERIFY(h.start());
    const std::string inner = (h.home.path() + QStringLiteral("/Armes.bls")).toStdString();
    QVERIFY(SaveDocument(h.ws(), h.program->r(), inner).saved);

    // No chief nor escutcheon: the piece's entry asks nothing and changes nothing.
    menuItem(h.window(), "insertArmsOnPieceAction")->trigger();
    QVERIFY(h.messages->files.empty() && !h.ws().Modified);

    h.edit([&] { h.ws().CurrentBlazon.Partition = 22; });
    h.messages->files = {QString::fromStdString(inner)};
    h.window().panel<CanvasMenus>().popup(2, QPoint());
    menuItem(h.window(), "insertArmsOnPartAction")->trigger();
    QCOMPARE(h.ws().CurrentBlazon.Parts[2].InsertedPath, inner);
    QVERIFY2(
        h.window().panel<BlazonPanel>().blazonLabel()->text().contains(QStringLiteral("Armes")),
        qPrintable(h.window().panel<BlazonPanel>().blazonLabel()->text()));
}

QTEST_MAIN(FurAndColourMenusTest)
#include "fur_and_colour_menus_test.moc"
