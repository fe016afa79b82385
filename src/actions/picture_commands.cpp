// The picture list's commands: add, delete, and a bank picture's phrase.
#include "actions/picture_commands.h"

#include <cstdint>

#include "actions/apply_edit.h"
#include "actions/bank_slots.h"
#include "actions/budget_messages.h"
#include "model/image_bank.h"
#include "model/picture_budget.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/text_encoding.h"
#include "render/renderer.h"
#include "storage/error_numbers.h"

namespace tess {

namespace {

// The box of a picture the add command could not take: its number says why.
FileMessage addFailure(int number) {
    return trappedErrorMessage(number, "Erreur survenu dans la procédure CDialog de mnuImAdd");
}

// Why a picture cannot join the list; empty when it can. A picture that is
// no file, cut short or too large for the document is said in our words.
FileMessage pictureRefusal(const PictureRead& read, const std::string& fileName,
                           std::int64_t left) {
    const std::string name = "« " + fileName + " »";
    switch (read.refusal) {
        case PictureRefusal::None:
            return {};
        case PictureRefusal::Missing:
            return addFailure(kFileNotFoundError);
        case PictureRefusal::Unreadable:
            return addFailure(kPermissionDeniedError);
        case PictureRefusal::NotAPicture:
            return addFailure(kInvalidPictureError);
        case PictureRefusal::NotAFile:
            return FileMessage::exclamation("Tessaline", notAFileText(fileName));
        case PictureRefusal::LinkLoop:
            return FileMessage::exclamation("Tessaline", linkLoopText(fileName));
        case PictureRefusal::Damaged:
            return trappedErrorMessage(
                kInvalidPictureError,
                "L'image " + name +
                    " est abîmée : elle s'arrête avant la fin de ses points, ou ses points ne se "
                    "lisent pas. Aucun meuble n'a été ajouté.");
        case PictureRefusal::TooLarge:
            break;
    }
    return FileMessage::exclamation("Ajouter une image",
                                    pictureTooLargeText(fileName, read.width, read.height, left));
}

// Every undo copy forgets the slot: its charges on it go out of use.
void forgetSlotInUndos(Workspace& ws, int slot) {
    for (int k = 1; k <= kUndoDepth; ++k) {
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = ws.Undos[k].Charges[n];
            if (c.ImageIndex != slot) continue;
            c.InUse = kFalse;
            c.ImageIndex = 0;
        }
    }
}

}  // namespace

PictureAddOutcome AddPictureToList(Workspace& ws, const std::string& path, FileMessage* refusal) {
    const std::string fileName = FileNameOfPath(path);
    if (!fitsWindows1252(fileName)) {
        passRefusal(refusal,
                    FileMessage::exclamation(
                        "Tessaline", "Le nom « " + fileName +
                                         " » contient des caractères qu'un blason ne peut pas "
                                         "enregistrer. Renommez le fichier, puis ajoutez-le de "
                                         "nouveau."));
        return PictureAddOutcome::Refused;
    }
    ws.Recent.LastImageFolder = FolderOfPath(path);

    const std::string text = pictureDisplayName(fileName);
    for (const PictureListItem& item : ws.Pictures) {
        if (item.Text != text) continue;
        passRefusal(refusal, FileMessage::exclamation(
                                 "Tessaline", "Cette image est déjà présente dans la liste."));
        return PictureAddOutcome::Duplicate;
    }
    // The list's counters stop at 255: one more overflows.
    if (int(ws.Pictures.size()) >= kPictureListLimit) {
        passRefusal(refusal, addFailure(kOverflowError));
        return PictureAddOutcome::Refused;
    }
    // The picture must fit what the document can still take with it placed
    // once: checked on its header, before a pixel is decoded.
    const std::int64_t left = PictureBudgetLeft(ws.CurrentBlazon, ws.Bank, ws.SelectedCharge);
    const PictureRead read = readPicture(path, newPicturePixels(left));
    if (FileMessage why = pictureRefusal(read, displayedName(fileName), left); !why.empty()) {
        passRefusal(refusal, std::move(why));
        return PictureAddOutcome::Refused;
    }
    ++ws.ImageKeyCounter;
    ws.Pictures.push_back({"im" + std::to_string(ws.ImageKeyCounter), text, path});
    return PictureAddOutcome::Added;
}

int PictureBankSlot(const Workspace& ws, const std::string& text) {
    for (int s = 1; s <= kImageBankSize; ++s)
        if (ws.Bank[s].InUse != 0 && ws.Bank[s].DisplayName == text) return s;
    return 0;
}

int PictureUseCount(const Workspace& ws, int slot) {
    int n = 0;
    for (int c = 1; c <= kChargeCount; ++c)
        if (ws.CurrentBlazon.Charges[c].ImageIndex == slot) ++n;
    return n;
}

EditOutcome DeletePictureFromList(Workspace& ws, Renderer& r, int item) {
    if (item < 0 || item >= int(ws.Pictures.size())) return NothingDone();
    const std::string text = ws.Pictures[std::size_t(item)].Text;
    const int slot = PictureBankSlot(ws, text);
    EditOutcome out;
    if (slot != 0) {
        if (PictureUseCount(ws, slot) > 0)
            return NothingDone(FileMessage::exclamation(
                text,
                "L'image est présentement en utilisation et ne peut être supprimée de la banque."));
        out = ApplyEdit(ws, r, UndoStep::None, [&] {
            ReleaseImageSlot(ws, r.Charges, slot);
            forgetSlotInUndos(ws, slot);
        });
    }
    ws.Pictures.erase(ws.Pictures.begin() + item);
    out.done = true;
    return out;
}

std::optional<PictureProperties> PicturePropertiesOf(const Workspace& ws, int slot) {
    if (slot < 1 || slot > kImageBankSize || ws.Bank[slot].InUse == 0) return std::nullopt;
    const ImageBankEntry& e = ws.Bank[slot];
    PictureProperties p;
    p.slot = slot;
    p.nameCaption = "Nom: " + e.DisplayName;
    p.sizeCaption = "Dimensions: " + std::to_string(e.Height) + " x " + std::to_string(e.Width);
    p.useCaption = "Utilisé " + std::to_string(PictureUseCount(ws, slot)) + " fois sur le blason";
    p.phrase = e.Phrase;
    return p;
}

std::string PicturePhraseProblem(const std::string& phrase) {
    if (fitsWindows1252(phrase)) return {};
    return "L'expression contient des caractères qu'un blason ne peut pas enregistrer. "
           "Employez les lettres de l'alphabet français.";
}

EditOutcome SetPicturePhrase(Workspace& ws, Renderer& r, int slot, const std::string& phrase) {
    if (slot < 1 || slot > kImageBankSize || ws.Bank[slot].InUse == 0) return NothingDone();
    const std::string problem = PicturePhraseProblem(phrase);
    if (!problem.empty())
        return NothingDone(FileMessage::exclamation("Propriétés du meuble", problem));
    return ApplyEdit(ws, r, UndoStep::None, [&] { ws.Bank[slot].Phrase = phrase; });
}

}  // namespace tess
