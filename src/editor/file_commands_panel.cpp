#include "editor/file_commands_panel.h"
#include "widgets/utf8_text.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QString>

#include "dialogs/dialog_host.h"
#include "dialogs/message_layer.h"
#include "model/workspace.h"
#include "platform/page_text.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "render/renderer.h"
#include "storage/settings_file.h"

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
      hooks_(std::move(hooks)) {}

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
