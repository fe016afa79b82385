#include "actions/left_out_pictures.h"

#include <algorithm>

#include "platform/file_reading.h"

namespace tess {

void LeftOutGroup::name(const std::string& shown) {
    if (std::find(names.begin(), names.end(), shown) == names.end()) names.push_back(shown);
}

namespace {

std::string quoted(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "« " : ", « ") + name + " »";
    return list;
}

// The words of one cause, for one file and for several: the sentence naming
// the files, what the document opens without, and how to get it back.
struct Words {
    std::string head;
    const char* without;
    const char* again;
};

std::string told(const LeftOutGroup& group, const Words& one, const Words& several) {
    const bool single = group.names.size() == 1;
    const Words& words = single ? one : several;
    std::string text = words.head + " Le blason s'ouvre sans " + words.without;
    if (group.charges == 1)
        text += single ? " et sans le meuble qui la montrait"
                       : " et sans le meuble qui en montrait une";
    else if (group.charges > 1)
        text += " et sans les " + std::to_string(group.charges) +
                (single ? " meubles qui la montraient" : " meubles qui les montraient");
    return text + ". " + words.again;
}

std::string damagedText(const LeftOutGroup& group) {
    const std::string list = quoted(group.names);
    return told(group,
                {"Cette image est trop grande ou abîmée : " + list + ".", "elle",
                 "Pour la retrouver, remettez une image lisible sous ce nom à côté du blason, "
                 "puis rouvrez-le avant de le sauvegarder."},
                {"Ces images sont trop grandes ou abîmées : " + list + ".", "elles",
                 "Pour les retrouver, remettez des images lisibles sous ces noms à côté du "
                 "blason, puis rouvrez-le avant de le sauvegarder."});
}

std::string notFilesText(const LeftOutGroup& group) {
    const std::string list = quoted(group.names);
    return told(group,
                {notAFileWords(list, false), "cette image",
                 "Pour la retrouver, mettez à sa place l'image elle-même sous ce nom, puis "
                 "rouvrez le blason avant de le sauvegarder."},
                {notAFileWords(list, true), "ces images",
                 "Pour les retrouver, mettez à leur place les images elles-mêmes sous ces "
                 "noms, puis rouvrez le blason avant de le sauvegarder."});
}

std::string missingMasksText(const LeftOutGroup& group) {
    const std::string list = quoted(group.names);
    return told(group,
                {"Ce masque est manquant : " + list + ".", "son image",
                 "Pour la retrouver, remettez ce masque à côté du blason, puis rouvrez-le avant "
                 "de le sauvegarder."},
                {"Ces masques sont manquants : " + list + ".", "leurs images",
                 "Pour les retrouver, remettez ces masques à côté du blason, puis rouvrez-le "
                 "avant de le sauvegarder."});
}

// The pictures are readable and stay in the list: only their charges are
// out, because the document's pictures together pass what one holds.
std::string overBudgetText(const LeftOutGroup& group) {
    const bool oneCharge = group.charges == 1;
    std::string text =
        "Trop d'images pour un seul blason : ensemble, elles dépassent ce qu'un blason peut "
        "contenir, et ";
    text += oneCharge ? std::string("un meuble a été laissé de côté.")
                      : std::to_string(group.charges) + " meubles ont été laissés de côté.";
    const std::string list = quoted(group.names);
    if (group.names.size() > 1)
        return text + " Leurs images " + list + " restent dans la liste des meubles.";
    return text + (oneCharge ? " Son image " : " Leur image ") + list +
           " reste dans la liste des meubles.";
}

}  // namespace

bool LeftOutPictures::empty() const {
    return damaged.empty() && notFiles.empty() && missingMasks.empty() && overBudget.empty() &&
           furs.empty();
}

FileMessage LeftOutPictures::message() const {
    std::string text;
    auto add = [&](const std::string& sentences) {
        text += (text.empty() ? "" : "\n\n") + sentences;
    };
    if (!damaged.empty()) add(damagedText(damaged));
    if (!notFiles.empty()) add(notFilesText(notFiles));
    if (!missingMasks.empty()) add(missingMasksText(missingMasks));
    if (!overBudget.empty()) add(overBudgetText(overBudget));
    for (const std::string& fur : furs) add(fur);
    if (text.empty()) return {};
    return FileMessage::exclamation("Ouvrir un blason", text);
}

}  // namespace tess
