#pragma once

#include <functional>
#include <memory>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "actions/apply_edit.h"
#include "actions/graphics_session.h"
#include "dialogs/intro_window.h"
#include "editor/alignment_strip.h"
#include "editor/blazon_panel.h"
#include "editor/canvas_menus.h"
#include "editor/canvas_panel.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/free_area.h"
#include "editor/fur_menu.h"
#include "editor/fur_palette_input.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/held_charge_view.h"
#include "editor/list_tabs.h"
#include "editor/main_window.h"
#include "editor/palettes.h"
#include "editor/picture_list_panel.h"
#include "editor/piece_options.h"
#include "editor/pieces_list_panel.h"
#include "editor/program.h"
#include "editor/tincture_palette_input.h"
#include "editor/title_bar.h"
#include "editor/toolbar_input.h"
#include "editor/toolbar_panel.h"
#include "model/document.h"
#include "platform/qimage_bridge.h"
#include "support/scripted_messages.h"
#include "support/widget_events.h"
#include "tests/support/temporary_folder.h"
#include "widgets/picture_box.h"

// The program folder and the user's data folder, both at `folder`: what a
// run writes goes there, never to the person's own folders.
inline void setProgramFolders(const QString& folder) {
    qputenv("TESSALINE_HOME", folder.toUtf8());
    qputenv("XDG_DATA_HOME", folder.toUtf8());
}

// A blank document drawn in the program's own graphics, made before any run
// for a test to change and save.
struct BlankDocument {
    tess::Workspace ws;
    tess::Renderer r;
    BlankDocument() {
        tess::InitGraphics(ws, r);
        tess::ResetDocument(ws);
    }
};

// One run of the program in a fresh folder of its own, answered by a script:
// the intro without its pace, a local disk, and ends that only take note. The
// folder is both the program folder and the user's data folder, so nothing a
// run writes (documents, settings, a desktop registration) reaches the
// person's own folders. Both are given back as they were when the harness goes:
// a harness made inside another's run must not leave that run writing into a
// folder already removed (which would make it again).
struct ProgramHarness {
    tess::testing::TemporaryFolder home;
    ScriptedMessages* messages = nullptr;
    std::unique_ptr<tess::Program> program;
    int processEnded = 0;
    int programEnded = 0;

    explicit ProgramHarness(std::string commandLine = {},
                            tess::DriveKind drive = tess::DriveKind::LocalDisk)
        : programFolderBefore(qgetenv("TESSALINE_HOME")),
          dataFolderBefore(qgetenv("XDG_DATA_HOME")),
          programFolderWasSet(qEnvironmentVariableIsSet("TESSALINE_HOME")),
          dataFolderWasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        setProgramFolders(home.path());
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

    // The program ends in its own folder (its picture copies go from there),
    // then the folders before the harness come back.
    ~ProgramHarness() {
        program.reset();
        restore("TESSALINE_HOME", programFolderBefore, programFolderWasSet);
        restore("XDG_DATA_HOME", dataFolderBefore, dataFolderWasSet);
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
    tess::Workspace& ws() { return program->ws(); }

    // An edit as a panel makes it: through the actions' one road (an undo
    // step, the unsaved mark, the redraw), shown in the window. Without a
    // change it is the bare step a command takes before it asks.
    void edit(const std::function<void()>& change = [] {}) {
        program->session().show(tess::ApplyEdit(ws(), program->r(), tess::UndoStep::Take, change));
    }

  private:
    static void restore(const char* name, const QByteArray& value, bool wasSet) {
        if (wasSet)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    QByteArray programFolderBefore, dataFolderBefore;
    bool programFolderWasSet, dataFolderWasSet;
};

// A menu item of the window, by its object name; the test fails when there is
// none.
inline QAction* menuItem(QObject& window, const char* name,
                         const std::source_location& at = std::source_location::current()) {
    auto* item = window.findChild<QAction*>(QString::fromLatin1(name));
    return item ? item : missing<QAction>("menu item", name, at);
}

// A popup menu of the window, by its object name; the test fails when there is
// none.
inline QMenu* menuNamed(QObject& window, const char* name,
                        const std::source_location& at = std::source_location::current()) {
    auto* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
    return menu ? menu : missing<QMenu>("menu", name, at);
}
