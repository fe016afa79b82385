#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QWidget>

namespace tess {

class DocumentSession;
class IntroWindow;
class DialogHost;
class HelpOpener;
class TitleBar;
class TincturePalettePanel;
class PiecesListPanel;
class FileCommands;

// The main window: a window without a system frame that draws its own title
// bar and holds the whole editor. It only builds the panels, lays them out and
// connects them; each panel owns its widgets and handlers and is handed the
// document session (and whatever else it needs), never the window.
class MainWindow : public QWidget {
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

    MainWindow(DocumentSession& session, Options options, IntroWindow* intro = nullptr);
    ~MainWindow() override;

    // The start-up, run once by the intro window: folders, settings, the
    // surfaces, every dialog's own load, the blank or named document.
    void load();

    // Asks before quitting with unsaved changes; true when the quit goes on
    // (then everything is released and the program ends).
    bool confirmQuit();

    DocumentSession& session() { return session_; }
    DialogHost& dialogs() { return *dialogs_; }
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

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildPanels();
    void addDialogs();
    void progress(const QString& text);
    void showHelp(int topic);
    // Minimised, the taskbar shows the title; shown, the window keeps to the
    // top of the screen.
    void windowStateChanged();

    DocumentSession& session_;
    Options options_;
    IntroWindow* intro_;
    std::unique_ptr<DialogHost> dialogs_;
    std::unique_ptr<HelpOpener> help_;
    // The panels the start-up and the window's state still speak to.
    TitleBar* titleBar_ = nullptr;
    TincturePalettePanel* tincturePanel_ = nullptr;
    PiecesListPanel* piecesListPanel_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    bool released_ = false;
};

}  // namespace tess
