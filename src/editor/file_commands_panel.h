#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "actions/file_commands.h"
#include "actions/redraw_result.h"
#include "dialogs/print_dialog.h"

class QWidget;

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;
class PageText;
class DialogHost;

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
        // The document was replaced (new, open), or a recent one was chosen
        // even when refused: the window drops the picture chosen in the list.
        std::function<void()> documentReplaced;
        // A new document took the old one's place (new, open, or an open that
        // failed and left a blank one): the window lets go of what it held of
        // the old one.
        std::function<void()> documentReset;
        // The title and the recent documents' entries follow the workspace.
        std::function<void()> refreshTitle;
        // What the storage asks while a document opens (the question box,
        // missing side files).
        std::function<FileDialogs()> documentDialogs;
        // The help file at a topic.
        std::function<void(int topic)> help;
    };

    FileCommands(Workspace& ws, Renderer& r, MessageLayer& messages, DialogHost& dialogs,
                 QWidget* window, Window hooks);
    ~FileCommands() override;

    void newDocument();
    void openDocument();
    void saveDocument();
    void saveDocumentAs();
    void exportPicture();
    void printPicture();
    void toggleGrid();
    void openRecent(int n);

    // The print and export dialog, open or not.
    PrintDialog& pageDialog();

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
    DialogHost& host_;
    QWidget* window_;
    Window hooks_;
    std::unique_ptr<PageText> pageText_;
};

}  // namespace tess
