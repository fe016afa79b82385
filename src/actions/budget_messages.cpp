#include "actions/budget_messages.h"

#include "model/picture_budget.h"

namespace tess {

namespace {

// A refusal: what was refused and why, what to remove, and the step to take
// again once it is removed.
std::string refusal(const char* refusedBecause, const char* again) {
    return std::string(refusedBecause) + "Retirez des meubles ou des images du blason, puis " +
           again + " de nouveau.";
}

}  // namespace

std::string pictureTooLargeText(const std::string& fileName, int width, int height,
                                std::int64_t left) {
    const std::string size = width > 0 && height > 0 ? " (" + std::to_string(width) + " x " +
                                                           std::to_string(height) + " points)"
                                                     : std::string();
    const int side = largestNewSquareSide(left);
    const std::string room =
        side > 0 ? " Ce blason peut encore recevoir une image d'au plus " + std::to_string(side) +
                       " x " + std::to_string(side) +
                       " points : réduisez l'image, ou retirez des meubles ou des images du "
                       "blason, puis ajoutez-la de nouveau."
                 : " Ce blason ne peut plus recevoir d'image : retirez des meubles ou des "
                   "images du blason, puis ajoutez-la de nouveau.";
    return "L'image « " + fileName + " »" + size +
           " est trop grande pour ce blason : une fois sauvegardé, il ne pourrait plus être "
           "rouvert en entier." +
           room;
}

std::string chargeOverBudgetText() {
    return refusal(
        "Ce meuble ne peut pas être placé : avec lui, les images du blason dépasseraient ce "
        "qu'un blason peut rouvrir. ",
        "placez-le");
}

std::string copiesOverBudgetText() {
    return std::string(
               "Ces meubles ne peuvent pas être disposés : avec leurs copies, les images du "
               "blason dépasseraient ce qu'un blason peut rouvrir. Demandez moins de copies, ou ") +
           "retirez des meubles ou des images du blason.";
}

std::string saveOverBudgetText() {
    return refusal(
        "Ce blason n'a pas été sauvegardé : ses images dépassent ce qu'un blason peut rouvrir, "
        "et une partie s'en perdrait à sa prochaine ouverture. ",
        "sauvegardez");
}

bool chargeFitsBudget(const Workspace& ws, const BlazonRecord& blazon, int slot, int heldCharge,
                      FileMessage* refusal) {
    const ImageBankEntry& picture = ws.Bank[slot];
    if (chargeCost(picture.Width, picture.Height) <= PictureBudgetLeft(blazon, ws.Bank, heldCharge))
        return true;
    if (refusal) *refusal = FileMessage::exclamation("Ajouter une image", chargeOverBudgetText());
    return false;
}

}  // namespace tess
