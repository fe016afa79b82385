// The file menu of the whole program: the window's own menu items drive the
// commands, scripted file dialogs answer paths, and what was saved is opened
// again and compared.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "actions/print_page.h"
#include "dialogs/dialog_host.h"
#include "dialogs/print_dialog.h"
#include "editor/file_commands_panel.h"
#include "model/workspace.h"
#include "platform/picture_file.h"
#include "program_harness.h"
#include "render/renderer.h"

using namespace tess;

namespace {

QString titleOf(ProgramHarness& h) {
    return h.window().panel<TitleBar>().titleLabel()->text();
}

// A change made as a panel makes it: through the actions layer, marked.
void changeShield(ProgramHarness& h, Long partition) {
    h.edit([&h, partition] {
        h.ws().CurrentBlazon.Partition = partition;
        h.ws().CurrentBlazon.Parts[2].Tincture = 3;
    });
}

QString pathIn(ProgramHarness& h, const QString& name) {
    return QDir(h.home.path()).filePath(name);
}

}  // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
    // Qt's file dialog, opened below, writes its state there.
    tess::testing::QtUserSettingsFolder qtSettings;

  private slots:
    void saveAsNewAndReopenGiveTheSameRecordAndCanvas() {
        ProgramHarness h;
        QVERIFY(h.start());
        const auto m = [&h](const char* name) { return menuItem(h.window(), name); };
        changeShield(h, 12);
        QCOMPARE(titleOf(h), QString("Tessaline*"));

        h.messages->saveFiles = {pathIn(h, "armes")};
        m("saveAsAction")->trigger();
        QCOMPARE(titleOf(h), QString("Tessaline [armes.bls]"));
        const BlazonRecord saved = h.ws().CurrentBlazon;
        const Surface canvas = h.program->r().canvas;

        m("newAction")->trigger();  // nothing unsaved: no question
        QVERIFY(h.messages->questions.empty());
        QCOMPARE(titleOf(h), QString("Tessaline"));
        QVERIFY(h.ws().CurrentBlazon.Partition != 12);

        h.messages->files = {pathIn(h, "armes.bls")};
        m("openAction")->trigger();
        QCOMPARE(h.messages->openDialogs.back().title, QString("Ouvrir un blason"));
        QCOMPARE(h.messages->openDialogs.back().filter, QString("Varodez v.3 (*.bls)"));
        QVERIFY(h.ws().CurrentBlazon == saved);
        QVERIFY(h.program->r().canvas == canvas);
        QCOMPARE(titleOf(h), QString("Tessaline [armes.bls]"));

        // A file that is not a document: its box, and the document and title stay.
        changeShield(h, 14);
        QFile junk(pathIn(h, "faux.bls"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("\x0d");
        junk.close();
        h.messages->files = {pathIn(h, "faux.bls")};
        h.messages->questionAnswers = {true};
        m("openAction")->trigger();
        QCOMPARE(h.messages->boxes.back().title, QString("Fichier incompatible"));
        QCOMPARE(h.ws().CurrentBlazon.Partition, Long(14));
        QCOMPARE(titleOf(h), QString("Tessaline [armes.bls]*"));

        // A save into a "folder" that is a plain file keeps the mark and the path.
        h.messages->saveFiles = {pathIn(h, "faux.bls/autres.bls")};
        m("saveAsAction")->trigger();
        QCOMPARE(decodeMessageStyle(h.messages->boxes.back().style).icon, MessageIcon::Critical);
        QCOMPARE(titleOf(h), QString("Tessaline [armes.bls]*"));
        QCOMPARE(QString::fromStdString(h.ws().CurrentBlazon.FilePath), pathIn(h, "armes.bls"));
    }

    void recentDocumentsAfterThreeSavesAndTheGrid() {
        ProgramHarness h;
        QVERIFY(h.start());
        const auto m = [&h](const char* name) { return menuItem(h.window(), name); };
        // Each document enters the list once saved over its own file.
        for (const char* name : {"un", "deux", "trois"}) {
            changeShield(h, 12);
            h.messages->saveFiles = {pathIn(h, name)};
            m("saveAsAction")->trigger();
            m("saveAction")->trigger();
        }
        QCOMPARE(m("recentFileAction1")->text(), QString("trois.bls"));
        QCOMPARE(m("recentFileAction3")->text(), QString("un.bls"));
        QVERIFY(m("recentFileAction3")->isVisible());
        QVERIFY(!m("recentFileAction4")->isVisible());
        m("recentFileAction3")->trigger();
        QCOMPARE(titleOf(h), QString("Tessaline [un.bls]"));

        m("gridAction")->trigger();
        QVERIFY(h.ws().GridVisible);
        QVERIFY(m("gridAction")->isChecked());
        QCOMPARE(titleOf(h), QString("Tessaline [un.bls]"));  // no mark
    }

    void exportFromTheMenuWritesThePageAndTheWindowStaysInColour() {
        ProgramHarness h;
        QVERIFY(h.start());
        changeShield(h, 12);
        const Surface canvas = h.program->r().canvas;
        menuItem(h.window(), "exportAction")->trigger();
        PrintDialog& dialog = h.window().dialogs().get<PrintDialog>();
        QVERIFY(dialog.isVisible());
        dialog.findChild<QLineEdit*>("zoomText")->setText(QString());
        QTest::keyClicks(dialog.findChild<QLineEdit*>("zoomText"), "100");
        h.messages->saveFiles = {pathIn(h, "page.bmp")};
        QTest::mouseClick(dialog.findChild<QPushButton*>("actionButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        const auto page = loadPicture(pathIn(h, "page.bmp").toStdString());
        QVERIFY(page);
        QCOMPARE(page->width(), 265);
        QCOMPARE(page->height(), 340);
        QCOMPARE(page->pixel(132, 170), canvas.pixel(132, 170));
        QCOMPARE(page->pixel(0, 339), kWhite);  // outside the shield
        QVERIFY(h.program->r().canvas == canvas);
        QCOMPARE(titleOf(h), QString("Tessaline*"));  // exporting changes nothing
    }

    void theMissingFileDialogOpensOnTheFilesName() {
        ProgramHarness h;
        QVERIFY(h.start());
        const FileDialogs d = h.window().session().fileDialogs();
        d.pickFile("Rechercher armesPx1.hpc", "armesPx1.hpc");
        QVERIFY(h.messages->openDialogs.back().folder.endsWith("/armesPx1.hpc"));

        // Qt's own dialog, given such a start, shows the name in its name box.
        WidgetMessages widgets;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; },
                                  5000);
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) shown = name->text();
            dialog->reject();
        });
        widgets.openFile("Rechercher armesPx1.hpc", pathIn(h, "armesPx1.hpc"),
                         "armesPx1.hpc (armesPx1.hpc)");
        QCOMPARE(shown, QString("armesPx1.hpc"));
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_test.moc"
