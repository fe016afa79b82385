// The Ctrl letters pressed as keys on the shield canvas: open, new, save,
// quit, redraw, paste and help each run the window's own command.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>

#include "editor/title_bar.h"
#include "model/document.h"
#include "widgets/help_opener.h"
#include "window_test.h"

using namespace tess;

class CanvasKeysTest : public WindowTest {
    Q_OBJECT
  private slots:
    void ctrlSSavesAskingForANameOnlyTheFirstTime();
    void ctrlOOpensAfterTheFileIsChosen();
    void ctrlNAsksThenStartsABlankShield();
    void ctrlRDrawsWhatTheDocumentHolds();
    void ctrlVPastesOnlyOurOwnCopy();
    void ctrlAOpensTheLastHelpAskedFor();
    void ctrlQAsksBeforeQuittingAndNonStays();

  private:
    void started() override { d->recordHelp(); }
    QString path(const char* name) { return h->home.filePath(QString::fromUtf8(name)); }
    void markChange() {
        // A tincture dropped on the field: a change that marks the title.
        QVERIFY(WindowDriver::drop(&d->canvas(), makeTinctureDrag(kGueules), d->pointOfPart(1)));
        QVERIFY(d->title().endsWith(u'*'));
    }
};

void CanvasKeysTest::ctrlSSavesAskingForANameOnlyTheFirstTime() {
    markChange();
    h->messages->saveFiles = {path("armes")};
    d->ctrl(Qt::Key_S);
    QCOMPARE(int(h->messages->saveDialogs.size()), 1);
    QCOMPARE(h->messages->saveDialogs[0].title, QStringLiteral("Sauvegarder le blason"));
    QCOMPARE(d->title(), QStringLiteral("Tessaline [armes.bls]"));
    QVERIFY(QFile::exists(path("armes.bls")));

    // Saved once, the same key writes over it without asking.
    markChange();
    d->ctrl(Qt::Key_S);
    QCOMPARE(int(h->messages->saveDialogs.size()), 1);
    QCOMPARE(d->title(), QStringLiteral("Tessaline [armes.bls]"));
    // Without Ctrl the letter does nothing.
    markChange();
    QTest::keyClick(&d->canvas(), Qt::Key_S);
    QVERIFY(d->title().endsWith(u'*'));
}

void CanvasKeysTest::ctrlOOpensAfterTheFileIsChosen() {
    h->messages->saveFiles = {path("ouvert")};
    menuItem(d->w(), "saveAsAction")->trigger();
    const BlazonRecord saved = d->ws().CurrentBlazon;
    menuItem(d->w(), "newAction")->trigger();
    markChange();

    // The dialog first, then the question; "Non" keeps everything.
    h->messages->files = {path("ouvert.bls")};
    d->ctrl(Qt::Key_O);
    QCOMPARE(int(h->messages->openDialogs.size()), 1);
    QCOMPARE(h->messages->openDialogs.back().title, QStringLiteral("Ouvrir un blason"));
    QCOMPARE(int(h->messages->questions.size()), 1);
    QVERIFY(h->messages->questions[0].text.contains(
        QStringLiteral("Êtes-vous sûr de vouloir débuter un autre blason sans sauvegarder ")));
    QCOMPARE(d->title(), QStringLiteral("Tessaline*"));

    h->messages->files = {path("ouvert.bls")};
    h->messages->questionAnswers = {true};
    d->ctrl(Qt::Key_O);
    QCOMPARE(d->title(), QStringLiteral("Tessaline [ouvert.bls]"));
    QCOMPARE(d->ws().CurrentBlazon, saved);
}

void CanvasKeysTest::ctrlNAsksThenStartsABlankShield() {
    markChange();
    d->ctrl(Qt::Key_N);
    QCOMPARE(int(h->messages->questions.size()), 1);
    QVERIFY(h->messages->questions[0].text.contains(
        QStringLiteral("Êtes-vous sûr de vouloir débuter un nouveau blason sans sauvegarder ")));
    QCOMPARE(d->ws().CurrentBlazon.Parts[1].Tincture, kGueules);

    h->messages->questionAnswers = {true};
    d->ctrl(Qt::Key_N);
    QCOMPARE(d->title(), QStringLiteral("Tessaline"));
    QCOMPARE(d->ws().CurrentBlazon.Parts[1].Tincture, kAzur);
    QCOMPARE(d->w().panel<BlazonPanel>().blazonLabel()->text(), QStringLiteral("D'Azur."));
}

void CanvasKeysTest::ctrlRDrawsWhatTheDocumentHolds() {
    const auto undos = d->ws().Undos;
    // Changed behind the window's back: the canvas does not show it yet.
    d->ws().CurrentBlazon.Parts[1].Tincture = kSable;
    d->ws().CurrentBlazon.Parts[1].Kind = kClassColour;
    QCOMPARE(d->shown(132, 170), 0x0000FFu);
    d->ctrl(Qt::Key_R);
    QCOMPARE(d->shown(132, 170), 0u);
    QCOMPARE(d->w().panel<BlazonPanel>().blazonLabel()->text(), QStringLiteral("De Sable."));
    // Only a redraw: no step, no mark.
    QVERIFY(d->ws().Undos == undos);
    QCOMPARE(d->title(), QStringLiteral("Tessaline"));
}

void CanvasKeysTest::ctrlVPastesOnlyOurOwnCopy() {
    const int n = d->place(d->writePicture("a.bmp", 20, 16), QPoint(100, 100));
    // Another program's text pastes nothing, whatever it holds.
    const BlazonRecord before = d->ws().CurrentBlazon;
    for (const QString& text : {QString(), QStringLiteral("3"), QStringLiteral("999"),
                                QStringLiteral("abc"), QString(100000, u'7')}) {
        QApplication::clipboard()->setText(text);
        d->ctrl(Qt::Key_V);
        QVERIFY2(!d->w().panel<HeldChargeTool>().state().isHolding(), qPrintable(text.left(10)));
        QCOMPARE(d->ws().CurrentBlazon, before);
    }

    QVERIFY(d->pickUp(n));
    d->rightClickHeld(QStringLiteral("copyChargeAction"));
    QTest::keyClick(&d->held(), Qt::Key_Return);
    d->ctrl(Qt::Key_V);
    QVERIFY(d->w().panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(2, 2, 20, 16));
    QVERIFY(d->ws().SelectedCharge != n);
    QCOMPARE(d->charge(n).InUse, kTrue);
}

void CanvasKeysTest::ctrlAOpensTheLastHelpAskedFor() {
    d->ctrl(Qt::Key_A);
    QCOMPARE(d->helpOpened.size(), 1);
    QCOMPARE(d->helpOpened[0].fragment(), QStringLiteral("contenu"));
    // A dialog's help asked for, the key asks for it again.
    d->w().help().open(HelpContext::LineStyles);
    d->ctrl(Qt::Key_A);
    QCOMPARE(d->helpOpened.size(), 3);
    QCOMPARE(d->helpOpened[2].fragment(), QStringLiteral("styles-de-ligne"));
}

void CanvasKeysTest::ctrlQAsksBeforeQuittingAndNonStays() {
    markChange();
    d->ctrl(Qt::Key_Q);
    QCOMPARE(int(h->messages->questions.size()), 1);
    QVERIFY(h->messages->questions[0].text.contains(
        QStringLiteral("Êtes-vous sûr de vouloir quitter sans sauvegarder ")));
    QCOMPARE(h->programEnded, 0);
    QVERIFY(d->w().isVisible());

    // A run of its own, nothing unsaved: the key quits without asking.
    {
        ProgramHarness other;
        QVERIFY(other.start());
        other.window().panel<CanvasPanel>().canvas()->setFocus();
        QTest::keyClick(other.window().panel<CanvasPanel>().canvas(), Qt::Key_Q,
                        Qt::ControlModifier);
        QVERIFY(other.messages->questions.empty());
        QCOMPARE(other.programEnded, 1);
    }
    d->takeHomeBack();
}

QTEST_MAIN(CanvasKeysTest)
#include "canvas_keys_test.moc"
