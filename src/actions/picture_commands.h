#pragma once

#include <optional>
#include <string>

#include "actions/edit_outcome.h"

namespace tess {

struct Workspace;
class Renderer;

inline constexpr int kPictureListLimit = 255;

enum class PictureAddOutcome { Added, Duplicate, Refused };

// Adds the picture file `path` at the end of the picture list, under a new
// key. Refused with its message, the list unchanged: a name that cannot be
// written in a document (not Windows-1252), a name already in the list (the
// text compared, so "a1.gif" after "a1.bmp" is a duplicate), a file that is no
// readable bmp, gif or jpg, a picture cut short, a pipe, a device or a folder,
// a picture too large for the document (placed once, with its mask and its
// charge's layers, it would take the document past its picture budget, so
// that the document could not be reopened whole; model/picture_budget.h),
// a full list. The
// folder is kept for the next file dialog in every case but the first. The
// list is not the document: nothing to undo, the document stays unmodified.
// What the user must be told of a refusal is left in `refusal` when given.
PictureAddOutcome AddPictureToList(Workspace& ws, const std::string& path,
                                   FileMessage* refusal = nullptr);

// The bank slot (1..255) of the list entry with text `text`: the first slot in
// use whose display name equals it. 0 for a picture never placed.
int PictureBankSlot(const Workspace& ws, const std::string& text);

// How many charge records name `slot`, in use or not (the held charge too).
int PictureUseCount(const Workspace& ws, int slot);

// Removes list entry `item` (0-based) and gives its bank slot back. Refused,
// with its message in the outcome and nothing changed, while any charge
// record names the slot. A released slot changes the document (the bank is saved with it): no
// undo step, the document marked modified and redrawn; and undo copies stop
// naming it: an undo never brings a charge back onto a picture that left the
// bank, or onto another picture taking its slot. A picture never placed
// leaves the list alone: the document does not change.
EditOutcome DeletePictureFromList(Workspace& ws, Renderer& r, int item);

// What the properties window shows of bank slot `slot`, its captions as the
// window writes them. Empty for a slot out of range or not in use.
struct PictureProperties {
    int slot = 0;
    std::string nameCaption;  // "Nom: " and the display name
    std::string sizeCaption;  // "Dimensions: " height " x " width
    std::string useCaption;   // "Utilisé " n " fois sur le blason"
    std::string phrase;
};
std::optional<PictureProperties> PicturePropertiesOf(const Workspace& ws, int slot);

// Stores the blazon phrase of bank slot `slot` exactly as typed (an empty one
// too) and redraws, so the blazon shows it at once. No undo step, but the
// document is modified: the phrase is saved with it. Refused with a message in
// the outcome, the old phrase kept, for characters a document cannot hold.
EditOutcome SetPicturePhrase(Workspace& ws, Renderer& r, int slot, const std::string& phrase);

// The message of a phrase a document cannot hold (empty when it can), for the
// properties window to refuse it before it closes.
std::string PicturePhraseProblem(const std::string& phrase);

}  // namespace tess
