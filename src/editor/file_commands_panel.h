#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "actions/file_commands.h"
#include "dialogs/print_dialog.h"
#include "actions/redraw_result.h"

class QWidget;

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;
class PageText;

// The file menu's commands, also called by the toolbar and the canvas's Ctrl
// keys: new, open, save, save as, export, print, the grid and the recent
// documents. Each runs its use case from src/actions through the window's
// message layer (file dialogs, questions, boxes) and hands the window what
// changed through `Window`.
class FileCommands : public QObject {
    Q_OBJECT
  public:
    struct Window {
        // Shows a redraw's result (canvas, blazon, menus).
        std::function<void(const RedrawResult&)> showRedraw;
        // The document was replaced (new, open): the window drops what it
        // held of the old one (the held charge, the picture key, the lists).
        std::function<void()> documentReplaced;
        // The title and the recent documents' entries follow the workspace.
        std::function<void()> refreshTitle;
        // What the storage asks while a document opens (the question box,
        // missing side files).
        std::function<FileDialogs()> documentDialogs;
        // The help file at a topic.
        std::function<void(int topic)> help;
    };

    FileCommands(Workspace& ws, Renderer& r, MessageLayer& messages, QWidget* window, Window hooks);
    ~FileCommands() override;

    void newDocument();
    void openDocument();
    void saveDocument();
    void saveDocumentAs();
    void exportPicture();
    void printPicture();
    void toggleGrid();
    void openRecent(int n);

    // The print or export dialog while it is open, else null (for tests).
    PrintDialog* pageDialog() const { return pageDialog_.get(); }
    // The blazon choice of the page, kept for the whole run.
    PrintDialogMemory pageMemory;

  private:
    FileCommandDialogs dialogs();
    void finish(const FileCommandOutcome& outcome, bool replacesDocument);
    void openPageDialog(PageCommand command);
    bool exportPage(const PageOptions& options);
    bool printPage(const PageOptions& options, const std::string& printer);
    void showMessage(const FileMessage& message);

    Workspace& ws_;
    Renderer& r_;
    MessageLayer& messages_;
    QWidget* window_;
    Window hooks_;
    std::unique_ptr<PrintDialog> pageDialog_;
    std::unique_ptr<PageText> pageText_;
};

}  // namespace tess
