#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialogs/start_drive.h"

namespace tess {

class DocumentSession;
class MessageLayer;
class IntroWindow;
class MainWindow;
class Renderer;
struct Workspace;

// The whole program for one run: the message layer, the document session
// (the workspace, the renderer, the held charge) and the two windows, started
// in order by `start`.
class Program {
  public:
    struct Options {
        // The command line after the program's name, taken whole as one path.
        std::string commandLine;
        // The program's own file, for the document file type; empty: none.
        std::string programPath;
        int frameIntervalMs = 45;
        // The drive answer; the system's when empty.
        DriveProbe probe;
        // A refused drive: the process must end here without writing anything.
        std::function<void()> endProcess;
        // The quit, after everything is released.
        std::function<void()> endProgram;
        // Called once the main window is on screen.
        std::function<void()> mainWindowShown;
    };

    Program(Options options, std::unique_ptr<MessageLayer> messages);
    ~Program();

    // Shows the start-up window and starts its animation; the rest follows
    // from the event loop.
    void start();

    DocumentSession& session() { return *session_; }
    Workspace& ws();
    Renderer& r();
    MessageLayer& messages() { return *messages_; }
    IntroWindow* intro() { return intro_.get(); }
    MainWindow* mainWindow() { return mainWindow_.get(); }

  private:
    void loadMainWindow();

    Options options_;
    std::unique_ptr<MessageLayer> messages_;
    std::unique_ptr<DocumentSession> session_;
    std::unique_ptr<IntroWindow> intro_;
    std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace tess
