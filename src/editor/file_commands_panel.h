#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QObject>
#include <QPoint>

#include "actions/file_commands.h"
#include "actions/redraw_result.h"
#include "dialogs/print_dialog.h"
#include "model/settings.h"

class QAction;
class QMenu;
class QWidget;

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;
class PageText;
class DialogHost;

// The file menu's items that other controls run as their own: the toolbar's
// buttons and the canvas's Ctrl keys.
enum class FileItem { New, Open, Save, Export, Print, Grid, Count };

// The file menu and its commands, also called by the toolbar and the canvas's
// Ctrl keys: new, open, save, save as, export, print, the grid, the recent
// documents and the quit. Each runs its use case from src/actions through the
// window's message layer (file dialogs, questions, boxes) and hands the
// window what changed through `Window`.
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
        // The title follows the workspace (the recent documents' entries
        // follow it here).
        std::function<void()> refreshTitle;
        // What the storage asks while a document opens (the question box,
        // missing side files).
        std::function<FileDialogs()> documentDialogs;
        // The help file at a topic.
        std::function<void(int topic)> help;
        // "Quitter": the window closes, asking first about unsaved changes.
        std::function<void()> quit;
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

    // The menu's own item, so its check mark and every watcher follow.
    QAction* item(FileItem which) const { return items_[std::size_t(which)]; }

    // At start-up: the recent documents from the settings file, the saves
    // the last run could not finish settled first (a journal that is not its
    // document's own is left alone and named), then shown in the menu.
    void loadRecentDocuments();
    // The document named on the command line, taken whole as one path (blanks
    // around it dropped); nothing when it names none.
    void openCommandLine(const std::string& commandLine);

    // The menu over the window's free area, "Ouvrir" its default for a
    // document never saved, "Sauvegarder" else.
    void popupFileMenu(QPoint globalAt);
    // The recent documents' entries from the workspace's list.
    void showRecentDocuments();
    // The grid's check mark from a redraw.
    void applyRedraw(const RedrawResult& result);

    // The print and export dialog, open or not.
    PrintDialog& pageDialog();

  private:
    void buildMenu(QWidget* window);
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
    QMenu* fileMenu_ = nullptr;
    std::array<QAction*, std::size_t(FileItem::Count)> items_{};
    QAction* recentSeparator_ = nullptr;
    std::array<QAction*, kRecentFileCount + 1> recentFileActions_{};  // 1..4
};

}  // namespace tess
