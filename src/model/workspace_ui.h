#pragma once

#include <string>

namespace tess {

// What the document operations ask of the windows (the overlay, the lists, the
// swatches, the clipboard). The editor implements it; the core and its tests
// use the silent default.
class WorkspaceUi {
public:
    virtual ~WorkspaceUi() = default;
    // The selected-charge overlay and its frames are hidden and emptied.
    virtual void clearHeldCharge() {}
    virtual void clearClipboard() {}
    virtual void clearImageBankList() {}
    virtual void hideUserFurSwatch(int slot) {}
    // A message box with an OK button (style 48: exclamation, 16: stop sign).
    virtual void showMessage(const std::string& text, int style, const std::string& title) {}
    // The wait box, shown without waiting while a long step runs, then hidden.
    virtual void showWaitBox(const std::string& text) {}
    virtual void hideWaitBox() {}
};

}  // namespace tess
