#include "model/document.h"

#include <string>
#include <utility>

#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "model/placed_charges.h"
#include "model/shield_shapes.h"
#include "model/tincture_table.h"

namespace tess {

namespace {

struct ZoneStart {
    Long Kind;
    Long Tincture;
};

// The émaux of a new document, parts 1..7 (element 0 unused).
constexpr ZoneStart kNewZones[kPartCount + 1] = {
    {0, 0},
    {kClassColour, kAzur},
    {kClassMetal, kOr},
    {kClassColour, kGueules},
    {kClassMetal, kOr},
    {kClassColour, kGueules},
    // Never painted: it only collects charges over several parts.
    {kContreHermineOrSable, kContreHermineOrSable},
    {kClassMetal, kOr},
};

void resetPieces(BlazonRecord& b) {
    // Type, Name and the reserved fields stay: a former Chef still lets part 7
    // take a coat of arms, as documents have always behaved.
    b.Ordinary1.Present = 0;
    b.Ordinary1.Size = 0;
    b.Ordinary1.Shift = 0;
    b.Ordinary1.Repeat = 0;
    b.Ordinary2.Present = 0;
    b.Ordinary2.Size = 0;
}

void resetZones(BlazonRecord& b) {
    for (int p = 1; p <= kPartCount; ++p) {
        PartRecord& part = b.Parts[p];
        part.Kind = kNewZones[p].Kind;
        part.Tincture = kNewZones[p].Tincture;
        part.InsertedPath.clear();
        part.Line = LineStyle{};
    }
}

void resetCharges(BlazonRecord& b) {
    // Position, placement and class stay: they mean nothing while out of use.
    for (int c = 1; c <= kChargeCount; ++c) {
        ChargeRecord& charge = b.Charges[c];
        charge.InUse = 0;
        charge.Mirrored = 0;
        charge.ImageIndex = 0;
        charge.Brochant = 0;
        charge.Width = 0;
        charge.Height = 0;
        charge.Motif = 0;
        charge.ImageName.clear();
        charge.Tincture = -1;
    }
}

void resetGroups(MotifTable& groups) {
    // Member slots and phrases keep their old contents; a new group clears them.
    for (int g = 1; g <= kMotifCount; ++g) {
        groups.Motifs[g].InUse = 0;
        groups.Motifs[g].Count = 0;
    }
    groups.MotifCounter = 0;
}

void resetBank(ImageBank& bank) {
    // The renderer drops a slot's surfaces once it sees the slot out of use.
    for (int i = 1; i <= kImageBankSize; ++i) {
        ImageBankEntry& entry = bank[i];
        entry.InUse = 0;
        entry.Width = 0;
        entry.Height = 0;
        entry.Loaded = 0;
        entry.OwnTincture = 0;
        entry.FileName.clear();
        entry.DisplayName.clear();
        entry.Phrase.clear();
    }
}

}  // namespace

void ResetDocument(Workspace& ws) {
    BlazonRecord& b = ws.CurrentBlazon;

    ws.SelectedCharge = 0;

    b.Folder.clear();
    b.FilePath.clear();
    ws.ImageKeyCounter = 0;
    ws.Pictures.clear();

    resetPieces(b);
    b.InsetShape = kShapeClassique;
    b.Partition = kPlainField;
    b.ShieldShape = kShapeClassique;
    resetZones(b);
    resetCharges(b);
    resetGroups(ws.Groups);
    resetBank(ws.Bank);

    for (int s = 0; s < kUserFurCount; ++s) {
        UserFurRecord& fur = b.UserFurs[s];
        fur.Path.clear();
        fur.DominantTincture = 0;
        fur.Phrase.clear();
    }

    for (int k = 1; k <= kUndoDepth; ++k) ws.Undos[k] = b;
}

void PushUndo(Workspace& ws) {
    // Moving rather than copying keeps a push to one copy of the record.
    for (int k = kUndoDepth; k >= 2; --k) ws.Undos[k] = std::move(ws.Undos[k - 1]);
    ws.Undos[1] = ws.CurrentBlazon;
    if (ws.SelectedCharge >= 1 && ws.SelectedCharge <= kChargeCount)
        ws.Undos[1].Charges[std::size_t(ws.SelectedCharge)] = ws.HeldUndoRecord;
}

void UndoLast(Workspace& ws) {
    // Which file the document is saved to is not part of its drawing: an undo
    // after "save as" must not point it back at the old file (the next save
    // would overwrite that one) nor, after a first save, forget its file.
    std::string folder = std::move(ws.CurrentBlazon.Folder);
    std::string filePath = std::move(ws.CurrentBlazon.FilePath);
    ws.CurrentBlazon = std::move(ws.Undos[1]);
    ws.CurrentBlazon.Folder = std::move(folder);
    ws.CurrentBlazon.FilePath = std::move(filePath);
    // An undone placing leaves its record taken without a picture: it is free
    // again now, not at the next hit test that happens to look.
    FreeChargesWithoutPicture(ws.CurrentBlazon);
    for (int k = 1; k < kUndoDepth; ++k) ws.Undos[k] = std::move(ws.Undos[k + 1]);
    // The oldest copy stays where it was as well, so it can be restored again.
    ws.Undos[kUndoDepth] = ws.Undos[kUndoDepth - 1];
}

bool PartCanHoldBlazon(const BlazonRecord& blazon, int part) {
    if (isFieldPart(part)) {
        if (blazon.Partition == kEcartele) return true;
        if (blazon.Partition >= kPartiMiCoupeSenestre && blazon.Partition <= kCoupeMiPartiPointe)
            return part == 2 || part == 3;
        return false;
    }
    if (part == kFirstOrderZone)
        return blazon.Ordinary1.Type == kChef || blazon.Ordinary1.Type == kEcusson;
    return false;
}

bool OrdinaryCanBeNarrowed(const BlazonRecord& blazon, int which) {
    if (which == 1) return blazon.Ordinary1.Type != kChef && blazon.Ordinary1.Type != kEcusson;
    if (which == 2) return isSizedOrdinary2(blazon.Ordinary2.Type);
    return false;
}

}  // namespace tess
