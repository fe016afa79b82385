// The texts a person reads while the program starts, and the six jokes of a
// charge thrown off the shield, word for word and in turn.
#include <QLabel>
#include <QTest>

#include "window_driver.h"

using namespace tess;

namespace {

// Keeps, in order, each text the label shows when it is painted.
class PaintedTexts : public QObject {
  public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList texts;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint &&
            (texts.isEmpty() || texts.back() != label_->text()))
            texts << label_->text();
        return false;
    }

  private:
    QLabel* label_;
};

}  // namespace

class StartUpTextsTest : public QObject {
    Q_OBJECT
  private slots:
    void theProgressLineShowsPatienceThenEachStep();
    void thrownChargesShowTheSixJokesInTurn();
};

void StartUpTextsTest::theProgressLineShowsPatienceThenEachStep() {
    ProgramHarness h;
    h.program->start();
    IntroWindow* intro = h.program->intro();
    QVERIFY(intro);
    // Hidden until the animation ends, it holds its stored caption.
    QCOMPARE(intro->progressLabel->text(), QStringLiteral("Patience"));
    PaintedTexts painted(intro->progressLabel);
    QVERIFY(QTest::qWaitFor(
        [&] { return h.program->mainWindow() && h.program->mainWindow()->isVisible(); }, 10000));
    QVERIFY2(painted.texts.size() == 4, qPrintable(painted.texts.join(" | ")));
    QCOMPARE(painted.texts, (QStringList{"Patience", "Chargement des dépendances graphiques",
                                         "Initialisation des caractéristiques du blason",
                                         "Affichage d'un blason"}));
}

void StartUpTextsTest::thrownChargesShowTheSixJokesInTurn() {
    ProgramHarness h;
    QVERIFY(h.start());
    WindowDriver d(h);
    const QString path = d.writePicture("a.bmp", 20, 20);
    const QStringList jokes = {
        "Comment pensez-vous meubler votre appartement si vous lancez tous vos meubles par la "
        "fenêtre?",
        "J'osais pas vous le dire, mais ce dessin était tout à fait ridicule.",
        "Avoir su, j'aurais inclu une petite poubelle laide à la MacIntosh!",
        "Pas de craintes, j'ai plein de petits octets de mémoire pour gérer vos incertitudes.",
        "Comme un enfant de 3 ans, dites 'Tata' à votre caca!",
        "Une chance que les côtés du blason ne sont pas d'affreuses lames tranchantes car nous "
        "aurions mangé du brin de meuble... "};
    // Seven throws: the six texts, then the first again.
    for (int throwNumber = 0; throwNumber < 7; ++throwNumber) {
        d.bringUp(path);
        QVERIFY(d.w().panel<HeldChargeTool>().state().isHolding());
        // Dragged past the canvas's right edge, then a click on the shield.
        d.dragHeld(QPoint(3, 3), 280, 0);
        QTest::mouseClick(&d.canvas(), Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!d.w().panel<HeldChargeTool>().state().isHolding());
        QCOMPARE(int(h.messages->boxes.size()), throwNumber + 1);
        const auto& box = h.messages->boxes.back();
        QCOMPARE(box.text, jokes[throwNumber % 6]);
        QCOMPARE(box.title, QStringLiteral("Meuble largué aux oubliettes"));
        QCOMPARE(box.style, kStyleExclamation);
    }
}

QTEST_MAIN(StartUpTextsTest)
#include "start_up_texts_test.moc"
