// Pictures brought in through the window: a large picture is either refused
// with its message or placed, saved and reopened with its charge; a named
// pipe chosen in "Ajouter" is refused at once and the window goes on.
#include <sys/stat.h>

#include <QListWidget>
#include <QTest>

#include "actions/budget_messages.h"
#include "editor/held_charge_view.h"
#include "editor/picture_list_panel.h"
#include "model/picture_budget.h"
#include "platform/file_reading.h"
#include "platform/picture_file.h"
#include "program_harness.h"
#include "support/pipe_watchdog.h"

using namespace tess;

class PictureLimitsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void aLargePictureIsRefusedOrReopensWithItsCharge();
    void aPipeChosenInAjouterIsRefusedAtOnce();

  private:
    // A w x h picture, a red figure on white, in the run's own folder.
    QString picture(const QString& name, int w, int h) {
        Surface s(w, h, kWhite);
        s.fillRect(1, 1, w, h, Brush::solid(0x0000FF));
        const QString path = h_->home.filePath(name);
        if (!savePictureBmp(s, path.toStdString()).empty()) qFatal("cannot write the picture");
        return path;
    }
    QListWidget* list() { return h_->window().panel<PictureListPanel>().pictureList(); }
    int chargesInUse() {
        int n = 0;
        for (int c = 1; c <= kChargeCount; ++c) n += h_->ws().CurrentBlazon.Charges[c].InUse != 0;
        return n;
    }
    // Adds the picture through "Ajouter"; true when it joined the list.
    bool add(const QString& path) {
        const int before = list()->count();
        h_->messages->files = {path};
        menuItem(h_->window(), "addPictureAction")->trigger();
        return list()->count() == before + 1;
    }
    // Brings the list's last picture up held with a double click, puts it down
    // with Enter, saves under `name`, opens a new document, then `name` again.
    void placeSaveAndReopen(const QString& name) {
        QListWidget* l = list();
        const QPoint at = l->visualItemRect(l->item(l->count() - 1)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(h_->window().panel<HeldChargeTool>().state().isHolding());
        QTest::keyClick((&h_->window().panel<HeldChargeView>()), Qt::Key_Return);
        QVERIFY(!h_->window().panel<HeldChargeTool>().state().isHolding());
        QCOMPARE(chargesInUse(), 1);
        h_->messages->saveFiles = {h_->home.filePath(name)};
        menuItem(h_->window(), "saveAsAction")->trigger();
        QCOMPARE(h_->ws().CurrentBlazon.FilePath, h_->home.filePath(name + ".bls").toStdString());
        menuItem(h_->window(), "newAction")->trigger();
        QCOMPARE(chargesInUse(), 0);
        h_->messages->boxes.clear();
        h_->messages->files = {h_->home.filePath(name + ".bls")};
        menuItem(h_->window(), "openAction")->trigger();
    }

    ProgramHarness* h_ = nullptr;
};

void PictureLimitsTest::init() {
    h_ = new ProgramHarness;
    QVERIFY(h_->start());
}

void PictureLimitsTest::cleanup() {
    delete h_;
    h_ = nullptr;
}

void PictureLimitsTest::aLargePictureIsRefusedOrReopensWithItsCharge() {
    // 1200 x 1200: the document could not reopen with it, so it is refused
    // with the message that says how large a picture may be.
    if (!add(picture("grand.bmp", 1200, 1200))) {
        QCOMPARE(h_->messages->boxes.size(), std::size_t(1));
        QCOMPARE(h_->messages->boxes[0].title, QStringLiteral("Ajouter une image"));
        QCOMPARE(h_->messages->boxes[0].text,
                 QString::fromStdString(
                     pictureTooLargeText("grand.bmp", 1200, 1200, kDocumentPicturePixels)));
    } else {
        placeSaveAndReopen(QStringLiteral("grand"));
        QVERIFY(h_->messages->boxes.empty());
        QCOMPARE(chargesInUse(), 1);
    }
    // What the message offers, 1000 x 1000, comes in and comes back.
    h_->messages->boxes.clear();
    QVERIFY(add(picture("juste.bmp", 1000, 1000)));
    placeSaveAndReopen(QStringLiteral("juste"));
    QVERIFY(h_->messages->boxes.empty());
    QCOMPARE(chargesInUse(), 1);
    QCOMPARE(int(h_->ws().Bank[1].Width), 1000);
    QCOMPARE(int(h_->ws().CurrentBlazon.Charges[1].Width), 1000);
}

void PictureLimitsTest::aPipeChosenInAjouterIsRefusedAtOnce() {
    const QString pipe = h_->home.filePath("tube.bmp");
    QCOMPARE(::mkfifo(pipe.toUtf8().constData(), 0600), 0);
    {
        testing::PipeWatchdog watchdog(pipe.toStdString());
        QVERIFY(!add(pipe));
        QVERIFY(!watchdog.released());
    }
    QCOMPARE(h_->messages->boxes.size(), std::size_t(1));
    QCOMPARE(h_->messages->boxes[0].text, QString::fromStdString(notAFileText("tube.bmp")));
    // The window goes on: the next picture comes in.
    QVERIFY(add(picture("lion.bmp", 12, 10)));
    QCOMPARE(list()->count(), 1);
}

QTEST_MAIN(PictureLimitsTest)
#include "picture_limits_test.moc"
