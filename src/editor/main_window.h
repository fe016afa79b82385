#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "editor/editor_context.h"
#include "model/workspace_ui.h"

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;
class IntroWindow;
class DialogHost;
struct FileDialogs;
struct RedrawResult;
class TitleBar;
class ToolbarPanel;
class ToolbarInput;
class CanvasPanel;
class HeldChargeState;
class HeldChargeView;
class HeldChargeTool;
class ClipboardCommands;
class BlazonPanel;
class TincturePalettePanel;
class FurPalettePanel;
class PieceOptions;
class PictureListPanel;
class PiecesListPanel;
class CanvasMenus;
class FileCommands;
class HelpOpener;

// The main window: a window without a system frame that draws its own title
// bar and holds the whole editor. It only builds the panels, lays them out and
// connects them; each panel owns its widgets and handlers. The document
// belongs to the workspace, the pictures to the renderer, and each redraw
// returns what the panels show besides the canvas.
class MainWindow : public QWidget, public WorkspaceUi {
    Q_OBJECT
  public:
    struct Options {
        // The document named on the command line, taken whole as one path.
        std::string commandLine;
        // The program's own file, registered as the opener of documents; none
        // when empty (tests never register themselves).
        std::string programPath;
        // Ends the program after the quit has released everything.
        std::function<void()> endProgram;
    };

    MainWindow(Workspace& ws, Renderer& r, MessageLayer& messages, Options options,
               IntroWindow* intro = nullptr);
    ~MainWindow() override;

    // The start-up, run once by the intro window: folders, settings, the
    // surfaces, every dialog's own load, the blank or named document.
    void load();

    // The undo push of every edit: the current document onto the undo stack,
    // and the unsaved mark in the title.
    void SetUndos();
    // The undo of the toolbar: the newest copy comes back and is redrawn. The
    // document keeps its file (an older copy may predate its first save) and
    // the unsaved mark stays as it is.
    void undoLast();

    // The redraw cycle's end: the shield redrawn and its result shown.
    void redraw();
    // Hands what a redraw returned to the panels that show it.
    void applyRedraw(const RedrawResult& result);
    // The title from the document's path and unsaved mark.
    void refreshTitle();

    // Asks before quitting with unsaved changes; true when the quit goes on
    // (then everything is released and the program ends).
    bool confirmQuit();

    // The free area of the window (no control under the pointer): a right
    // press opens the file menu, a left one puts the held charge back.
    void freeAreaPressed(Qt::MouseButton button, QPointF at);
    // The pointer over the free area: hover marks go; a held charge carried
    // off the canvas is thrown away.
    void freeAreaMoved();
    // Deletes the held charge (asking whether its whole group goes with it) or
    // drops the overlay's picture; the overlay ends in every case.
    void deleteHeldCharge();

    // What the storage commands ask of the window.
    FileDialogs fileDialogs();
    // The help of a dialog's "?" button, by its topic.
    void showHelp(int topic);
    DialogHost& dialogs() { return *dialogs_; }
    // What the panels change the document through.
    const EditorContext& context() const { return context_; }
    // Opens the help at a topic; Ctrl+A on the canvas repeats the last request.
    HelpOpener& help() { return *help_; }

    // The window's panel of type Panel (its widgets, its handlers), for the
    // tests that drive it.
    template <class Panel>
    Panel& panel() const {
        Panel* found = findChild<Panel*>(QString(), Qt::FindChildrenRecursively);
        if (!found) qFatal("no panel %s", Panel::staticMetaObject.className());
        return *found;
    }

    // WorkspaceUi
    void clearHeldCharge() override;
    void clearClipboard() override;
    void clearImageBankList() override;
    void hideUserFurSwatch(int slot) override;
    void showMessage(const std::string& text, int style, const std::string& title) override;
    void showWaitBox(const std::string& text) override;
    void hideWaitBox() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void connectPanels();
    void progress(const QString& text);
    // Minimised, the taskbar shows the title; shown, the window keeps to the
    // top of the screen.
    void windowStateChanged();

    Workspace& ws_;
    Renderer& r_;
    MessageLayer& messages_;
    Options options_;
    IntroWindow* intro_;
    std::unique_ptr<DialogHost> dialogs_;
    EditorContext context_;
    std::unique_ptr<HelpOpener> help_;
    HeldChargeState* held_ = nullptr;

    TitleBar* titleBar_ = nullptr;
    ToolbarPanel* toolbarPanel_ = nullptr;
    ToolbarInput* toolbarInput_ = nullptr;
    CanvasPanel* canvasPanel_ = nullptr;
    HeldChargeTool* heldChargeTool_ = nullptr;
    ClipboardCommands* clipboard_ = nullptr;
    BlazonPanel* blazonPanel_ = nullptr;
    TincturePalettePanel* tincturePanel_ = nullptr;
    FurPalettePanel* furPanel_ = nullptr;
    PieceOptions* pieceOptions_ = nullptr;
    PictureListPanel* pictureListPanel_ = nullptr;
    PiecesListPanel* piecesListPanel_ = nullptr;
    CanvasMenus* canvasMenus_ = nullptr;
    FileCommands* fileCommands_ = nullptr;

    bool released_ = false;
};

}  // namespace tess
