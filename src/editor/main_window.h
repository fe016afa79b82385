#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "editor/editor_context.h"
#include "editor/editor_menus.h"
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
class CanvasPanel;
class ChargeOverlay;
class BlazonPanel;
class TincturePalettePanel;
class FurPalettePanel;
class PieceOptions;
class PictureListPanel;
class PiecesListPanel;
class ListTabs;
class ChooserInput;
class FurPaletteInput;
class HelpOpener;
class FileCommands;
class CanvasInput;
class TincturePaletteInput;
class AlignmentStrip;
class ShiftZones;
class FurAndColourMenus;

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

    // WorkspaceUi
    void showWaitBox(const std::string& text) override;
    void hideWaitBox() override;

    // The help page beside the program, for the dialogs' help buttons.
    std::string HelpFile;
    // Opens the help at a topic; Ctrl+A on the canvas calls its repeatLast().
    std::unique_ptr<HelpOpener> help;

    // The panels, made by the constructor, owned by the window.
    TitleBar* titleBar = nullptr;
    ToolbarPanel* toolbarPanel = nullptr;
    CanvasPanel* canvasPanel = nullptr;
    ChargeOverlay* overlay = nullptr;
    BlazonPanel* blazonPanel = nullptr;
    TincturePalettePanel* tincturePanel = nullptr;
    FurPalettePanel* furPanel = nullptr;
    PieceOptions* pieceOptions = nullptr;
    PictureListPanel* pictureListPanel = nullptr;
    PiecesListPanel* piecesListPanel = nullptr;
    ListTabs* listTabs = nullptr;
    ChooserInput* chooserInput = nullptr;
    FurPaletteInput* furInput = nullptr;
    // New, open, save, save as, export, print, grid, recent documents.
    FileCommands* fileCommands = nullptr;
    EditorMenus menus;
    // What the canvas and the controls beside it do with the pointer and keys.
    CanvasInput* canvasInput = nullptr;
    TincturePaletteInput* tinctureInput = nullptr;
    AlignmentStrip* alignment = nullptr;
    ShiftZones* shiftZones = nullptr;
    // The fur menu, the colour menu and the insertion of coats of arms.
    FurAndColourMenus* furAndColourMenus = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void connectMenus();
    void progress(const QString& text);
    void applyRecentMenu();
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

    bool released_ = false;
};

}  // namespace tess
