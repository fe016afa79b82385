// The file commands of the window, driven through a scripted message layer:
// file dialogs answer paths, boxes are recorded, the page dialog is clicked.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "dialogs/dialog_host.h"
#include "editor/file_commands_panel.h"
#include "model/document.h"
#include "model/title_text.h"
#include "model/workspace.h"
#include "platform/picture_file.h"
#include "render/renderer.h"
#include "support/permissions_enforced.h"
#include "support/scripted_messages.h"

using namespace tess;

namespace {

// A window of the commands' own: the workspace, the renderer, the scripted
// layer, and what the commands handed back.
struct Harness {
    QTemporaryDir home;
    Workspace ws;
    Renderer r;
    ScriptedMessages messages;
    QWidget window;
    DialogHost dialogs{window};
    int redraws = 0, replaced = 0;
    std::vector<int> help;
    std::unique_ptr<FileCommands> commands;

    Harness() {
        qputenv("TESSALINE_HOME", home.path().toUtf8());
        // No printer can be found: the server named does not exist.
        qputenv("CUPS_SERVER", (home.path() + "/aucun.sock").toUtf8());
        InitGraphics(ws, r);
        ResetDocument(ws);
        RedrawShield(ws, r);
        commands = std::make_unique<FileCommands>(
            ws, r, messages, dialogs, &window,
            FileCommands::Window{.showRedraw = [this](const RedrawResult&) { ++redraws; },
                                 .documentReplaced = [this] { ++replaced; },
                                 .refreshTitle = [] {},
                                 .documentDialogs =
                                     [this] {
                                         FileDialogs d;
                                         d.confirm = [this](const std::string& t) {
                                             return messages.confirm(QString::fromStdString(t));
                                         };
                                         return d;
                                     },
                                 .help = [this](int topic) { help.push_back(topic); }});
    }
    QString path(const QString& name) const { return QDir(home.path()).filePath(name); }
    std::string title() const { return TitleText(ws); }
    template <typename T>
    T* inDialog(const char* name) {
        return commands->pageDialog().findChild<T*>(QString::fromLatin1(name));
    }
};

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void saveAsThenOpenThroughTheFileDialogs() {
        Harness h;
        h.ws.CurrentBlazon.Partition = 12;
        h.ws.Modified = true;
        h.messages.saveFiles = {h.path("armes")};
        h.commands->saveDocumentAs();
        QCOMPARE(h.messages.saveDialogs.size(), std::size_t(1));
        QCOMPARE(h.messages.saveDialogs[0].title, QString("Sauvegarder le blason"));
        QCOMPARE(h.messages.saveDialogs[0].filter, QString("Varodez v.3 (*.bls)"));
        QCOMPARE(h.title(), std::string("Tessaline [armes.bls]"));

        // A file that is not a document: its box, and nothing changes.
        QFile junk(h.path("faux.bls"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("\x0d rien");
        junk.close();
        h.ws.CurrentBlazon.Partition = 14;
        h.ws.Modified = true;
        h.messages.files = {h.path("faux.bls")};
        h.messages.questionAnswers = {true};
        h.commands->openDocument();
        QCOMPARE(h.messages.boxes.back().title, QString("Fichier incompatible"));
        QCOMPARE(h.ws.CurrentBlazon.Partition, 14);
        QCOMPARE(h.title(), std::string("Tessaline [armes.bls]*"));
        QCOMPARE(h.replaced, 0);

        h.messages.files = {h.path("armes.bls")};
        h.messages.questionAnswers = {true};
        h.commands->openDocument();
        QCOMPARE(h.ws.CurrentBlazon.Partition, 12);
        QCOMPARE(h.title(), std::string("Tessaline [armes.bls]"));
        QCOMPARE(h.replaced, 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // Documents that cannot be read, each refused by its cause in the open's
        // own box before the document in the window is given up.
        QFile huge(h.path("gros.bls"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("\x0e") == 1);
        QVERIFY(huge.resize(qint64(65) << 20));
        huge.close();
        QVERIFY(QFile::copy(h.path("armes.bls"), h.path("secret.bls")));
        QVERIFY(QFile::setPermissions(h.path("secret.bls"), {}));
        QVERIFY(QFile::link("boucle.bls", h.path("boucle.bls")));
        const struct {
            const char* file;
            const char* title;
            const char* cause;
        } refusals[] = {
            {"gros.bls", "Erreur #75",
             "« gros.bls » est trop grand pour être un blason : un blason ne dépasse jamais 64 Mo"},
            {"secret.bls", "Erreur #70",
             "Permission refusée : vous n'avez pas le droit de lire « secret.bls »"},
            {"boucle.bls", "Erreur #75",
             "« boucle.bls » est un lien qui ramène à lui-même : aucun fichier n'est au bout"},
        };
        for (const auto& refused : refusals) {
            h.messages.files = {h.path(refused.file)};
            {
                const testing::PermissionsEnforced asAnyUser;
                QVERIFY(asAnyUser.enforced());
                h.commands->openDocument();
            }
            QCOMPARE(h.messages.boxes.back().title, QString(refused.title));
            QCOMPARE(h.messages.boxes.back().text,
                     "Erreur survenue dans mnuOpen::OnClick (" + QString(refused.cause) + ")");
            QCOMPARE(h.ws.CurrentBlazon.Partition, 12);
            QCOMPARE(h.title(), std::string("Tessaline [armes.bls]"));
        }
    }

    void exportWritesTheChosenBitmapAndClosesTheDialog() {
        Harness h;
        h.commands->exportPicture();
        QVERIFY(h.commands->pageDialog().isVisible());
        QVERIFY(!h.inDialog<QWidget>("colourChoice")->isVisible());
        h.inDialog<QLineEdit>("zoomText")->selectAll();
        h.inDialog<QLineEdit>("zoomText")->insert("100");

        // A cancelled file dialog leaves the dialog open.
        QTest::mouseClick(h.inDialog<QPushButton>("actionButton"), Qt::LeftButton);
        QVERIFY(h.commands->pageDialog().isVisible());
        QCOMPARE(h.messages.saveDialogs.back().title, QString("Exporter en fichier graphique"));
        QCOMPARE(h.messages.saveDialogs.back().filter, QString("Bitmap (*.bmp)"));

        h.messages.saveFiles = {h.path("page.bmp")};
        QTest::mouseClick(h.inDialog<QPushButton>("actionButton"), Qt::LeftButton);
        QVERIFY(!h.commands->pageDialog().isVisible());
        const auto page = loadPicture(h.path("page.bmp").toStdString());
        QVERIFY(page);
        QCOMPARE(page->width(), 265);
        QCOMPARE(page->height(), 340);
        QCOMPARE(QString::fromStdString(h.ws.Recent.LastExportFolder),
                 QDir(h.home.path()).path() + "/");
        QVERIFY(h.redraws > 0);
    }

    void printingWithoutAPrinterSaysSoAndStaysOpen() {
        Harness h;
        h.commands->printPicture();
        QCOMPARE(h.inDialog<QLabel>("titleLabel")->text(),
                 QString("Imprimer sur (aucune imprimante)"));
        QTest::mouseClick(h.inDialog<QPushButton>("actionButton"), Qt::LeftButton);
        QCOMPARE(h.messages.boxes.back().title, QString("Erreur #482"));
        QVERIFY(h.commands->pageDialog().isVisible());
        QVERIFY(!h.ws.PrintBlackWhite);
        QTest::mouseClick(h.inDialog<QPushButton>("helpButton"), Qt::LeftButton);
        QCOMPARE(h.help, std::vector<int>{3});
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
