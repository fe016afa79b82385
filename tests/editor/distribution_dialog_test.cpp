// The charge distribution dialog driven through its own widgets.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <optional>

#include "dialogs/distribution_dialog.h"

using namespace tess;

namespace {

constexpr Colour kFigureRed = 0x0000FF;

// A plain white shield and a solid red 10 x 10 charge.
DistributionSubject subject() {
    return {.canvas = Surface(265, 340, kWhite),
            .mask = Surface(10, 10, kBlack),
            .picture = Surface(10, 10, kFigureRed),
            .width = 10,
            .height = 10};
}

void mouse(QWidget* w, QEvent::Type type, QPointF at, bool held = true) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        (held && type != QEvent::MouseButtonRelease) ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
void drag(QWidget* w, QPointF from, QPointF to) {
    mouse(w, QEvent::MouseMove, from, false);
    mouse(w, QEvent::MouseButtonPress, from);
    mouse(w, QEvent::MouseMove, to);
    mouse(w, QEvent::MouseButtonRelease, to);
}

}  // namespace

class DistributionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        memory = {};
        answers = 0;
        handed.reset();
        dialog = std::make_unique<ChargeDistributionDialog>(nullptr);
        open();
        preview = dialog->findChild<QWidget*>(QStringLiteral("preview"));
        grid = dialog->findChild<QWidget*>(QStringLiteral("patternGrid"));
        text = dialog->findChild<QLineEdit*>(QStringLiteral("extraCopiesText"));
        spin = dialog->findChild<QScrollBar*>(QStringLiteral("extraCopiesSpin"));
        QVERIFY(preview && grid && text && spin);
    }
    void cleanup() { dialog.reset(); }

    void movingTheFrameMovesTheAreaTwiceAsFar();
    void resizingKeepsTheTopLeftCorner();
    void extraCopiesTextIsCheckedAsTyped();
    void patternGridTakesTheCellNamedLast();
    void eachOpeningStartsAfreshButTheFrameStaysHidden();
    void okHandsOverTheComputedArrangement();

  private:
    void open() {
        dialog->open(subject(), memory, [this](const std::optional<MotifLayout>& l) {
            ++answers;
            handed = l;
        });
    }
    int count() const { return -spin->value(); }
    QColor textColour() const { return text->palette().color(QPalette::Text); }

    DistributionMemory memory;
    int answers = 0;
    std::optional<MotifLayout> handed;
    std::unique_ptr<ChargeDistributionDialog> dialog;
    QWidget* preview = nullptr;
    QWidget* grid = nullptr;
    QLineEdit* text = nullptr;
    QScrollBar* spin = nullptr;
};

void DistributionDialogTest::movingTheFrameMovesTheAreaTwiceAsFar() {
    QCOMPARE(dialog->areaFrame(), QRectF(33, 52, 66, 66));
    drag(preview, {60, 80}, {70, 80});
    QCOMPARE(dialog->layout().CopyX[0], Integer(152));
    QCOMPARE(dialog->layout().CopyY[0], Integer(170));
    QCOMPARE(dialog->areaFrame(), QRectF(43, 52, 66, 66));
    // Past the preview's edge: allowed, the arrangement follows.
    drag(preview, {50, 80}, {-150, 80});
    QCOMPARE(dialog->layout().CopyX[0], Integer(-248));
}

void DistributionDialogTest::resizingKeepsTheTopLeftCorner() {
    // The handle's outer part (x 99..102) shows the sizing pointer, its inner
    // part starts a move.
    mouse(preview, QEvent::MouseMove, {100, 117}, false);
    QCOMPARE(preview->cursor().shape(), Qt::SizeFDiagCursor);
    mouse(preview, QEvent::MouseMove, {96, 117}, false);
    QCOMPARE(preview->cursor().shape(), Qt::ArrowCursor);
    drag(preview, {100, 117}, {33 + 40, 200});
    QCOMPARE(dialog->layout().AreaSize, Integer(80));
    QCOMPARE(dialog->areaFrame(), QRectF(33, 52, 40, 40));
    QCOMPARE(dialog->layout().CopyX[0], Integer(106));
    QCOMPARE(dialog->layout().CopyY[0], Integer(144));
    // Down to five pixels nothing happens.
    drag(preview, {74, 93}, {33 + 5, 93});
    QCOMPARE(dialog->layout().AreaSize, Integer(80));
}

void DistributionDialogTest::extraCopiesTextIsCheckedAsTyped() {
    text->setText(QStringLiteral("3"));
    QCOMPARE(count(), 3);
    QCOMPARE(textColour(), QColor(Qt::black));
    QCOMPARE(dialog->layout().ExtraPerBranch, Byte(3));
    for (const char* outside : {"7", "-1"}) {
        text->setText(QString::fromLatin1(outside));
        QCOMPARE(textColour(), QColor(Qt::red));
        QCOMPARE(count(), 3);
    }
    text->setText(QStringLiteral("2"));
    for (const char* odd : {"", "abc"}) {
        text->setText(QStringLiteral("7"));
        text->setText(QString::fromLatin1(odd));
        QCOMPARE(textColour(), QColor(Qt::red));  // not even the colour changes
        QCOMPARE(count(), 2);
    }
    // French numbers: "2,5" is a number and reads as 2; "2.5" is none.
    dialog->setLocale(QLocale(QLocale::French, QLocale::France));
    text->setText(QStringLiteral("4"));
    text->setText(QStringLiteral("2,5"));
    QCOMPARE(count(), 2);
    text->setText(QStringLiteral("2.5"));
    QCOMPARE(count(), 2);
    QCOMPARE(text->text(), QStringLiteral("2.5"));
    // Where "." is the decimal point, 2.5 rounds to the even 2.
    dialog->setLocale(QLocale::c());
    text->setText(QStringLiteral("5"));
    text->setText(QStringLiteral("2.5"));
    QCOMPARE(count(), 2);
    // Typed keys go the same road; the spin's upper end is 5.
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("1"));
    QCOMPARE(count(), 1);
    spin->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
    QCOMPARE(text->text(), QStringLiteral("2"));
}

void DistributionDialogTest::patternGridTakesTheCellNamedLast() {
    // Nothing named yet: the pattern stays.
    mouse(grid, QEvent::MouseButtonRelease, {70, 125});
    QCOMPARE(dialog->layout().Pattern, MotifPattern::Pal);
    const struct {
        QPoint at;
        const char* name;
        MotifPattern pattern;
    } cells[] = {{{60, 39}, "En Pal", MotifPattern::Pal},
                 {{61, 40}, "En Barre", MotifPattern::Barre},
                 {{70, 125}, "En Sautoir", MotifPattern::Sautoir},
                 {{10, 200}, "En Carré", MotifPattern::Carre}};
    for (const auto& c : cells) {
        mouse(grid, QEvent::MouseMove, c.at, false);
        QCOMPARE(grid->toolTip(), QString::fromUtf8(c.name));
        mouse(grid, QEvent::MouseButtonPress, c.at);
        mouse(grid, QEvent::MouseButtonRelease, c.at);
        QCOMPARE(dialog->layout().Pattern, c.pattern);
    }
    QCOMPARE(dialog->layout().KeyCount, Byte(4));
}

void DistributionDialogTest::eachOpeningStartsAfreshButTheFrameStaysHidden() {
    mouse(grid, QEvent::MouseMove, {10, 130}, false);
    mouse(grid, QEvent::MouseButtonRelease, {10, 130});
    text->setText(QStringLiteral("3"));
    drag(preview, {60, 80}, {70, 90});
    QCOMPARE(dialog->layout().Pattern, MotifPattern::Croix);
    // A press outside the frame hides it; the preview still shows the copies.
    mouse(preview, QEvent::MouseButtonPress, {5, 5});
    mouse(preview, QEvent::MouseButtonRelease, {5, 5});
    QVERIFY(!memory.frameVisible);
    QCOMPARE(dialog->previewPicture().pixel(152 / 2, 190 / 2), kFigureRed);

    dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(answers, 1);
    QVERIFY(!handed);
    open();
    QCOMPARE(dialog->layout().Pattern, MotifPattern::Pal);
    QCOMPARE(dialog->layout().ExtraPerBranch, Byte(0));
    QCOMPARE(text->text(), QStringLiteral("0"));
    QCOMPARE(dialog->areaFrame(), QRectF(33, 52, 66, 66));
    QVERIFY(!memory.frameVisible);
    // A press where the frame is shows it again and starts a move.
    drag(preview, {60, 80}, {61, 80});
    QVERIFY(memory.frameVisible);
    QCOMPARE(dialog->layout().CopyX[0], Integer(134));
}

void DistributionDialogTest::okHandsOverTheComputedArrangement() {
    text->setText(QStringLiteral("3"));
    // Three extra copies of the pale on the preview, at half scale.
    for (int y : {104, 137, 170, 203, 236})
        QCOMPARE(dialog->previewPicture().pixel(66, y / 2 + 1), kFigureRed);
    int helpContext = 0;
    dialog->onHelp = [&](int context) { helpContext = context; };
    dialog->findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
    QCOMPARE(helpContext, 12);
    dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(answers, 1);
    QVERIFY(handed);
    QCOMPARE(handed->KeyCount, Byte(2));
    QCOMPARE(handed->KeyY[2], Integer(236));
    QCOMPARE(handed->CopyY[3], Integer(203));
}

QTEST_MAIN(DistributionDialogTest)
#include "distribution_dialog_test.moc"
