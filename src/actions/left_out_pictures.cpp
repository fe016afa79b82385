#include "actions/left_out_pictures.h"

#include <algorithm>
#include <array>

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

// The words of one cause, [0] for one file and [1] for several: the
// sentence naming the files, what the document opens without, and how to get
// it back.
struct Cause {
    std::string (*head)(const std::string& quotedNames, bool several);
    const char* without[2];
    std::array<const char*, 2> again;
};

std::string told(const LeftOutGroup& group, const Cause& cause) {
    const bool several = group.names.size() > 1;
    std::string text = cause.head(quoted(group.names), several) + " Le blason s'ouvre sans " +
                       cause.without[several];
    if (group.charges == 1)
        text += several ? " et sans le meuble qui en montrait une"
                        : " et sans le meuble qui la montrait";
    else if (group.charges > 1)
        text += " et sans les " + std::to_string(group.charges) +
                (several ? " meubles qui les montraient" : " meubles qui la montraient");
    return text + ". " + cause.again[several];
}

const Cause kDamaged = {
    [](const std::string& list, bool several) {
        return (several ? "Ces images sont trop grandes ou abîmées : "
                        : "Cette image est trop grande ou abîmée : ") +
               list + ".";
    },
    {"elle", "elles"},
    {"Pour la retrouver, remettez une image lisible sous ce nom à côté du blason, puis "
     "rouvrez-le avant de le sauvegarder.",
     "Pour les retrouver, remettez des images lisibles sous ces noms à côté du blason, puis "
     "rouvrez-le avant de le sauvegarder."},
};

const Cause kNotFiles = {
    notAFileWords,
    {"cette image", "ces images"},
    {"Pour la retrouver, mettez à sa place l'image elle-même sous ce nom, puis rouvrez le "
     "blason avant de le sauvegarder.",
     "Pour les retrouver, mettez à leur place les images elles-mêmes sous ces noms, puis "
     "rouvrez le blason avant de le sauvegarder."},
};

// Put back as a picture that is no file is.
const Cause kLinkLoops = {linkLoopWords, {"cette image", "ces images"}, kNotFiles.again};

const Cause kNotAllowed = {
    [](const std::string& list, bool several) {
        return (several ? "Vous n'avez pas le droit de lire ces images : "
                        : "Vous n'avez pas le droit de lire cette image : ") +
               list + ".";
    },
    {"elle", "elles"},
    {"Pour la retrouver, donnez-vous le droit de la lire, puis rouvrez le blason avant de le "
     "sauvegarder.",
     "Pour les retrouver, donnez-vous le droit de les lire, puis rouvrez le blason avant de le "
     "sauvegarder."},
};

const Cause kMissingMasks = {
    [](const std::string& list, bool several) {
        return (several ? "Ces masques sont manquants : " : "Ce masque est manquant : ") + list +
               ".";
    },
    {"son image", "leurs images"},
    {"Pour la retrouver, remettez ce masque à côté du blason, puis rouvrez-le avant de le "
     "sauvegarder.",
     "Pour les retrouver, remettez ces masques à côté du blason, puis rouvrez-le avant de le "
     "sauvegarder."},
};

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
    return damaged.empty() && notFiles.empty() && linkLoops.empty() && notAllowed.empty() &&
           missingMasks.empty() && overBudget.empty() && furs.empty();
}

FileMessage LeftOutPictures::message() const {
    std::string text;
    auto add = [&](const std::string& sentences) {
        text += (text.empty() ? "" : "\n\n") + sentences;
    };
    if (!damaged.empty()) add(told(damaged, kDamaged));
    if (!notFiles.empty()) add(told(notFiles, kNotFiles));
    if (!linkLoops.empty()) add(told(linkLoops, kLinkLoops));
    if (!notAllowed.empty()) add(told(notAllowed, kNotAllowed));
    if (!missingMasks.empty()) add(told(missingMasks, kMissingMasks));
    if (!overBudget.empty()) add(overBudgetText(overBudget));
    for (const std::string& fur : furs) add(fur);
    if (text.empty()) return {};
    return FileMessage::exclamation("Ouvrir un blason", text);
}

}  // namespace tess
