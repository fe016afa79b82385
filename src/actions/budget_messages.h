#pragma once

#include <cstdint>
#include <string>

namespace tess {

// The words of every refusal of the document's picture budget
// (model/picture_budget.h): what would not fit, and what the user can do.

// A picture brought in (the list's "Ajouter", a first placing) whose size,
// `width` x `height` from its header (0 when unknown), passes what is `left`.
std::string pictureTooLargeText(const std::string& fileName, int width, int height,
                                std::int64_t left);
// One more charge of a picture already in the document.
std::string chargeOverBudgetText();
// The copies of an arrangement.
std::string copiesOverBudgetText();
// A coat of arms inserted into a part that held none.
std::string armsOverBudgetText();
// A document beyond the budget (undo brought back charges whose pictures had
// been replaced meanwhile), refused before its save writes anything.
std::string saveOverBudgetText();

}  // namespace tess
