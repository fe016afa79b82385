#include "editor/file_commands_panel.h"
#include "widgets/utf8_text.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QString>

#include "actions/opening.h"
#include "dialogs/dialog_host.h"
#include "dialogs/message_layer.h"
#include "editor/menu_items.h"
#include "model/workspace.h"
#include "platform/page_text.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "render/renderer.h"
#include "storage/interrupted_save.h"
#include "storage/settings_file.h"
#include "widgets/busy_pointer.h"

namespace tess {

namespace {

// Paths are the system's bytes: decoded for a dialog, its answer encoded
// back, never round-tripped through UTF-8 text.
QString fromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string toPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The job's name in the printer's queue.
constexpr const char* kPrintJobName = "Tessaline";

}  // namespace

FileCommands::FileCommands(Workspace& ws, Renderer& r, MessageLayer& messages, DialogHost& dialogs,
                           QWidget* window, Window hooks)
    : QObject(window),
      ws_(ws),
      r_(r),
      messages_(messages),
      host_(dialogs),
      window_(window),
      hooks_(std::move(hooks)) {
    buildMenu(window);
}

void FileCommands::buildMenu(QWidget* window) {
    QMenu& m = *(fileMenu_ = makeMenu(*window, "fileMenu"));
    auto& items = items_;
    const auto item = [&items](FileItem which) -> QAction*& { return items[std::size_t(which)]; };
    item(FileItem::New) = addItem(m, "newAction", "&Nouveau");
    item(FileItem::Open) = addItem(m, "openAction", "&Ouvrir");
    item(FileItem::Save) = addItem(m, "saveAction", "&Sauvegarder");
    QAction* saveAsAction = addItem(m, "saveAsAction", "S&auvegarder sous");
    m.addSeparator();
    item(FileItem::Export) = addItem(m, "exportAction", "&Exporter");
    item(FileItem::Print) = addItem(m, "printAction", "Im&primer");
    m.addSeparator();
    item(FileItem::Grid) = addItem(m, "gridAction", "&Grille", true);
    recentSeparator_ = addSeparator(m, "recentSeparator");
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QByteArray name = "recentFileAction" + QByteArray::number(n);
        QAction* recent = addItem(m, name.constData(), "");
        recent->setVisible(false);
        recentFileActions_[std::size_t(n)] = recent;
        connect(recent, &QAction::triggered, this, [this, n] { openRecent(n); });
    }
    addSeparator(m, "quitSeparator");
    QAction* quitAction = addItem(m, "quitAction", "&Quitter");

    connect(quitAction, &QAction::triggered, this, [this] {
        if (hooks_.quit) hooks_.quit();
    });
    connect(item(FileItem::New), &QAction::triggered, this, &FileCommands::newDocument);
    connect(item(FileItem::Open), &QAction::triggered, this, &FileCommands::openDocument);
    connect(item(FileItem::Save), &QAction::triggered, this, &FileCommands::saveDocument);
    connect(saveAsAction, &QAction::triggered, this, &FileCommands::saveDocumentAs);
    connect(item(FileItem::Export), &QAction::triggered, this, &FileCommands::exportPicture);
    connect(item(FileItem::Print), &QAction::triggered, this, &FileCommands::printPicture);
    connect(item(FileItem::Grid), &QAction::triggered, this, &FileCommands::toggleGrid);
}

void FileCommands::loadRecentDocuments() {
    LoadSettingsFile(ws_.Recent);
    for (const std::string& recent : ws_.Recent.RecentFiles)
        if (settleDocumentFiles(recent) == InterruptedSave::Refused)
            messages_.show(refusedJournalMessage(recent));
    showRecentDocuments();
}

void FileCommands::openCommandLine(const std::string& commandLine) {
    const std::size_t first = commandLine.find_first_not_of(' ');
    if (first == std::string::npos) return;
    const std::string named =
        commandLine.substr(first, commandLine.find_last_not_of(' ') - first + 1);
    BusyPointer opening;
    // A relative name is the starting folder's: the document keeps a full
    // path so its side files and later saves find their folder.
    const OpenOutcome outcome =
        OpenCommandLineDocument(ws_, r_, absolutePath(named),
                                hooks_.documentDialogs ? hooks_.documentDialogs() : FileDialogs{});
    opening.release();
    messages_.show(outcome.message);
    showRecentDocuments();
}

void FileCommands::popupFileMenu(QPoint globalAt) {
    QAction* preferred = item(ws_.CurrentBlazon.FilePath.empty() ? FileItem::Open : FileItem::Save);
    messages_.popup(*fileMenu_, globalAt, preferred);
}

void FileCommands::showRecentDocuments() {
    const RecentMenu recent = recentMenu(ws_.Recent);
    for (int n = 1; n <= kRecentFileCount; ++n) {
        QAction* entry = recentFileActions_[std::size_t(n)];
        entry->setText(fromUtf8(recent.captions[std::size_t(n)]));
        entry->setVisible(recent.visible[std::size_t(n)]);
    }
    recentSeparator_->setVisible(recent.separatorVisible);
}

void FileCommands::applyRedraw(const RedrawResult& result) {
    applyItemState(*item(FileItem::Grid), result.Menus.grid);
}

PrintDialog& FileCommands::pageDialog() {
    return host_.get<PrintDialog>();
}

FileCommands::~FileCommands() = default;

void FileCommands::showMessage(const FileMessage& message) {
    messages_.show(message);
}

FileCommandDialogs FileCommands::dialogs() {
    FileCommandDialogs d;
    d.chooseOpen = [this](const std::string& title, const std::string& filter,
                          const std::string& folder) {
        return toPath(
            messages_.openFile(fromUtf8(title), fromPath(folder), dialogFilter(fromUtf8(filter))));
    };
    d.chooseSave = [this](const std::string& title, const std::string& filter,
                          const std::string& preset, const std::string& folder) {
        return toPath(messages_.saveFile(fromUtf8(title), fromPath(folder),
                                         dialogFilter(fromUtf8(filter)), fromPath(preset)));
    };
    d.show = [this](const FileMessage& message) { showMessage(message); };
    d.busy = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    if (hooks_.documentDialogs) d.documents = hooks_.documentDialogs();
    return d;
}

void FileCommands::finish(const FileCommandOutcome& outcome, bool replacesDocument) {
    if (outcome.changed && replacesDocument && hooks_.documentReset) hooks_.documentReset();
    if (outcome.changed && replacesDocument && hooks_.documentReplaced) hooks_.documentReplaced();
    if (outcome.redraw && hooks_.showRedraw) hooks_.showRedraw(*outcome.redraw);
    if (hooks_.refreshTitle) hooks_.refreshTitle();
    showRecentDocuments();
}

void FileCommands::newDocument() {
    finish(NewDocumentCommand(ws_, r_, dialogs()), true);
}

void FileCommands::openDocument() {
    finish(OpenDocumentCommand(ws_, r_, dialogs()), true);
}

void FileCommands::openRecent(int n) {
    const FileCommandOutcome outcome = OpenRecentCommand(ws_, r_, n, dialogs());
    // The picture chosen in the list is let go even when the document is
    // refused or the question answered "Non".
    if (!outcome.changed && hooks_.documentReplaced) hooks_.documentReplaced();
    finish(outcome, true);
}

void FileCommands::saveDocument() {
    finish(SaveDocumentCommand(ws_, r_, SaveCommand::Save, dialogs()), false);
}

void FileCommands::saveDocumentAs() {
    finish(SaveDocumentCommand(ws_, r_, SaveCommand::SaveAs, dialogs()), false);
}

void FileCommands::toggleGrid() {
    const RedrawResult result = ToggleGrid(ws_, r_);
    if (hooks_.showRedraw) hooks_.showRedraw(result);
}

void FileCommands::exportPicture() {
    openPageDialog(PageCommand::Export);
}

void FileCommands::printPicture() {
    openPageDialog(PageCommand::Print);
}

// Each command opens the dialog afresh from the canvas as it stands; the
// window stays blocked behind it until it closes, and nothing waits for it.
void FileCommands::openPageDialog(PageCommand command) {
    PrintDialog& dialog = pageDialog();
    if (dialog.isOpen()) return;
    const std::string printer = command == PageCommand::Print ? defaultPrinterName() : "";
    PrintDialog::Input input{.command = command,
                             .canvas = r_.canvas,
                             .shapeMask = r_.shapeMask(),
                             .printerName = printer,
                             .messages = &messages_,
                             .help = hooks_.help};
    if (command == PageCommand::Print)
        input.act = [this, printer](const PageOptions& options) {
            return printPage(options, printer);
        };
    else
        input.act = [this](const PageOptions& options) { return exportPage(options); };
    dialog.open(std::move(input), host_.state<PrintDialog>(), [](const auto&) {});
}

bool FileCommands::exportPage(const PageOptions& options) {
    const QString chosen =
        messages_.saveFile(QString::fromUtf8(kExportTitle), fromPath(ws_.Recent.LastExportFolder),
                           dialogFilter(QString::fromUtf8(kExportFilter)), QString());
    if (chosen.isEmpty()) return false;
    const std::string path = toPath(chosen);
    ws_.Recent.LastExportFolder = FolderOfPath(path);
    if (!pageText_) pageText_ = makePageText();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageOutcome out = ExportPicture(ws_, r_, options, path, *pageText_);
    QApplication::restoreOverrideCursor();
    if (out.redraw && hooks_.showRedraw) hooks_.showRedraw(*out.redraw);
    showMessage(out.message);
    return out.done;
}

bool FileCommands::printPage(const PageOptions& options, const std::string& printer) {
    if (!pageText_) pageText_ = makePageText();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PageOutcome out =
        PrintPicture(ws_, r_, options, printer, *pageText_,
                     [](const Surface& page) { return printPageImage(page, kPrintJobName); });
    QApplication::restoreOverrideCursor();
    if (out.redraw && hooks_.showRedraw) hooks_.showRedraw(*out.redraw);
    showMessage(out.message);
    return out.done;
}

}  // namespace tess
