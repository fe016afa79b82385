#pragma once

#include <functional>
#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "actions/apply_edit.h"
#include "dialogs/intro_window.h"
#include "editor/blazon_panel.h"
#include "editor/canvas_panel.h"
#include "editor/charge_overlay.h"
#include "editor/lists.h"
#include "editor/main_window.h"
#include "editor/palettes.h"
#include "editor/piece_options.h"
#include "editor/program.h"
#include "editor/title_bar.h"
#include "editor/toolbar_panel.h"
#include "platform/qimage_bridge.h"
#include "scripted_messages.h"
#include "widgets/picture_box.h"

// One run of the program in a fresh folder of its own, answered by a script:
// the intro without its pace, a local disk, and ends that only take note. The
// folder is both the program folder and the user's data folder, so nothing a
// run writes (documents, settings, a desktop registration) reaches the
// person's own folders.
struct ProgramHarness {
    QTemporaryDir home;
    ScriptedMessages* messages = nullptr;
    std::unique_ptr<tess::Program> program;
    int processEnded = 0;
    int programEnded = 0;

    explicit ProgramHarness(std::string commandLine = {},
                            tess::DriveKind drive = tess::DriveKind::LocalDisk) {
        qputenv("TESSALINE_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        tess::Program::Options o;
        o.commandLine = std::move(commandLine);
        o.frameIntervalMs = 0;
        o.probe = [drive](const std::string&) { return drive; };
        o.endProcess = [this] { ++processEnded; };
        o.endProgram = [this] { ++programEnded; };
        auto scripted = std::make_unique<ScriptedMessages>();
        messages = scripted.get();
        program = std::make_unique<tess::Program>(std::move(o), std::move(scripted));
    }

    // Starts and waits for the end of the start-up (main window shown, or the
    // process ended by the drive check).
    bool start() {
        program->start();
        return QTest::qWaitFor(
            [this] {
                return processEnded > 0 ||
                       (program->mainWindow() && program->mainWindow()->isVisible());
            },
            10000);
    }

    tess::MainWindow& window() { return *program->mainWindow(); }
    tess::Workspace& ws() { return program->ws; }

    // An edit as a panel makes it: through the actions' one road (an undo
    // step, the unsaved mark, the redraw), shown in the window. Without a
    // change it is the bare step a command takes before it asks.
    void edit(const std::function<void()>& change = [] {}) {
        window().context().show(tess::ApplyEdit(ws(), program->r, tess::UndoStep::Take, change));
    }
};
