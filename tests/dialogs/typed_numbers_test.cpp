// Every box that takes a typed number reads it by one rule: whether it is a
// number follows the user's number format, and its value is read with "." as
// the decimal point. The zoom of the print dialog, the row shift of the fur
// editor and the extra copies of the distribution dialog, each given the same
// texts under an English and a French number format.
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "dialogs/distribution_dialog.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/print_dialog.h"
#include "support/widget_events.h"
#include "widgets/typed_number.h"

using namespace tess;

namespace {

// The whole text put into the box at once, as a paste does, then the key let
// go: every box has read it by then, whichever of the two it listens to.
void typeWhole(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    box->insert(text);
    QTest::keyRelease(box, Qt::Key_End);
}

bool isRed(const QLineEdit* box) {
    return box->palette().color(QPalette::Text) == QColor(Qt::red);
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kFrench(QLocale::French, QLocale::France);

// What each box holds after the text, from its starting value: the zoom
// (85, 1..200), the row shift (25, 0..99) and the extra copies (0, 0..5); a
// box turns red on a number out of its range (the zoom never does).
struct Typed {
    const char* text;
    const QLocale& locale;
    int zoom;
    int shift;
    bool shiftRed;
    int copies;
    bool copiesRed;
};
const Typed kTyped[] = {
    {"", kEnglish, 85, 25, false, 0, false},
    {"-0.4", kEnglish, 85, 25, true, 0, true},
    {"99.6", kEnglish, 100, 25, true, 0, true},
    {"2,5", kEnglish, 85, 25, false, 0, false},
    {"2.5", kEnglish, 2, 2, false, 2, false},
    {"1e3", kEnglish, 85, 25, true, 0, true},
    {"abc", kEnglish, 85, 25, false, 0, false},
    {"", kFrench, 85, 25, false, 0, false},
    {"-0.4", kFrench, 85, 25, false, 0, false},
    {"99.6", kFrench, 85, 25, false, 0, false},
    {"2,5", kFrench, 2, 2, false, 2, false},
    {"2.5", kFrench, 85, 25, false, 0, false},
    {"1e3", kFrench, 85, 25, true, 0, true},
    {"abc", kFrench, 85, 25, false, 0, false},
    // The value stops at the comma: "-0,4" reads as 0, in range but for the zoom.
    {"-0,4", kFrench, 85, 0, false, 0, false},
    {"4,5", kFrench, 4, 4, false, 4, false},
    {"1,000", kEnglish, 1, 1, false, 1, false},
    {"inf", kEnglish, 85, 25, false, 0, false},
    // A leading plus sign is read as a number, as the minus sign is.
    {"+3", kFrench, 3, 3, false, 3, false},
};

}  // namespace

class TypedNumbersTest : public QObject {
    Q_OBJECT
  private slots:
    void theRuleItself();
    void eachBoxReadsByTheRule();
};

void TypedNumbersTest::theRuleItself() {
    const struct {
        const char* text;
        const QLocale& locale;
        bool number;
        double value;
    } cases[] = {{"", kEnglish, false, 0},       {"  ", kFrench, false, 0},
                 {"-0.4", kEnglish, true, -0.4}, {"-0.4", kFrench, false, 0},
                 {"2,5", kFrench, true, 2},      {"2,5", kEnglish, false, 0},
                 {"2.5", kEnglish, true, 2.5},   {"1e3", kFrench, true, 1000},
                 {" 12 ", kEnglish, true, 12},   {"1 000", kFrench, true, 1000},
                 {"1,000", kEnglish, true, 1},   {"abc", kEnglish, false, 0},
                 {"nan", kEnglish, false, 0},    {"1e400", kEnglish, false, 0},
                 {"+3", kEnglish, true, 3},      {"+2,5", kFrench, true, 2}};
    for (const auto& c : cases) {
        const std::optional<double> v = typedNumber(QString::fromUtf8(c.text), c.locale);
        QVERIFY2(v.has_value() == c.number, c.text);
        if (v) QCOMPARE(*v, c.value);
    }
    // The value alone: what the text starts with, "." as the decimal point.
    QCOMPARE(leadingValue(QStringLiteral("3abc")), 3.0);
    QCOMPARE(leadingValue(QStringLiteral(" -12.5e1x")), -125.0);
    QCOMPARE(leadingValue(QStringLiteral("1e")), 1.0);
    QCOMPARE(leadingValue(QStringLiteral("-.")), 0.0);
    QCOMPARE(leadingValue(QStringLiteral("1d2")), 100.0);
    QCOMPARE(leadingValue(QString(5000, QLatin1Char('9'))), 0.0);  // past any double
}

void TypedNumbersTest::eachBoxReadsByTheRule() {
    PrintDialogState printState;
    PrintDialog print;
    PrintDialog::Input input;
    input.canvas = Surface(265, 340, kWhite);
    input.shapeMask = Surface(265, 340, kWhite);
    print.open(std::move(input), printState, [](const std::optional<PageOptions>&) {});
    QLineEdit* zoomText = child<QLineEdit>(print, "zoomText");
    QScrollBar* zoom = child<QScrollBar>(print, "zoomScroll");

    FurEditorDialog fur;
    fur.show();
    QLineEdit* shiftText = child<QLineEdit>(fur, "rowShiftText");

    DistributionMemory memory;
    ChargeDistributionDialog distribution(nullptr);
    distribution.open({.canvas = Surface(265, 340, kWhite),
                       .mask = Surface(10, 10, kBlack),
                       .picture = Surface(10, 10, kWhite),
                       .width = 10,
                       .height = 10},
                      memory, [](const std::optional<MotifLayout>&) {});
    QLineEdit* copiesText = child<QLineEdit>(distribution, "extraCopiesText");
    QScrollBar* copies = child<QScrollBar>(distribution, "extraCopiesSpin");

    for (const Typed& t : kTyped) {
        const QString text = QString::fromUtf8(t.text);
        const QByteArray what = QByteArray(t.text) + " / " + t.locale.name().toLatin1();
        // Each box from its starting value, typed in black.
        for (QWidget* dialog : {static_cast<QWidget*>(&print), static_cast<QWidget*>(&fur),
                                static_cast<QWidget*>(&distribution)})
            dialog->setLocale(t.locale);
        typeWhole(zoomText, QStringLiteral("85"));
        typeWhole(shiftText, QStringLiteral("25"));
        typeWhole(copiesText, QStringLiteral("0"));
        QVERIFY(-zoom->value() == 85 && fur.rowShift() == 25 && copies->value() == 0);
        QVERIFY(!isRed(shiftText) && !isRed(copiesText));

        typeWhole(zoomText, text);
        QVERIFY2(-zoom->value() == t.zoom, what.constData());
        typeWhole(shiftText, text);
        QVERIFY2(fur.rowShift() == t.shift, what.constData());
        QVERIFY2(isRed(shiftText) == t.shiftRed, what.constData());
        typeWhole(copiesText, text);
        QVERIFY2(-copies->value() == t.copies, what.constData());
        QVERIFY2(isRed(copiesText) == t.copiesRed, what.constData());
    }
}

QTEST_MAIN(TypedNumbersTest)
#include "typed_numbers_test.moc"
