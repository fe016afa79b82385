#pragma once

#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/frm_splash.h"
#include "editor/form1.h"
#include "editor/picture_box.h"
#include "editor/program.h"
#include "platform/qimage_bridge.h"
#include "scripted_messages.h"

// One run of the program in a fresh program folder, answered by a script:
// the intro without its pace, a local disk, and ends that only take note.
struct ProgramHarness {
    QTemporaryDir home;
    ScriptedMessages* messages = nullptr;
    std::unique_ptr<tess::Program> program;
    int processEnded = 0;
    int programEnded = 0;

    explicit ProgramHarness(std::string commandLine = {},
                            tess::DriveKind drive = tess::DriveKind::LocalDisk) {
        qputenv("TESSALINE_HOME", home.path().toUtf8());
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

    tess::Form1& window() { return *program->mainWindow(); }
    tess::Workspace& ws() { return program->ws; }
};
