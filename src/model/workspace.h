#pragma once

#include <array>
#include <string>

#include "model/image_bank.h"
#include "model/motifs.h"
#include "model/picture_list.h"
#include "model/records.h"
#include "model/settings.h"
#include "model/tincture_table.h"
#include "model/tinctures.h"
#include "model/warnings.h"
#include "model/workspace_ui.h"

namespace tess {

// Everything that lives for the whole run besides the drawing surfaces (which
// the renderer owns): the document, its undo stack and the tables beside it.
// One instance is made at start-up and handed to whatever needs it; tests make
// a fresh one each.
struct Workspace {
    Workspace() = default;
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    BlazonRecord CurrentBlazon;
    std::array<BlazonRecord, kUndoDepth + 1> Undos{};  // 1 newest .. 25 oldest
    TinctureTable Tinctures = FactoryTinctures();
    ImageBank Bank{};
    MotifTable Groups;
    WarningList Warnings;
    Settings Recent;

    // The unsaved-changes mark of the title: set by every change to the document.
    bool Modified = false;
    // The picture list's entries and the counter of their keys.
    PictureList Pictures;
    Long ImageKeyCounter = 0;
    // The charge held in the overlay (0 none).
    int SelectedCharge = 0;
    // What an undo copy taken while a charge is held keeps in that charge's
    // record: the charge as it was when picked up (in use, its box, tincture
    // and mirroring), or the free record a pasted copy took. Without it, undoing
    // the deletion or the mirror of a held charge would lose it. The commit's
    // own copy takes the charge as it is put down (see AddCharge).
    ChargeRecord HeldUndoRecord;
    // Flags of the drawing: a black-and-white page is being drawn; the grid is shown.
    bool PrintBlackWhite = false;
    bool GridVisible = false;

    WorkspaceUi* ui = &silentUi;

  private:
    WorkspaceUi silentUi;
};

}  // namespace tess
