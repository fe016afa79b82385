#pragma once

#include <string>

namespace tess {

// What an action must have the windows do while it runs: the wait box, shown
// without waiting while a long step runs, then hidden. Nothing else goes
// through here: what the user must be told afterwards comes back in the
// action's outcome, and its questions are asked through what it is handed.
// The editor implements it; the core and its tests use the silent default.
class WorkspaceUi {
  public:
    virtual ~WorkspaceUi() = default;
    virtual void showWaitBox(const std::string& text) {}
    virtual void hideWaitBox() {}
};

}  // namespace tess
