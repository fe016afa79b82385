#pragma once

#include <array>
#include <functional>
#include <string>

#include <QWidget>

#include "editor/form1_menus.h"
#include "model/records.h"
#include "model/workspace_ui.h"
#include "actions/redraw_result.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;
class PictureBox;
class frmSplash;
struct FileDialogs;

// The main window: a window without a system frame that draws its own title
// bar and holds the whole editor. Its handlers are thin: the document belongs
// to the workspace, the pictures to the renderer, and each redraw returns what
// the window shows besides the canvas.
class Form1 : public QWidget, public WorkspaceUi {
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

    Form1(Workspace& ws, Renderer& r, MessageLayer& messages, Options options,
          frmSplash* splash = nullptr);
    ~Form1() override;

    // The start-up, run once by the start-up window's load.
    void Form_Load();

    // The undo push of every edit: the current document onto the undo stack,
    // and the unsaved mark in the title.
    void SetUndos();
    // Empties charge record n (1..50) and drops its recolouring layers; any
    // other number is ignored.
    void ClearCharge(int n);
    void FillPiecesList();
    // The undo of the toolbar: the newest copy comes back and is redrawn. The
    // document keeps its file (an older copy may predate its first save) and
    // the unsaved mark stays as it is.
    void undoLast();

    // The redraw cycle's end: the shield redrawn and its result shown.
    void redraw();
    // Shows what a redraw returned: canvas, menus, option pictures, marker,
    // shape chooser, toolbar frame colours, blazon and warning.
    void applyRedraw(const RedrawResult& result);
    // The title label from the document's path and unsaved mark.
    void refreshTitle();

    // Asks before quitting with unsaved changes; true when the quit goes on
    // (then everything is released and the program ends).
    bool Form_QueryUnload();

    // Tabs, title bar, free area of the window.
    void Label1_Click();
    void Label3_Click();
    void Command1_Click();
    void Command2_Click();
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_Resize();
    // Deletes the held charge (asking whether its whole group goes with it) or
    // drops the overlay's picture; the overlay ends in every case.
    void mnuActDel_Click();

    // What the storage commands ask of the window.
    FileDialogs fileDialogs();

    // WorkspaceUi
    void clearHeldCharge() override;
    void clearClipboard() override;
    void clearImageBankList() override;
    void hideUserFurSwatch(int slot) override;
    void showMessage(const std::string& text, int style, const std::string& title) override;
    void showWaitBox(const std::string& text) override;
    void hideWaitBox() override;

    // Public variables.
    Byte FurSlotIndex = 0;
    // The help file beside the program, for the dialogs' help buttons.
    std::string HelpFile;

    // Controls.
    PictureBox* Picture1 = nullptr;  // the canvas
    QLabel* SelPic = nullptr;        // the overlay, inside the canvas
    QString SelPicTag;               // the overlay's picture: its path or file name
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* LineF = nullptr;
    QFrame* LineG = nullptr;
    PictureBox* CenteringPic = nullptr;
    PictureBox* DeportPic = nullptr;
    PictureBox* EmPic = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture6 = nullptr;
    PictureBox* Picture3 = nullptr;
    std::array<PictureBox*, 4> UserPic{};
    PictureBox* Picture5 = nullptr;  // the toolbar
    QFrame* SelShape = nullptr;
    QFrame* TopLine = nullptr;
    QFrame* LeftLine = nullptr;
    QFrame* RightLine = nullptr;
    QFrame* DownLine = nullptr;
    PictureBox* ReducedPic = nullptr;
    PictureBox* ReducedPic2 = nullptr;
    QLabel* WarnLabel = nullptr;
    PictureBox* WarnPic = nullptr;
    QLabel* Label2 = nullptr;  // the title
    QLabel* Label1 = nullptr;  // tab "Meubles"
    QLabel* Label3 = nullptr;  // tab "Pièces"
    QLabel* Label5 = nullptr;
    QLabel* LblOrdre2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* CoordCaption = nullptr;
    QLabel* PartCaption = nullptr;
    QListWidget* ListView1 = nullptr;
    QListWidget* ListView2 = nullptr;
    QPushButton* Command1 = nullptr;  // close
    QPushButton* Command2 = nullptr;  // minimise
    Form1Menus menus;

    // The texts shown when a held charge is thrown off the shield.
    std::array<QString, 11> DropJokes;
    int DropJokeIndex = 0;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildTitleBar();
    void buildCanvas();
    void buildPalettes();
    void buildChoosers();
    void buildLists();
    void wireMenus();
    void progress(const QString& text);
    void paintTincturePalette();
    void applyRecentMenu();
    void hideOverlay();
    QPoint globalPointer() const;

    Workspace& ws_;
    Renderer& r_;
    MessageLayer& messages_;
    Options options_;
    frmSplash* splash_;

    int TitleGrabX = 0;
    int TitleGrabY = 0;
    QString SelectedImageKey;
    int SelectedPieceIndex = 0;
    bool MovingCharge = false;
    bool ResizingCharge = false;
    bool released_ = false;
};

}  // namespace tess
