#include "editor/program.h"

#include <QApplication>

#include "dialogs/intro_window.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/main_window.h"
#include "platform/paths.h"
#include "widgets/program_font.h"
#include "widgets/ui_pictures.h"

namespace tess {

Program::Program(Options options, std::unique_ptr<MessageLayer> messages)
    : options_(std::move(options)),
      messages_(std::move(messages)),
      session_(std::make_unique<DocumentSession>(*messages_)) {}

Program::~Program() {
    // The main window talks to the session until it goes: it goes first.
    mainWindow_.reset();
    intro_.reset();
}

Workspace& Program::ws() {
    return session_->ws();
}

Renderer& Program::r() {
    return session_->r();
}

void Program::start() {
    // Set before the first window, so every window is made in it.
    QApplication::setFont(programFont());
    // One icon for every window, Qt's own dialogs included. An icon per
    // window would leave each question's copy of it in Qt's pixmap cache.
    QApplication::setWindowIcon(programIconImage());
    IntroWindow::Options s;
    s.frameIntervalMs = options_.frameIntervalMs;
    s.probe = options_.probe
                  ? options_.probe
                  : DriveProbe([](const std::string& folder) { return probeDrive(folder); });
    // The folder is only named here, not made: a refused drive gets nothing written.
    s.programFolder = programFolderPath();
    s.loadMainWindow = [this] { loadMainWindow(); };
    s.endProcess = options_.endProcess;
    intro_ = std::make_unique<IntroWindow>(*messages_, std::move(s));
    intro_->load();
}

void Program::loadMainWindow() {
    MainWindow::Options o;
    o.commandLine = options_.commandLine;
    o.programPath = options_.programPath;
    o.endProgram = options_.endProgram;
    mainWindow_ = std::make_unique<MainWindow>(*session_, std::move(o), intro_.get());
    if (auto* widgets = dynamic_cast<WidgetMessages*>(messages_.get()))
        widgets->setParent(mainWindow_.get());
    mainWindow_->load();
    if (options_.mainWindowShown) options_.mainWindowShown();
}

}  // namespace tess
