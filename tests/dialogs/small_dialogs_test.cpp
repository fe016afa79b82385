// The colour adjustment and the blazon language window, driven as a user would.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "dialogs/blazon_language_dialog.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "support/widget_events.h"

using namespace tess;

class SmallDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theArrowsStepTheColourWithinItsBounds();
    void okHandsTheColourOverAndAnnulerKeepsIt();
    void theLanguageWindowOnlyMarksItsChoices();
};

namespace {

void arrow(QScrollBar* bar, bool up) {
    bar->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                          : QAbstractSlider::SliderSingleStepAdd);
}

}  // namespace

void SmallDialogsTest::theArrowsStepTheColourWithinItsBounds() {
    ColourAdjustmentDialog dialog;
    ColourAdjustmentDialog::State state;
    auto* bar = child<QScrollBar>(dialog, "stepBar");
    const struct {
        Colour start;
        bool up;
        Colour after;
    } cases[] = {
        {0x00FFFF, true, 0x0100FF},                                // Or
        {0x00FFFF, false, 0x00FEFF}, {0xFFFFFF, true, 0xFFFFFF},   // Argent cannot go up
        {0xFFFFFF, false, 0xFFFEFF}, {0x000000, false, 0x000000},  // Sable cannot go down
    };
    for (const auto& c : cases) {
        dialog.open({QStringLiteral("Or"), c.start, c.start}, state, {});
        arrow(bar, c.up);
        QCOMPARE(dialog.workingColour(), c.after);
        QCOMPARE(bar->value(), 0);  // back in the middle for the next click
    }
    // Two clicks make two steps; the current colour stays on the left.
    dialog.open({QStringLiteral("Azur"), 0xFF0000, 0xFF0000}, state, {});
    arrow(bar, true);
    arrow(bar, true);
    QCOMPARE(dialog.workingColour(), Colour(0xFF0200));
    QCOMPARE(dialog.currentColour(), Colour(0xFF0000));
    QCOMPARE(child<QLabel>(dialog, "tinctureLabel")->text(), QStringLiteral("Azur"));
}

void SmallDialogsTest::okHandsTheColourOverAndAnnulerKeepsIt() {
    ColourAdjustmentDialog dialog;
    ColourAdjustmentDialog::State state;
    std::vector<std::optional<Colour>> answers;
    const auto done = [&](const std::optional<Colour>& c) { answers.push_back(c); };
    auto* bar = child<QScrollBar>(dialog, "stepBar");

    dialog.open({QStringLiteral("Gueules"), 0x0000C0, 0x0000FF}, state, done);
    // No caption: no frame of its own, and its bold dark-red title moves it.
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QLabel* title = child<QLabel>(dialog, "titleLabel");
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    const QPoint start = dialog.pos();
    sendMouse(title, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(title, QEvent::MouseMove, {30, 9}, Qt::NoButton, Qt::LeftButton);
    sendMouse(title, QEvent::MouseButtonRelease, {30, 9}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(dialog.pos(), start + QPoint(20, 4));
    QTest::mouseClick(child<QPushButton>(dialog, "resetButton"), Qt::LeftButton);
    QCOMPARE(dialog.workingColour(), Colour(0x0000FF));
    QTest::mouseClick(child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(answers, std::vector<std::optional<Colour>>{std::nullopt});

    // Opened again, it starts from the current colour.
    answers.clear();
    dialog.open({QStringLiteral("Gueules"), 0x0000C0, 0x0000FF}, state, done);
    QCOMPARE(dialog.workingColour(), Colour(0x0000C0));
    arrow(bar, false);
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    // A green of 0 cannot borrow from a blue of 0.
    QCOMPARE(answers, std::vector<std::optional<Colour>>{Colour(0x0000C0)});
}

void SmallDialogsTest::theLanguageWindowOnlyMarksItsChoices() {
    BlazonLanguageDialog window;
    QVERIFY(!window.isVisible());  // made hidden; nothing opens it
    window.show();
    auto red = [&](const char* name) {
        return child<QLabel>(window, name)->palette().color(QPalette::WindowText) ==
               QColor(0xFF, 0, 0);
    };
    QVERIFY(red("tradition0") && red("language0"));
    QTest::mouseClick(child<QLabel>(window, "tradition1"), Qt::LeftButton);
    QVERIFY(red("tradition1") && !red("tradition0") && !red("tradition2"));
    QVERIFY(red("language0"));
    QCOMPARE(window.chosenTradition(), 1);

    QWidget* flags = child<QWidget>(window, "languageFlags");
    const struct {
        int y;
        QString tip;
    } bands[] = {{2, QStringLiteral("Français")},
                 {19, QString()},
                 {21, QStringLiteral("Anglais")},
                 {54, QStringLiteral("Espagnol")},
                 {55, QString()}};
    for (const auto& b : bands) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, b.y), flags->mapToGlobal(QPointF(5, b.y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(flags, &move);
        QCOMPARE(flags->toolTip(), b.tip);
    }
    QTest::mouseClick(child<QPushButton>(window, "okButton"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(SmallDialogsTest)
#include "small_dialogs_test.moc"
