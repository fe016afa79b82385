// The toolbar's "Annuler" shows what it brought back everywhere, and the
// recent documents: which saves enter the list and the fourth entry opens.
#include <vector>

#include <QAction>
#include <QDir>
#include <QTest>

#include "editor/title_bar.h"
#include "editor/toolbar_panel.h"
#include "window_test.h"

using namespace tess;

class UndoAndRecentTest : public WindowTest {
    Q_OBJECT
  private slots:
    void annulerShowsTheUndoneStateEverywhere();
    void onlyASaveOverAnExistingDocumentEntersTheList();
    void theFourthRecentDocumentOpens();

  private:
    QString blazon() { return d->w().panel<BlazonPanel>().blazonLabel()->text(); }
    QString path(const QString& name) { return h->home.filePath(name); }
    // Saved under a new name, then saved again over it.
    void saveTwice(const QString& name) {
        h->messages->saveFiles = {path(name)};
        menuItem(d->w(), "saveAsAction")->trigger();
        menuItem(d->w(), "saveAction")->trigger();
    }
    QStringList recentEntries() {
        QStringList out;
        for (int i = 1; i <= 4; ++i) {
            const QByteArray name = "recentFileAction" + QByteArray::number(i);
            QAction* a = menuItem(d->w(), name.constData());
            if (a->isVisible()) out << a->text();
        }
        return out;
    }
};

void UndoAndRecentTest::annulerShowsTheUndoneStateEverywhere() {
    ToolbarPanel& toolbar = d->w().panel<ToolbarPanel>();
    // What the window shows: the canvas, the blazon, the partition's marker
    // and whether the first-order piece's choosers are offered.
    struct Shown {
        QImage canvas;
        QString blazon;
        int marker;
        bool sizes;
        bool operator==(const Shown&) const = default;
    };
    const auto now = [&] {
        return Shown{d->w().panel<CanvasPanel>().canvas()->picture().copy(), blazon(),
                     toolbar.partitionMarker()->x(),
                     d->w().panel<PieceOptions>().sizeChooser()->isVisible()};
    };
    std::vector<Shown> before;
    // Three steps: Parti from the toolbar, Gueules on part 1, a Pal.
    before.push_back(now());
    QTest::mouseClick(toolbar.toolbar(), Qt::LeftButton, {}, QPoint(210, 10));
    before.push_back(now());
    const QPoint left = d->pointOfPart(1);
    QVERIFY(WindowDriver::drop(&d->canvas(), makeTinctureDrag(kGueules), left));
    QCOMPARE(d->shown(left), 0xFF0000u);
    before.push_back(now());
    d->choosePiece(QStringLiteral("Pal"));
    QVERIFY(d->w().panel<PieceOptions>().sizeChooser()->isVisible());

    // Each "Annuler" shows the state before the step it takes back.
    for (int step = 2; step >= 0; --step) {
        d->annuler();
        const Shown after = now();
        QVERIFY2(after.canvas == before[std::size_t(step)].canvas, qPrintable(after.blazon));
        QCOMPARE(after.blazon, before[std::size_t(step)].blazon);
        QCOMPARE(after.marker, before[std::size_t(step)].marker);
        QCOMPARE(after.sizes, before[std::size_t(step)].sizes);
    }
    QCOMPARE(blazon(), QStringLiteral("D'Azur."));
    QCOMPARE(toolbar.partitionMarker()->x(), 182);
    // "Annuler" leaves the title's mark as it was.
    QVERIFY(d->title().endsWith(u'*'));
}

void UndoAndRecentTest::onlyASaveOverAnExistingDocumentEntersTheList() {
    QVERIFY(recentEntries().isEmpty());
    // A new name: the document is saved but does not enter the list.
    h->messages->saveFiles = {path("premier")};
    menuItem(d->w(), "saveAsAction")->trigger();
    QCOMPARE(d->title(), QStringLiteral("Tessaline [premier.bls]"));
    QVERIFY(recentEntries().isEmpty());
    // Saved again over itself, it does.
    menuItem(d->w(), "saveAction")->trigger();
    QCOMPARE(recentEntries(), QStringList{"premier.bls"});
    // Another new name leaves the list as it was; "Sauvegarder sous" over an
    // existing document enters it.
    h->messages->saveFiles = {path("second")};
    menuItem(d->w(), "saveAsAction")->trigger();
    QCOMPARE(recentEntries(), QStringList{"premier.bls"});
    h->messages->saveFiles = {path("premier.bls")};
    menuItem(d->w(), "saveAsAction")->trigger();
    QCOMPARE(recentEntries(), QStringList{"premier.bls"});
    h->messages->saveFiles = {path("second.bls")};
    menuItem(d->w(), "saveAsAction")->trigger();
    QCOMPARE(recentEntries(), (QStringList{"second.bls", "premier.bls"}));
}

void UndoAndRecentTest::theFourthRecentDocumentOpens() {
    // Four documents, each on its own partition, each saved over itself.
    const struct {
        const char* name;
        Qt::Key key;
        Long partition;
    } documents[] = {{"un", Qt::Key_2, 10},
                     {"deux", Qt::Key_3, 11},
                     {"trois", Qt::Key_4, 12},
                     {"quatre", Qt::Key_5, 13}};
    for (const auto& doc : documents) {
        d->canvas().setFocus();
        QTest::keyClick(&d->canvas(), doc.key, Qt::ControlModifier);
        saveTwice(QString::fromLatin1(doc.name));
    }
    QCOMPARE(recentEntries(), (QStringList{"quatre.bls", "trois.bls", "deux.bls", "un.bls"}));

    menuItem(d->w(), "recentFileAction4")->trigger();
    QCOMPARE(d->title(), QStringLiteral("Tessaline [un.bls]"));
    QCOMPARE(d->ws().CurrentBlazon.Partition, Long(10));
    QVERIFY(h->messages->boxes.empty());
    // Opened, it heads the list.
    QCOMPARE(recentEntries(), (QStringList{"un.bls", "quatre.bls", "trois.bls", "deux.bls"}));
    menuItem(d->w(), "recentFileAction4")->trigger();
    QCOMPARE(d->title(), QStringLiteral("Tessaline [deux.bls]"));
    QCOMPARE(d->ws().CurrentBlazon.Partition, Long(11));
}

QTEST_MAIN(UndoAndRecentTest)
#include "undo_and_recent_test.moc"
