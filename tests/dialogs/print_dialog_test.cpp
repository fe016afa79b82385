// The print and export dialog driven by its children, without the main window.
#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <optional>

#include "dialogs/print_dialog.h"
#include "dialogs/qt_french_texts.h"
#include "platform/qimage_bridge.h"
#include "support/scripted_messages.h"
#include "support/widget_events.h"
#include "tests/support/temporary_folder.h"

using namespace tess;

namespace {

constexpr Colour kRed = 0x0000FFu;

// A red canvas whose shield covers all but a 10-pixel band on the left and 40
// rows at the bottom.
PrintDialog::Input subjectFor(PageCommand command, std::string printer = {}) {
    PrintDialog::Input s;
    s.command = command;
    s.canvas = Surface(265, 340, kRed);
    s.canvas.clear();
    s.shapeMask = Surface(265, 340, kBlack);
    s.shapeMask.clear();
    s.shapeMask.fillRect(10, 0, 265, 300, Brush::solid(kWhite));
    s.printerName = std::move(printer);
    return s;
}

void press(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
void hover(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QRgb previewPixel(QWidget& dialog, int x, int y) {
    return child<QLabel>(dialog, "pagePreview")->pixmap().toImage().pixel(x, y);
}

// A dialog with what it was asked and what it handed on, opened as the
// window opens it; `reopen` opens the same dialog again.
struct Opened {
    Opened(PageCommand command, PrintDialogState& state, std::string printer = {}) : state(state) {
        reopen(command, std::move(printer));
    }
    void reopen(PageCommand command, std::string printer = {}) {
        PrintDialog::Input input = subjectFor(command, std::move(printer));
        input.messages = &messages;
        input.act = [this](const PageOptions& o) {
            acted.push_back(o);
            return actDone;
        };
        input.help = [this](int topic) { helpTopics.push_back(topic); };
        dialog.open(std::move(input), state,
                    [this](const std::optional<PageOptions>& o) { done.push_back(o); });
    }
    PrintDialogState& state;
    ScriptedMessages messages;
    std::vector<PageOptions> acted;
    std::vector<std::optional<PageOptions>> done;
    bool actDone = true;
    std::vector<int> helpTopics;
    PrintDialog dialog;
};

}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
    // Qt's file dialog, opened below, writes its state there.
    tess::testing::QtUserSettingsFolder qtSettings;

  private slots:
    void opensAsItsCommandSays() {
        PrintDialogState memory;
        Opened exporting(PageCommand::Export, memory);
        QCOMPARE(child<QLabel>(exporting.dialog, "titleLabel")->text(), QString("Exporter"));
        QCOMPARE(child<QPushButton>(exporting.dialog, "actionButton")->text(), QString("Exporter"));
        QVERIFY(child<QPushButton>(exporting.dialog, "actionButton")->isEnabled());
        QVERIFY(!child<QWidget>(exporting.dialog, "colourChoice")->isVisible());
        QCOMPARE(exporting.dialog.zoom(), 85);
        QCOMPARE(child<QLineEdit>(exporting.dialog, "zoomText")->text(), QString("85"));

        Opened printing(PageCommand::Print, memory);
        QCOMPARE(child<QLabel>(printing.dialog, "titleLabel")->text(),
                 QString("Imprimer sur (aucune imprimante)"));
        QVERIFY(child<QWidget>(printing.dialog, "colourChoice")->isVisible());
        Opened named(PageCommand::Print, memory, "Bureau");
        QCOMPARE(child<QLabel>(named.dialog, "titleLabel")->text(), QString("Imprimer sur Bureau"));
        QVERIFY(child<QLabel>(named.dialog, "titleLabel")->toolTip().isEmpty());
        // The two small labels keep their boxes; a name too long for the
        // title's one line is cut short inside it, and shows whole as its tooltip.
        const QString name = "Imprimante laser couleur du deuxième étage, salle des archives";
        Opened longName(PageCommand::Print, memory, name.toStdString());
        QLabel* title = child<QLabel>(longName.dialog, "titleLabel");
        QCOMPARE(title->geometry(), QRect(19, 3, 209, 14));
        QCOMPARE(child<QLabel>(longName.dialog, "zoomCaption")->geometry(), QRect(129, 43, 42, 29));
        QVERIFY(title->text().startsWith("Imprimer sur Imprimante"));
        const QRect needed = title->fontMetrics().boundingRect(title->text());
        QVERIFY(needed.width() <= 209 && needed.height() <= 14);
        QCOMPARE(title->toolTip(), "Imprimer sur " + name);

        QTest::mouseClick(child<QPushButton>(named.dialog, "helpButton"), Qt::LeftButton);
        QCOMPARE(named.helpTopics, std::vector<int>{3});

        // Dragging the title moves the dialog by the pointer's displacement.
        title = child<QLabel>(named.dialog, "titleLabel");
        const QPoint before = named.dialog.pos();
        press(title, {10, 5});
        QMouseEvent drag(QEvent::MouseMove, QPointF(30, 15), title->mapToGlobal(QPointF(30, 15)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &drag);
        QCOMPARE(named.dialog.pos(), before + QPoint(20, 10));
    }

    void typedZoomCountsOnlyFromOneToTwoHundred() {
        PrintDialogState memory;
        Opened o(PageCommand::Export, memory);
        auto* text = child<QLineEdit>(o.dialog, "zoomText");
        struct Case {
            const char* typed;
            int zoom;
            const char* shown;
        };
        const Case cases[] = {{"150", 150, "150"}, {"abc", 150, "abc"}, {"0", 150, "0"},
                              {"201", 150, "201"}, {"", 150, ""},       {"1e3", 150, "1e3"},
                              {"2.5", 2, "2"},     {"200", 200, "200"}, {"1", 1, "1"}};
        for (const Case& c : cases) {
            // The whole text at once, as a paste puts it.
            text->selectAll();
            text->insert(QString::fromUtf8(c.typed));
            QCOMPARE(o.dialog.zoom(), c.zoom);
            QCOMPARE(text->text(), QString(c.shown));
        }
        // Typed key by key, each keystroke is a new text: "3", "35", "350".
        text->clear();
        QTest::keyClicks(text, "350");
        QCOMPARE(o.dialog.zoom(), 35);
        QCOMPARE(text->text(), QString("350"));
        // Typed key by key, each keystroke is a new text: "3", "35", "350".
        text->clear();
        QTest::keyClicks(text, "350");
        QCOMPARE(o.dialog.zoom(), 35);
        QCOMPARE(text->text(), QString("350"));
    }

    void theBarsUpperArrowEnlargesAndThePreviewFollows() {
        PrintDialogState memory;
        Opened o(PageCommand::Export, memory);
        auto* bar = child<QScrollBar>(o.dialog, "zoomScroll");
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
        QCOMPARE(o.dialog.zoom(), 86);
        QCOMPARE(child<QLineEdit>(o.dialog, "zoomText")->text(), QString("86"));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);  // the top end
        QCOMPARE(o.dialog.zoom(), 200);

        // At 100 the shield fills the box; at 50 its top-left quarter; left of
        // the shield and on the rest of the box, white.
        child<QLineEdit>(o.dialog, "zoomText")->setText(QString());
        QTest::keyClicks(child<QLineEdit>(o.dialog, "zoomText"), "100");
        QCOMPARE(previewPixel(o.dialog, 40, 50), qRgb(255, 0, 0));
        QCOMPARE(previewPixel(o.dialog, 1, 50), qRgb(255, 255, 255));
        QCOMPARE(previewPixel(o.dialog, 84, 109), qRgb(255, 255, 255));  // under the shield
        bar->setValue(-50);
        QCOMPARE(previewPixel(o.dialog, 20, 25), qRgb(255, 0, 0));
        QCOMPARE(previewPixel(o.dialog, 60, 80), qRgb(255, 255, 255));
    }

    void choicesMoveTheirFramesAndTheBlazonChoiceLastsTheRun() {
        PrintDialogState memory;
        {
            Opened o(PageCommand::Print, memory);
            auto* blazon = child<QWidget>(o.dialog, "blazonChoice");
            auto* frame = child<QFrame>(o.dialog, "blazonFrame");
            QCOMPARE(frame->y(), 3);
            press(blazon, {50, 105});  // below both halves: nothing
            QVERIFY(!memory.withBlazon);
            press(blazon, {50, 53});
            QVERIFY(memory.withBlazon);
            QCOMPARE(frame->y(), 50);
            hover(blazon, {10, 52});
            QCOMPARE(blazon->toolTip(), QString("Ne pas inclure le blasonnement"));
            hover(blazon, {10, 104});
            QCOMPARE(blazon->toolTip(), QString("Inclure le blasonnement"));

            auto* colour = child<QWidget>(o.dialog, "colourChoice");
            press(colour, {48, 10});
            QVERIFY(o.dialog.options().blackWhite);
            QCOMPARE(child<QFrame>(o.dialog, "colourFrame")->x(), 49);
            press(colour, {47, 10});
            QVERIFY(!o.dialog.options().blackWhite);
            QCOMPARE(child<QFrame>(o.dialog, "colourFrame")->x(), 5);
            hover(colour, {90, 10});
            QCOMPARE(colour->toolTip(),
                     QString("Imprimer en noir et blanc, selon les conventions héraldiques"));
            press(colour, {90, 10});
            o.dialog.findChild<QScrollBar*>("zoomScroll")->setValue(-120);
            QTest::mouseClick(child<QPushButton>(o.dialog, "cancelButton"), Qt::LeftButton);

            // The next opening of the same dialog: blazon kept (frame at the
            // opening's 55), zoom and colour back to their start.
            o.reopen(PageCommand::Print);
            QCOMPARE(child<QFrame>(o.dialog, "blazonFrame")->y(), 55);
            QVERIFY(o.dialog.options().withBlazon);
            QVERIFY(!o.dialog.options().blackWhite);
            QCOMPARE(child<QFrame>(o.dialog, "colourFrame")->x(), 7);
            QCOMPARE(o.dialog.zoom(), 85);
            QCOMPARE(child<QLineEdit>(o.dialog, "zoomText")->text(), QString("85"));
        }
        // A dialog made later reads the same kept state.
        Opened again(PageCommand::Print, memory);
        QCOMPARE(child<QFrame>(again.dialog, "blazonFrame")->y(), 55);
    }

    void aSmallZoomWithTheBlazonAsksFirst() {
        PrintDialogState memory{.withBlazon = true};
        Opened o(PageCommand::Export, memory);
        auto* action = child<QPushButton>(o.dialog, "actionButton");
        o.dialog.findChild<QScrollBar*>("zoomScroll")->setValue(-14);
        o.messages.boxAnswers = {MessageAnswer::No};
        QTest::mouseClick(action, Qt::LeftButton);
        QCOMPARE(o.messages.boxes.size(), std::size_t(1));
        QCOMPARE(o.messages.boxes[0].text, QString::fromUtf8(kSmallZoomQuestion));
        QCOMPARE(o.messages.boxes[0].title, QString("Exporter"));
        QCOMPARE(o.messages.boxes[0].style, 4 + 48 + 256);
        QVERIFY(o.acted.empty());
        QVERIFY(o.dialog.isVisible());

        // At 15 nothing is asked; an action that did not finish leaves it open.
        o.dialog.findChild<QScrollBar*>("zoomScroll")->setValue(-15);
        o.actDone = false;
        QTest::mouseClick(action, Qt::LeftButton);
        QCOMPARE(o.messages.boxes.size(), std::size_t(1));
        QCOMPARE(o.acted.size(), std::size_t(1));
        QCOMPARE(o.acted[0].zoom, 15);
        QVERIFY(o.acted[0].withBlazon);
        QVERIFY(!o.acted[0].blackWhite);
        QVERIFY(o.dialog.isVisible());
        o.actDone = true;
        QTest::mouseClick(action, Qt::LeftButton);
        QVERIFY(!o.dialog.isVisible());
        QCOMPARE(o.done.size(), std::size_t(1));
        QVERIFY(o.done[0] && o.done[0]->zoom == 15);
    }

    void cancelAndEscapeCloseWithoutActing() {
        PrintDialogState memory;
        Opened o(PageCommand::Print, memory);
        QTest::mouseClick(child<QPushButton>(o.dialog, "cancelButton"), Qt::LeftButton);
        QVERIFY(!o.dialog.isVisible());
        QCOMPARE(o.done.size(), std::size_t(1));
        QVERIFY(!o.done[0]);
        Opened e(PageCommand::Print, memory);
        QTest::keyClick(&e.dialog, Qt::Key_Escape);
        QVERIFY(!e.dialog.isVisible());
        QVERIFY(o.acted.empty() && e.acted.empty());
    }

    void qtsOwnDialogsSpeakFrench() {
        QVERIFY(installQtFrenchTexts(*qApp));
        QMessageBox box(QMessageBox::Question, "Tessaline", "?",
                        QMessageBox::Yes | QMessageBox::No);
        box.show();
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QString("Oui"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString("Non"));

        QFileDialog files(nullptr, "Ouvrir un blason");
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.show();
        QStringList texts;
        for (QLabel* l : files.findChildren<QLabel*>()) texts << l->text().remove('&');
        for (QPushButton* b : files.findChildren<QPushButton*>()) texts << b->text().remove('&');
        QVERIFY2(texts.contains("Voir dans :"), qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains("Annuler"), qPrintable(texts.join(" | ")));
        QVERIFY2(!texts.contains("Look in:"), qPrintable(texts.join(" | ")));
    }
};

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_test.moc"
