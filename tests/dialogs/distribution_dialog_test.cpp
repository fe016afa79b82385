// The charge distribution dialog driven through its own widgets.
#include <QApplication>
#include <QLabel>
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
    void eachOpeningStartsAfreshButTheFrameStaysHidden();
    void okHandsOverTheComputedArrangement();
    void theBoldDarkRedTitleMovesTheDialog();

  private:
    void open() {
        dialog->open(subject(), memory, [this](const std::optional<MotifLayout>& l) {
            ++answers;
            handed = l;
        });
    }
    int count() const { return -spin->value(); }

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

// Typed in turn: a number in 0..5 sets the count (read with "." as the
// decimal point) and turns black, one outside turns red, anything else
// changes nothing at all.
void DistributionDialogTest::extraCopiesTextIsCheckedAsTyped() {
    const QLocale french(QLocale::French, QLocale::France);
    const struct {
        QLocale locale;
        const char* typed;
        int count;
        Qt::GlobalColor colour;
    } steps[] = {{QLocale::c(), "3", 3, Qt::black}, {QLocale::c(), "7", 3, Qt::red},
                 {QLocale::c(), "-1", 3, Qt::red},  {QLocale::c(), "", 3, Qt::red},
                 {QLocale::c(), "abc", 3, Qt::red}, {QLocale::c(), "2.5", 2, Qt::black},
                 {french, "4", 4, Qt::black},       {french, "2,5", 2, Qt::black},
                 {french, "7", 2, Qt::red},         {french, "2.5", 2, Qt::red}};
    for (const auto& step : steps) {
        dialog->setLocale(step.locale);
        text->setText(QString::fromLatin1(step.typed));
        QCOMPARE(count(), step.count);
        QCOMPARE(text->palette().color(QPalette::Text), QColor(step.colour));
    }
    QCOMPARE(dialog->layout().ExtraPerBranch, Byte(2));
    // The spin's upper arrow raises the count and rewrites the text.
    spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(text->text(), QStringLiteral("3"));
}

void DistributionDialogTest::eachOpeningStartsAfreshButTheFrameStaysHidden() {
    // The grid takes the cell the pointer named last; before any, none.
    mouse(grid, QEvent::MouseButtonRelease, {10, 130});
    QCOMPARE(dialog->layout().Pattern, MotifPattern::Pal);
    mouse(grid, QEvent::MouseMove, {61, 40}, false);
    QCOMPARE(grid->toolTip(), QStringLiteral("En Barre"));
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

void DistributionDialogTest::theBoldDarkRedTitleMovesTheDialog() {
    auto* title = dialog->findChild<QLabel*>(QStringLiteral("titleLabel"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Répartition des meubles"));
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    const QPoint start = dialog->pos();
    mouse(title, QEvent::MouseButtonPress, {10, 5});
    mouse(title, QEvent::MouseMove, {40, 12});
    QCOMPARE(dialog->pos(), start + QPoint(30, 7));
}

QTEST_MAIN(DistributionDialogTest)
#include "distribution_dialog_test.moc"
