#include "editor/program.h"

#include "dialogs/frm_splash.h"
#include "dialogs/message_layer.h"
#include "editor/form1.h"
#include "platform/paths.h"

namespace tess {

Program::Program(Options options, std::unique_ptr<MessageLayer> messages)
    : options_(std::move(options)), messages_(std::move(messages)) {}

Program::~Program() {
    // The main window talks to the workspace until it goes: it goes first.
    mainWindow_.reset();
    splash_.reset();
}

void Program::start() {
    frmSplash::Options s;
    s.frameIntervalMs = options_.frameIntervalMs;
    s.probe = options_.probe
                  ? options_.probe
                  : DriveProbe([](const std::string& folder) { return probeDrive(folder); });
    // The folder is only named here, not made: a refused drive gets nothing written.
    s.programFolder = programFolderPath();
    s.loadMainWindow = [this] { loadMainWindow(); };
    s.endProcess = options_.endProcess;
    splash_ = std::make_unique<frmSplash>(*messages_, std::move(s));
    splash_->Form_Load();
}

void Program::loadMainWindow() {
    Form1::Options o;
    o.commandLine = options_.commandLine;
    o.programPath = options_.programPath;
    o.endProgram = options_.endProgram;
    mainWindow_ = std::make_unique<Form1>(ws, r, *messages_, std::move(o), splash_.get());
    if (auto* widgets = dynamic_cast<WidgetMessages*>(messages_.get()))
        widgets->setParent(mainWindow_.get());
    mainWindow_->Form_Load();
    if (options_.mainWindowShown) options_.mainWindowShown();
}

}  // namespace tess
