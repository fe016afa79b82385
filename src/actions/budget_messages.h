#pragma once

#include <cstdint>
#include <string>

#include "model/workspace.h"
#include "storage/file_message.h"

namespace tess {

// The words of every refusal of the document's picture budget
// (model/picture_budget.h): what would not fit, and what the user can do.

// A picture brought in (the list's "Ajouter", a first placing) whose size,
// `width` x `height` from its header (0 when unknown), passes what is `left`.
std::string pictureTooLargeText(const std::string& fileName, int width, int height,
                                std::int64_t left);
// One more charge of a picture already in the document.
std::string chargeOverBudgetText();
// Whether one more charge of bank picture `slot` fits in what the document
// leaves of the budget (the held charge `heldCharge` counted as placed);
// when not, the refusal goes where `refusal` points.
bool chargeFitsBudget(const Workspace& ws, const BlazonRecord& blazon, int slot, int heldCharge,
                      FileMessage* refusal);
// The copies of an arrangement.
std::string copiesOverBudgetText();
// A document beyond the budget (undo brought back charges whose pictures had
// been replaced meanwhile), refused before its save writes anything.
std::string saveOverBudgetText();

}  // namespace tess
