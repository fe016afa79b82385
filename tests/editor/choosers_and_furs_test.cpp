// The size choosers as the pieces shape them, the fur menu with every slot
// taken, and the warning sign's click.
#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "dialogs/fur_editor_dialog.h"
#include "editor/title_bar.h"
#include "window_test.h"

using namespace tess;

class ChoosersAndFursTest : public WindowTest {
    Q_OBJECT
  private slots:
    void theFirstOrderSizeChooserIsCutToThePiece();
    void theSecondOrderSizeChooserShowsForThePiecesThatTakeSizes();
    void withFourFursDefiningIsOfferedNoMoreAndDoesNothing();
    void aPressOnTheWarningSignReleasedOutsideShowsNothing();

  private:
    // A new fur defined from the fur palette's menu and stored with "Ok".
    void defineFur(const QString& name);
    QString tipAt(QWidget* w, QPoint at) {
        QTest::mouseMove(w, at);
        return w->toolTip();
    }
};

void ChoosersAndFursTest::theFirstOrderSizeChooserIsCutToThePiece() {
    PictureBox* chooser = d->w().panel<PieceOptions>().sizeChooser();
    QVERIFY(chooser->isHidden());
    const struct {
        const char* piece;
        int height;
    } pieces[] = {{"Pal", 63}, {"Chef", 39}, {"Écusson", 20}, {"Bordure", 63}};
    for (const auto& p : pieces) {
        d->choosePiece(QString::fromUtf8(p.piece));
        QVERIFY2(chooser->isVisible(), p.piece);
        QCOMPARE(chooser->height(), p.height);
    }
    // The Écusson's last row is the first of "Diminuée" and chooses it.
    d->choosePiece(QStringLiteral("Écusson"));
    QCOMPARE(tipAt(chooser, QPoint(5, 19)), QStringLiteral("Pièce Diminuée"));
    QTest::mouseClick(chooser, Qt::LeftButton, {}, QPoint(5, 19));
    QCOMPARE(d->ws().CurrentBlazon.Ordinary1.Size, Integer(1));
    QTest::mouseClick(chooser, Qt::LeftButton, {}, QPoint(5, 18));
    QCOMPARE(d->ws().CurrentBlazon.Ordinary1.Size, Integer(0));
    // The piece removed, the chooser goes.
    d->rightClickPart(kFirstOrderZone, QStringLiteral("deleteFirstOrderAction"));
    QVERIFY(chooser->isHidden());
}

void ChoosersAndFursTest::theSecondOrderSizeChooserShowsForThePiecesThatTakeSizes() {
    PictureBox* chooser = d->w().panel<PieceOptions>().secondOrderSizeChooser();
    QVERIFY(chooser->isHidden());
    const struct {
        const char* piece;
        bool shown;
    } pieces[] = {{"Adextre", false}, {"Pairle", true},  {"Canton", false},
                  {"Sautoir", true},  {"Pointe", false}, {"Croix", true}};
    for (const auto& p : pieces) {
        d->choosePiece(QString::fromUtf8(p.piece));
        QVERIFY2(chooser->isVisible() == p.shown, p.piece);
        QVERIFY2(d->w().panel<PieceOptions>().secondOrderCaption()->isVisible() == p.shown,
                 p.piece);
    }
    // Chosen from it, the size reaches the piece; removed, the chooser goes.
    QTest::mouseClick(chooser, Qt::LeftButton, {}, QPoint(5, 30));
    QVERIFY(d->ws().CurrentBlazon.Ordinary2.Size > 0);  // diminished, drawn at its width
    QVERIFY(menuItem(d->w(), "secondOrderDiminishedAction")->isChecked());
    d->rightClickPart(kSecondOrderZone, QStringLiteral("deleteSecondOrderAction"));
    QVERIFY(chooser->isHidden());
}

void ChoosersAndFursTest::defineFur(const QString& name) {
    h->messages->saveFiles = {h->home.filePath(name)};
    d->rightClick(d->w().panel<FurPalettePanel>().furPalette(), QPoint(5, 5),
                  QStringLiteral("defineUserFurAction"));
    auto& editor = d->w().dialogs().get<FurEditorDialog>();
    QVERIFY(editor.isVisible());
    d->pressButton(&editor, "okButton");
    QVERIFY(!editor.isVisible());
}

void ChoosersAndFursTest::withFourFursDefiningIsOfferedNoMoreAndDoesNothing() {
    const QStringList names = {"a.fmp", "b.fmp", "c.fmp", "d.fmp"};
    for (const QString& name : names) defineFur(name);
    auto& swatches = d->w().panel<FurPalettePanel>().userFurSwatches();
    for (int s = 0; s < 4; ++s) QVERIFY(swatches[std::size_t(s)]->isVisible());
    const auto m = [&](const char* name) { return menuItem(d->w(), name); };

    // A swatch's menu keeps the state the last palette press left: "Définir"
    // still shows enabled, and chosen it opens nothing and changes nothing.
    d->rightClick(swatches[2], QPoint(5, 5), QStringLiteral("defineUserFurAction"));
    QCOMPARE(d->w().panel<FurMenu>().FurSlotIndex(), Byte(2));
    QVERIFY(!d->w().dialogs().get<FurEditorDialog>().isVisible());
    for (int s = 0; s < 4; ++s)
        QCOMPARE(QString::fromStdString(d->ws().CurrentBlazon.UserFurs[std::size_t(s)].Path),
                 h->home.filePath(names[s]));

    // The palette's menu now offers it disabled.
    d->rightClick(d->w().panel<FurPalettePanel>().furPalette(), QPoint(5, 5));
    QVERIFY(!h->messages->popups.empty());
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("furMenu"));
    QVERIFY(!m("defineUserFurAction")->isEnabled());
    QCOMPARE(m("defineUserFurAction")->text(),
             QStringLiteral("Définir une &Fourrure personnalisée (semer)"));

    // Slot 1 emptied (no part wears it: nothing asked), the next palette menu
    // offers it again and it opens the editor on that slot.
    d->rightClick(swatches[1], QPoint(5, 5), QStringLiteral("deleteUserFurAction"));
    QVERIFY(swatches[1]->isHidden());
    QVERIFY(h->messages->boxes.empty());
    d->rightClick(d->w().panel<FurPalettePanel>().furPalette(), QPoint(5, 5),
                  QStringLiteral("defineUserFurAction"));
    QVERIFY(m("defineUserFurAction")->isEnabled());
    auto& editor = d->w().dialogs().get<FurEditorDialog>();
    QVERIFY(editor.isVisible());
    QCOMPARE(d->w().panel<FurMenu>().FurSlotIndex(), Byte(1));
    d->pressButton(&editor, "cancelButton");
    QVERIFY(swatches[1]->isHidden());
}

void ChoosersAndFursTest::aPressOnTheWarningSignReleasedOutsideShowsNothing() {
    // Two colours side by side break the rule of tinctures.
    d->ctrl(Qt::Key_2);  // Parti
    QVERIFY(WindowDriver::drop(&d->canvas(), makeTinctureDrag(kGueules), d->pointOfPart(2)));
    PictureBox* sign = d->w().panel<BlazonPanel>().warningSign();
    QVERIFY(sign->isVisible());
    const QString warnings = sign->toolTip();
    QVERIFY(!warnings.isEmpty());

    sign->setToolTip(QString());
    QTest::mousePress(sign, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(sign, Qt::LeftButton, {}, QPoint(sign->width() + 20, 5));
    QVERIFY(sign->toolTip().isEmpty());
    QVERIFY(!QToolTip::isVisible());

    // Released on it, the click shows the warnings.
    QTest::mouseClick(sign, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(sign->toolTip(), warnings);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), warnings);
    QToolTip::hideText();
}

QTEST_MAIN(ChoosersAndFursTest)
#include "choosers_and_furs_test.moc"
