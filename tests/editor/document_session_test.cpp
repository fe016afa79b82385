// The document session in the running window: every command a widget runs
// redraws once and every panel follows that one redraw; what a new document
// ends ends the held charge with it, however it is held; the free area takes
// a double click as a press.
#include <QAction>
#include <QTest>

#include "actions/redraw_result.h"
#include "support/widget_events.h"
#include "window_test.h"

using namespace tess;

class DocumentSessionTest : public WindowTest {
    Q_OBJECT
  private slots:
    void everyCommandRedrawsOnceAndEveryPanelFollows();
    void aNewDocumentEndsWhatIsHeld();
    void aDoubleClickOnTheFreeAreaIsAPress();

  private:
};

void DocumentSessionTest::everyCommandRedrawsOnceAndEveryPanelFollows() {
    MainWindow& w = d->w();
    int redraws = 0;
    RedrawResult last;
    // Counted for this test only, however it ends.
    QObject counting;
    connect(&w.session(), &DocumentSession::redrawn, &counting, [&](const RedrawResult& result) {
        ++redraws;
        last = result;
    });
    QWidget* toolbar = w.panel<ToolbarPanel>().toolbar();
    const struct {
        const char* name;
        std::function<void()> run;
        bool marked;  // the title's unsaved mark afterwards
    } commands[] = {
        {"Ctrl+R", [&] { QTest::keyClick(&d->canvas(), Qt::Key_R, Qt::ControlModifier); }, false},
        {"the toolbar's Parti",
         [&] {
             QTest::mouseClick(toolbar, Qt::LeftButton, {}, {210, 10});
         },
         true},
        {"Ctrl and the digit row's 3",
         [&] { QTest::keyClick(&d->canvas(), Qt::Key_3, Qt::ControlModifier); }, true},
        {"the size chooser",
         [&] {
             d->choosePiece(QStringLiteral("Pal"));
             redraws = 0;
             QTest::mouseClick(w.panel<PieceOptions>().sizeChooser(), Qt::LeftButton, {}, {10, 30});
         },
         true},
        {"the toolbar's undo",
         [&] {
             d->ws().Modified = false;
             QTest::mouseClick(toolbar, Qt::LeftButton, {}, {150, 10});
         },
         false},
    };
    for (const auto& command : commands) {
        redraws = 0;
        command.run();
        QVERIFY2(redraws == 1, command.name);
        // The panels show that redraw: the canvas, the blazon, the marker, the
        // menus' checks, the title.
        QVERIFY2(w.panel<CanvasPanel>().canvas()->picture() == toQImage(d->r().canvas),
                 command.name);
        QVERIFY2(w.panel<BlazonPanel>().blazonLabel()->text() ==
                     QString::fromUtf8(last.blazonText.c_str()),
                 command.name);
        QVERIFY2(w.panel<ToolbarPanel>().partitionMarker()->x() == last.partitionMarkerX,
                 command.name);
        QVERIFY2(menuItem(w, "partLinesAction")->isEnabled() == last.Menus.partitionLines.Enabled,
                 command.name);
        QVERIFY2(w.panel<TitleBar>().title().endsWith(u'*') == command.marked, command.name);
    }
}

// A new document from the file menu ends a held charge and a picture brought
// up alike: nothing shows, nothing is held, and the canvas picks up again.
void DocumentSessionTest::aNewDocumentEndsWhatIsHeld() {
    const QString path = d->writePicture(QStringLiteral("carre.bmp"), 20, 16);
    const auto heldBits = [&] {
        return QList<bool>{d->w().panel<HeldChargeTool>().state().isHolding(),
                           d->held().isVisible(),
                           d->w().panel<HeldChargeView>().overlayFrame()->isVisible(),
                           d->w().panel<AlignmentStrip>().strip()->isVisible()};
    };
    const QList<bool> none{false, false, false, false};
    for (int round = 0; round < 2; ++round) {
        if (round == 0) {
            const int n = d->place(path, QPoint(100, 150));
            QVERIFY(d->pickUp(n));
        } else {
            d->bringUp(path);
        }
        QCOMPARE(heldBits(), (QList<bool>{true, true, true, true}));
        h->messages->questionAnswers = {true};
        menuItem(d->w(), "newAction")->trigger();
        QCOMPARE(heldBits(), none);
        QCOMPARE(d->ws().SelectedCharge, 0);
    }
    // The held state is the canvas's to begin again: a placed charge picks up.
    const int n = d->place(path, QPoint(60, 100));
    QVERIFY(d->pickUp(n));
}

// The second press of a double click comes as a double click alone: it acts
// as a press, on either button.
void DocumentSessionTest::aDoubleClickOnTheFreeAreaIsAPress() {
    const QString path = d->writePicture(QStringLiteral("rond.bmp"), 12, 12);
    d->bringUp(path);
    QVERIFY(d->w().panel<HeldChargeTool>().state().isHolding());
    const QPoint free(470, 400);
    sendMouse(&d->w(), QEvent::MouseButtonDblClick, free, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(!d->w().panel<HeldChargeTool>().state().isHolding());
    const std::size_t popups = h->messages->popups.size();
    sendMouse(&d->w(), QEvent::MouseButtonDblClick, free, Qt::RightButton, Qt::RightButton);
    QCOMPARE(h->messages->popups.size(), popups + 1);
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("fileMenu"));
}

QTEST_MAIN(DocumentSessionTest)
#include "document_session_test.moc"
