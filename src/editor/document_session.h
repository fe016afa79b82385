#pragma once

#include <QObject>

#include "actions/edit_outcome.h"
#include "editor/held_charge_state.h"
#include "model/workspace.h"
#include "model/workspace_ui.h"
#include "render/renderer.h"
#include "storage/file_dialogs.h"

namespace tess {

class MessageLayer;

// The document being edited, for the whole run: the workspace (the document,
// its undo stack, the tables beside it), the renderer that owns every
// surface, the held charge, and the message layer every question goes
// through. The panels are handed it and connect to `redrawn` themselves: a
// panel never edits the document itself, it calls a command of src/actions/
// and hands what the command left to `show`, so every panel shows the same
// result.
class DocumentSession : public QObject, public WorkspaceUi {
    Q_OBJECT
  public:
    explicit DocumentSession(MessageLayer& messages);
    ~DocumentSession() override;

    Workspace& ws() { return ws_; }
    const Workspace& ws() const { return ws_; }
    Renderer& r() { return r_; }
    const Renderer& r() const { return r_; }
    MessageLayer& messages() const { return messages_; }
    HeldChargeState& held() { return held_; }
    const HeldChargeState& held() const { return held_; }

    // Hands what a redraw returned to every panel that shows it.
    void show(const RedrawResult& result);
    // What a command left: its redraw (or, changed without one, the title),
    // then what the user must be told.
    void show(const EditOutcome& outcome);
    // The shield redrawn as it stands, then shown.
    void redraw();
    // The title alone follows the document: a change nothing shows yet.
    void showTitle();

    // What the storage asks while a document opens or a coat of arms is
    // inserted: the yes/no box, the question box, and the file dialog that
    // looks for a missing side file in the last documents' folder.
    FileDialogs fileDialogs();

    // WorkspaceUi: the wait box an action shows while it runs.
    void showWaitBox(const std::string& text) override;
    void hideWaitBox() override;

  signals:
    // After each redraw, with what the panels show besides the canvas.
    void redrawn(const RedrawResult& result);
    // The document's file or unsaved mark may have changed without a redraw.
    void titleChanged();

  private:
    Workspace ws_;
    Renderer r_;
    MessageLayer& messages_;
    HeldChargeState held_;
};

}  // namespace tess
