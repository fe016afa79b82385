#pragma once

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
};

}  // namespace tess
