#pragma once

#include <string>

#include "actions/apply_edit.h"
#include "actions/charge_placing.h"
#include "actions/redraw_result.h"
#include "model/records.h"
#include "platform/surface.h"

namespace tess {

struct Workspace;
class Renderer;

// The commands on the charge held in the overlay. While a charge is held its
// record is out of use (the shield is drawn without it) and every undo copy
// but the commit's keeps it as it was picked up (`Workspace::HeldUndoRecord`).

// Takes charge n (1..50, in use, with a usable picture) off the shield into
// the overlay: its record goes out of use and the shield is redrawn without
// it. No undo step; the document is not marked modified. False, with nothing
// changed, for any other charge or while another is held.
bool PickUpCharge(Workspace& ws, Renderer& r, int n, RedrawResult& shown);

// The one commit path of the overlay. A held charge goes back into its own
// record with the overlay's box rounded to whole pixels; a new picture (nothing
// held) takes the first free record. One undo step, the document marked
// modified, one redraw. Not done when placing refuses (all fifty records in
// use, a picture the bank cannot take: the outcome says why); then the held
// state is left exactly as it was, so nothing is lost.
EditOutcome CommitHeldCharge(Workspace& ws, Renderer& r, const OverlayBox& overlay);

// Lets go of the held charge without a step: its record becomes again what
// the undo copies hold for it (the charge as picked up, or the free record a
// pasted copy took). Nothing when nothing is held.
void LetGoOfHeldCharge(Workspace& ws);

// Flips the held charge, or with `wholeGroup` every member of its group, as one
// undo step. Not done when nothing is held.
EditOutcome MirrorHeldCharge(Workspace& ws, Renderer& r, bool wholeGroup);

// Toggles "broché sur le tout" on the held charge; no undo step, the document
// marked modified. Not done when nothing is held.
EditOutcome ToggleHeldChargeOverAll(Workspace& ws, Renderer& r);

// A tincture 1..11 dropped on the held charge: its record takes it and its
// working picture is recoloured. No undo step (the commit's step keeps the new
// tincture) and no redraw (the charge is not on the shield while held); the
// document is marked modified when the tincture is a new one. Not done when
// nothing is held or the tincture is none.
EditOutcome RecolourHeldCharge(Workspace& ws, Renderer& r, int tincture);

// The last charge copied, outside the document: its record, its own copy of
// the working picture, and what tells whether it can still be pasted.
struct ChargeClipboard {
    bool valid = false;
    ChargeRecord record;
    Surface workingPicture;
    std::string bankFileName;  // the bank picture it shows, by name
    std::string text;          // what we put on the system clipboard
};

// The held charge's copy; the caller puts `text` (the charge's number) on the
// system clipboard. An empty copy when nothing is held.
ChargeClipboard CopyHeldCharge(const Workspace& ws, const Renderer& r);

// Whether the copy can be pasted now: it was made, its bank picture is still
// in the bank under the same name, and the system clipboard still holds the
// text we put there (text left by another program pastes nothing).
bool CanPasteCharge(const Workspace& ws, const Renderer& r, const ChargeClipboard& copy,
                    const std::string& clipboardText);

// Puts the copy into the first free record and holds it: same tincture, size,
// mirroring and "broché" flag, no group. No undo step, no redraw. Returns the
// record number, 0 when the copy cannot be pasted, no record is free or the
// document's picture budget cannot take one more charge (what the user must
// be told of the latter two is left in `refusal` when given).
int PasteCharge(Workspace& ws, Renderer& r, const ChargeClipboard& copy,
                FileMessage* refusal = nullptr);

}  // namespace tess
