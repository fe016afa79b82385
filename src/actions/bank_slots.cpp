// The image bank's slots: charge pictures imported once, prepared for
// recolouring.
#include "actions/bank_slots.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

#include "actions/budget_messages.h"
#include "actions/edit_outcome.h"
#include "model/picture_budget.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/text_encoding.h"
#include "render/charge_recolouring.h"
#include "render/charge_surfaces.h"

namespace tess {
namespace {

constexpr int kCountedColours = 50;
constexpr Long kNoCountedColour = -1;

// The most frequent of the first 50 distinct colours met, scanning columns
// from the left, each from the top; the first met wins a tie. -1 when none.
class ColourCount {
  public:
    void add(Colour c) {
        if (used_ > 0 && colours_[last_] == c) {
            ++counts_[last_];
            return;
        }
        for (int i = 0; i < used_; ++i) {
            if (colours_[i] == c) {
                ++counts_[i];
                last_ = i;
                return;
            }
        }
        if (used_ == kCountedColours) return;
        colours_[used_] = c;
        counts_[used_] = 1;
        last_ = used_++;
    }
    Long dominant() const {
        int best = -1;
        for (int i = 0; i < used_; ++i)
            if (best < 0 || counts_[i] > counts_[best]) best = i;
        return best < 0 ? kNoCountedColour : Long(colours_[best]);
    }

  private:
    Colour colours_[kCountedColours]{};
    long counts_[kCountedColours]{};
    int used_ = 0;
    int last_ = 0;
};

// The picture's own bytes, the first `bytes` of its file: a file padded past
// its picture is not copied whole. Nothing reads the copy; a failure is not
// reported.
void copyToProgramFolder(const std::string& from, std::uint64_t bytes, const std::string& to) {
    const ReadOnlyFile file(from);
    std::vector<char> data(file.isOpen() ? std::size_t(std::min(bytes, file.size())) : 0);
    if (!file.isOpen() || file.readAt(0, data.data(), data.size()) != std::int64_t(data.size()))
        return;
    std::ofstream(to, std::ios::binary | std::ios::trunc)
        .write(data.data(), std::streamsize(data.size()));
}

}  // namespace

int AllocImageSlot(Workspace& ws, ChargeSurfaces& surfaces) {
    for (int s = 1; s <= kImageBankSize; ++s) {
        ImageBankEntry& e = ws.Bank[s];
        if (e.InUse != 0) continue;
        surfaces.releaseBankPicture(s);
        e.InUse = kTrue;
        e.Loaded = 0;
        e.KeyColour = kBankBlankKey;
        // A picture that comes into a reused slot must not inherit the name or
        // blazon phrase of the one deleted from it.
        e.DisplayName.clear();
        e.Phrase.clear();
        return s;
    }
    return 0;
}

int AddImageToBank(Workspace& ws, ChargeSurfaces& surfaces, const std::string& path, int charge,
                   Long key, FileMessage* refusal) {
    const int s = AllocImageSlot(ws, surfaces);
    if (s == 0) {
        passRefusal(refusal,
                    FileMessage::exclamation("Maximum atteint",
                                             "Nombre maximum d'images atteint... ce maximum "
                                             "était de 255...ça te tentait!!"));
        return 0;
    }
    // The picture comes in with its first charge: the document must be able
    // to take both and still reopen whole. Checked on the header, before a
    // pixel is decoded.
    const std::int64_t left = PictureBudgetLeft(ws.CurrentBlazon, ws.Bank, ws.SelectedCharge);
    PictureRead read = readPicture(path, newPicturePixels(left));
    if (!read.picture || read.picture->empty()) {
        ws.Bank[s].InUse = 0;
        const std::string name = displayedName(FileNameOfPath(path));
        passRefusal(refusal, FileMessage::exclamation(
                                 "Ajouter une image",
                                 read.refusal == PictureRefusal::TooLarge
                                     ? pictureTooLargeText(name, read.width, read.height, left)
                                     : "L'image " + name + " ne peut être lue."));
        return 0;
    }
    std::optional<Surface> loaded = std::move(read.picture);
    if (ws.CurrentBlazon.Folder.empty())
        copyToProgramFolder(path, read.pictureBytes, bankTempCopyPath(s));

    Surface picture = std::move(*loaded);
    const int w = picture.width(), h = picture.height();
    if (key < 0) key = Long(picture.pixel(0, 0));
    ws.ui->showWaitBox("\rCréation de la transparence");

    Surface mask(w, h, kWhite);
    ColourCount count;
    // Columns first: the order decides which colours are counted and ties.
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            Colour& c = picture.row(y)[x];
            if (c == Colour(key)) {
                c = kBlack;
                mask.row(y)[x] = kWhite;
            } else {
                mask.row(y)[x] = kBlack;
                count.add(c);
            }
        }
    }

    ImageBankEntry& e = ws.Bank[s];
    if (charge >= 1 && charge <= kChargeCount)
        ws.CurrentBlazon.Charges[charge].ImageIndex = Integer(s);
    e.KeyColour = key;
    e.Loaded = kTrue;
    e.FileName = path;
    if (characterCount(e.Phrase) <= 1) e.Phrase = pictureDisplayName(FileNameOfPath(path));
    e.DisplayName = e.Phrase;
    e.Width = Integer(w);
    e.Height = Integer(h);

    const Long dominant = count.dominant();
    e.OwnTincture = FindTinctureByColour(ws.Tinctures, Colour(dominant));
    if (e.OwnTincture == 0) {
        e.OwnTincture = kOr;
        ReplaceColour(picture, Colour(dominant), Colour(ws.Tinctures[kOr].Colour), h, w);
    }
    e.OwnClass = (e.OwnTincture == kOr || e.OwnTincture == kArgent) ? kClassMetal : kClassColour;
    surfaces.setBankPicture(s, std::move(picture), std::move(mask));
    ws.ui->hideWaitBox();
    return s;
}

void ReleaseImageSlot(Workspace& ws, ChargeSurfaces& surfaces, int slot) {
    if (slot < 1 || slot > kImageBankSize) return;
    ImageBankEntry& e = ws.Bank[slot];
    e.InUse = 0;
    e.Loaded = 0;
    e.FileName.clear();
    surfaces.releaseBankPicture(slot);
    if (ws.CurrentBlazon.Folder.empty()) {
        const std::string copy = bankTempCopyPath(slot);
        if (fileExists(copy)) removeFile(copy);
    }
}

}  // namespace tess
