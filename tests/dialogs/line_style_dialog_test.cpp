// The line-style window driven through its own controls.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "dialogs/line_style_dialog.h"
#include "model/line_kinds.h"
#include "support/widget_events.h"

using namespace tess;

namespace {

LineStyle lineOf(int kind, int width, int depth) {
    return LineStyle{.Depth = Integer(depth), .Width = Integer(width), .LineKind = kind};
}

}  // namespace

class LineStyleDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        dialog = std::make_unique<LineStyleDialog>();
        applied.clear();
        answers.clear();
        dialog->onApply = [this](const LineStyle& s) { applied.push_back(s); };
    }
    void cleanup() { dialog.reset(); }

    void capsAndClampsOnOpening_data();
    void capsAndClampsOnOpening();
    void applyStaysOpenAndCancelKeepsWhatWasApplied();
    void diagonalLinesOfferNeitherNebuleNorEngrele();
    void aShallowDepthIsStoredAtTheSampleLeast();

  private:
    template <class T>
    T* child(const char* name, const std::source_location& at = std::source_location::current()) {
        return ::child<T>(*dialog, name, at);
    }
    QString text(const char* name) { return child<QLabel>(name)->text(); }

    // Opens the window as the editor does, keeping every answer it gives.
    void open(const LineStyle& style, bool diagonal, int pieceWidth) {
        LineStyleDialog::State state;
        dialog->open({style, diagonal, pieceWidth}, state,
                     [this](const std::optional<LineStyle>& a) { answers.push_back(a); });
    }

    std::unique_ptr<LineStyleDialog> dialog;
    std::vector<LineStyle> applied;
    std::vector<std::optional<LineStyle>> answers;
};

void LineStyleDialogTest::capsAndClampsOnOpening_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("pieceWidth");
    QTest::addColumn<QString>("widthCaption");
    QTest::addColumn<QString>("depthCaption");
    QTest::addColumn<int>("storedWidth");
    QTest::addColumn<int>("storedDepth");
    QTest::addColumn<bool>("bars");
    // A shallow nébulé cannot be wider than 64.
    QTest::newRow("nébulé 80 x 10") << kLineNebule << 80 << 10 << 0 << "Largeur: 32"
                                    << "Profondeur: 10" << 64 << 10 << true;
    QTest::newRow("deep nébulé") << kLineNebule << 80 << 12 << 0 << "Largeur: 40"
                                 << "Profondeur: 12" << 80 << 12 << true;
    // Values a damaged document holds come into the bars' ranges.
    QTest::newRow("depth 200") << kLineDentele << 48 << 200 << 0 << "Largeur: 24"
                               << "Profondeur: 50" << 48 << 50 << true;
    QTest::newRow("width 0, kind 3") << 3 << 0 << 24 << 0 << "Largeur: 5"
                                     << "Profondeur: 24" << 10 << 24 << false;
    // A narrowed piece of 29 pixels keeps its line 27 deep at most.
    QTest::newRow("narrow piece") << kLineCrenele << 48 << 30 << 29 << "Largeur: 24"
                                  << "Profondeur: 27" << 48 << 27 << true;
    QTest::newRow("very narrow piece") << kLineCrenele << 48 << 30 << 4 << "Largeur: 24"
                                       << "Profondeur: 5" << 48 << 10 << true;
}

void LineStyleDialogTest::capsAndClampsOnOpening() {
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(int, depth);
    QFETCH(int, pieceWidth);
    open(lineOf(kind, width, depth), false, pieceWidth);
    QFETCH(bool, bars);
    QCOMPARE(child<QScrollBar>("widthBar")->isEnabled(), bars);
    QCOMPARE(child<QLabel>("depthCaption")->isVisible(), bars);
    QTEST(text("widthCaption"), "widthCaption");
    QTEST(text("depthCaption"), "depthCaption");
    QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(answers.size(), std::size_t(1));
    QVERIFY(answers[0]);
    QTEST(int(answers[0]->Width), "storedWidth");
    QTEST(int(answers[0]->Depth), "storedDepth");
}

void LineStyleDialogTest::applyStaysOpenAndCancelKeepsWhatWasApplied() {
    open(lineOf(kLinePlain, 48, 24), false, 0);
    auto* apply = child<QPushButton>("applyButton");
    auto* cancel = child<QPushButton>("cancelButton");
    QTest::mouseClick(child<QLabel>("kindLabel15"), Qt::LeftButton);
    child<QScrollBar>("widthBar")->setValue(60);
    QCOMPARE(text("widthCaption"), QStringLiteral("Largeur: 30"));
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(applied.size(), std::size_t(1));
    QCOMPARE(applied[0], lineOf(kLineBretesse, 60, 24));
    QVERIFY(!apply->isEnabled() && !cancel->isEnabled());
    // Nothing new to cancel: Escape leaves the window up.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    child<QScrollBar>("depthBar")->setValue(30);
    QVERIFY(apply->isEnabled() && cancel->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(answers, (std::vector<std::optional<LineStyle>>{std::nullopt}));
    QCOMPARE(applied.size(), std::size_t(1));
}

void LineStyleDialogTest::diagonalLinesOfferNeitherNebuleNorEngrele() {
    open(lineOf(kLineDentele, 48, 24), true, 0);
    QVERIFY(!child<QLabel>("kindLabel12")->isEnabled());
    QVERIFY(!child<QLabel>("kindLabel14")->isEnabled());
    // Drawn greyed too: their darkest ink is lighter than an offered kind's black.
    auto darkest = [this](const char* name) {
        const QImage drawn = child<QLabel>(name)->grab().toImage();
        int least = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                least = std::min(least, qGray(drawn.pixel(x, y)));
        return least;
    };
    QVERIFY(darkest("kindLabel13") < 64);
    QVERIFY(darkest("kindLabel12") > 96 && darkest("kindLabel14") > 96);
    QTest::mouseClick(child<QLabel>("kindLabel12"), Qt::LeftButton);
    QCOMPARE(int(dialog->style().LineKind), kLineDentele);
    QCOMPARE(child<QLabel>("kindLabel11")->palette().color(QPalette::WindowText), QColor(Qt::red));
    const int markerTop = child<QLabel>("kindMarker")->y();
    QTest::mouseDClick(child<QLabel>("kindLabel17"), Qt::LeftButton);
    QCOMPARE(answers.size(), std::size_t(1));
    QCOMPARE(int(answers[0]->LineKind), kLineBastille);
    QVERIFY(child<QLabel>("kindMarker")->y() > markerTop);
    QCOMPARE(child<QLabel>("kindLabel11")->palette().color(QPalette::WindowText),
             QColor(Qt::black));

    // The same window opened for a straight line offers every kind again.
    dialog->start({lineOf(kLineDentele, 48, 24), false, 0});
    QVERIFY(child<QLabel>("kindLabel12")->isEnabled());
}

void LineStyleDialogTest::aShallowDepthIsStoredAtTheSampleLeast() {
    open(lineOf(kLineDentele, 48, 24), false, 0);
    child<QScrollBar>("depthBar")->setValue(7);
    QCOMPARE(text("depthCaption"), QStringLiteral("Profondeur: 7"));
    QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
    QCOMPARE(int(answers.at(0)->Depth), 10);
}

QTEST_MAIN(LineStyleDialogTest)
#include "line_style_dialog_test.moc"
