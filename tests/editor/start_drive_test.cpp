// The start-drive check: which drives are refused, and what a refusal does.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/start_drive.h"
#include "program_harness.h"

using namespace tess;

namespace {

const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "30 22 0:45 / /home/u/net rw shared:7 - nfs4 server:/export rw,vers=4.2\n"
    "31 22 0:46 / /mnt/share\\040drive rw - cifs //srv/share rw\n"
    "32 22 0:47 / /mnt/ssh rw - fuse.sshfs u@host:/home rw\n"
    "33 22 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
    "34 22 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
    "35 22 0:50 / /var/lib/c rw - overlay overlay rw,lowerdir=/a\n"
    "36 22 0:51 / /tmp rw - tmpfs tmpfs rw\n"
    "37 22 8:33 / /media/card rw - ext4 /dev/sdc1 rw\n"
    "38 22 11:1 / /media/dvd ro - ext2 /dev/sr1 ro\n"
    "39 22 0:52 / /mnt/c rw - 9p C:\\134 rw\n"
    "40 33 8:18 / /media/usb/inner rw - ext4 /dev/sda2 rw\n"
    "garbage line\n";

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// A small /sys: sda a fixed disk, sdb and sdc removable, sr0 and sr1 optical.
void makeSysTree(const QString& root) {
    const QDir dir(root);
    for (const char* disk : {"sda", "sdb", "sdc"}) {
        const QString d = QString("devices/%1").arg(disk);
        writeFile(dir.filePath(d + "/removable"), disk == QByteArray("sda") ? "0\n" : "1\n");
        writeFile(dir.filePath(d + "/" + disk + "1/partition"), "1\n");
    }
    writeFile(dir.filePath("devices/sda/sda2/partition"), "2\n");
    writeFile(dir.filePath("devices/sr0/removable"), "1\n");
    writeFile(dir.filePath("devices/sr1/removable"), "1\n");
    dir.mkpath("dev/block");
    const auto link = [&](const char* device, const char* target) {
        QFile::link(dir.filePath(target), dir.filePath(QString("dev/block/") + device));
    };
    link("8:1", "devices/sda/sda1");
    link("8:18", "devices/sda/sda2");
    link("8:17", "devices/sdb/sdb1");
    link("8:33", "devices/sdc/sdc1");
    link("11:0", "devices/sr0");
    link("11:1", "devices/sr1");
}

}  // namespace

class StartDriveTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void aRefusedDriveShowsTheMessageAndWritesNothing_data();
    void aRefusedDriveShowsTheMessageAndWritesNothing();
    void classifiesMounts_data();
    void classifiesMounts();
    void findsTheInnermostMount();
    void probesTheNearestExistingFolder();
    void theMachineWeRunOnIsALocalDisk();

  private:
    QTemporaryDir sys;
    std::vector<MountEntry> mounts;
};

void StartDriveTest::initTestCase() {
    makeSysTree(sys.path());
    mounts = parseMountInfo(kMountInfo);
    QCOMPARE(int(mounts.size()), 12);
}

void StartDriveTest::aRefusedDriveShowsTheMessageAndWritesNothing_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("removable") << int(DriveKind::Removable);
    QTest::newRow("optical") << int(DriveKind::Optical);
    QTest::newRow("network") << int(DriveKind::Network);
}

void StartDriveTest::aRefusedDriveShowsTheMessageAndWritesNothing() {
    QFETCH(int, kind);
    ProgramHarness h({}, DriveKind(kind));
    QVERIFY(h.start());
    QCOMPARE(h.processEnded, 1);
    QCOMPARE(int(h.messages->boxes.size()), 1);
    QCOMPARE(h.messages->boxes[0].text,
             QStringLiteral("Tessaline doit être démarré à partir de votre disque dur."));
    QCOMPARE(h.messages->boxes[0].title, QStringLiteral("Tessaline"));
    QCOMPARE(h.messages->boxes[0].style, 16);
    QVERIFY(h.program->mainWindow() == nullptr);
    QVERIFY(QDir(h.home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    // The labels were up before the check, and no tick follows.
    QVERIFY(!h.program->intro()->timerRunning());
    QTest::qWait(20);
    QCOMPARE(h.program->intro()->FrameCounter(), 11);
}

void StartDriveTest::classifiesMounts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::newRow("root disk") << "/home/u/tessaline" << int(DriveKind::LocalDisk);
    QTest::newRow("nfs") << "/home/u/net/tessaline" << int(DriveKind::Network);
    QTest::newRow("cifs, escaped blank") << "/mnt/share drive/t" << int(DriveKind::Network);
    QTest::newRow("sshfs") << "/mnt/ssh/t" << int(DriveKind::Network);
    QTest::newRow("usb partition") << "/media/usb/t" << int(DriveKind::Removable);
    QTest::newRow("card") << "/media/card" << int(DriveKind::Removable);
    QTest::newRow("cd by file system") << "/media/cdrom/t" << int(DriveKind::Optical);
    QTest::newRow("dvd by device") << "/media/dvd/t" << int(DriveKind::Optical);
    QTest::newRow("overlay") << "/var/lib/c/t" << int(DriveKind::LocalDisk);
    QTest::newRow("tmpfs") << "/tmp/t" << int(DriveKind::LocalDisk);
    QTest::newRow("windows disk seen from linux") << "/mnt/c/t" << int(DriveKind::LocalDisk);
    QTest::newRow("fixed disk mounted on a stick's folder")
        << "/media/usb/inner/t" << int(DriveKind::LocalDisk);
}

void StartDriveTest::classifiesMounts() {
    QFETCH(QString, path);
    QFETCH(int, kind);
    const MountEntry* m = mountHolding(mounts, path.toStdString());
    QVERIFY(m);
    QCOMPARE(int(classifyMount(*m, sys.path().toStdString())), kind);
}

void StartDriveTest::findsTheInnermostMount() {
    QCOMPARE(QString::fromStdString(mountHolding(mounts, "/media/usb")->mountPoint),
             QStringLiteral("/media/usb"));
    // A name that only starts like a mount point is not under it.
    QCOMPARE(QString::fromStdString(mountHolding(mounts, "/media/usbkey/t")->mountPoint),
             QStringLiteral("/"));
    QCOMPARE(QString::fromStdString(mountHolding(mounts, "/mnt/share drive")->fsType),
             QStringLiteral("cifs"));
    QVERIFY(mountHolding({}, "/x") == nullptr);
}

void StartDriveTest::probesTheNearestExistingFolder() {
    QTemporaryDir place;
    const QString info = place.filePath("mountinfo");
    writeFile(info, "1 0 0:20 / / rw - nfs server:/ rw\n");
    // Not made yet: the check looks where it would be made, and makes nothing.
    const QString folder = place.filePath("not/yet/there");
    QCOMPARE(int(probeDrive(folder.toStdString(), info.toStdString(), sys.path().toStdString())),
             int(DriveKind::Network));
    QVERIFY(!QFileInfo::exists(place.filePath("not")));
    // An unreadable table never keeps the program from starting.
    QCOMPARE(int(probeDrive(folder.toStdString(), place.filePath("none").toStdString(),
                            sys.path().toStdString())),
             int(DriveKind::LocalDisk));
}

void StartDriveTest::theMachineWeRunOnIsALocalDisk() {
    QTemporaryDir here;
    QCOMPARE(int(probeDrive(here.path().toStdString())), int(DriveKind::LocalDisk));
}

QTEST_MAIN(StartDriveTest)
#include "start_drive_test.moc"
