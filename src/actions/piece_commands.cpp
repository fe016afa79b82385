#include "actions/piece_commands.h"

#include "actions/held_charge.h"
#include "model/motifs.h"
#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "model/placements.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "render/renderer.h"

namespace tess {

namespace {

constexpr int kMostRepeats = 2;
// The zone whose `Line` holds the partition's line.
constexpr int kPartitionZone = 1;

bool repeats(Long type) {
    return type >= kPal && type <= kOrle;
}

bool onFirstOrderPiece(const ChargeRecord& c) {
    return c.InUse != 0 && c.Placement == kPlacedOnFirstOrder;
}

}  // namespace

EditOutcome ChoosePiece(Workspace& ws, Renderer& r, int type, const std::string& name) {
    if (type < kChef || type > kCroix) return NothingDone();
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        BlazonRecord& b = ws.CurrentBlazon;
        if (type > kEcusson) {
            b.Ordinary2.Present = kTrue;
            b.Ordinary2.Name = name;
            b.Ordinary2.Type = type;
            return;
        }
        OrdinaryRecord& o = b.Ordinary1;
        if (o.Present == 0 || o.Type != type || !repeats(o.Type)) {
            o.Present = kTrue;
            o.Repeat = 0;
            o.Name = name;
            o.Type = type;
            return;
        }
        o.Repeat = o.Repeat >= kMostRepeats ? 0 : Byte(o.Repeat + 1);
    });
}

EditOutcome SetPieceSize(Workspace& ws, Renderer& r, PieceOrder order, PieceSize size) {
    const bool first = order == PieceOrder::First;
    Integer value = kSizeFull;
    if (size == PieceSize::Filet) value = kSizeFillet;
    if (size == PieceSize::Diminished)
        value = first ? kSizeFirstOrderDiminished : kSizeSecondOrderDiminished;
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        (first ? ws.CurrentBlazon.Ordinary1 : ws.CurrentBlazon.Ordinary2).Size = value;
    });
}

EditOutcome RemoveSecondOrderPiece(Workspace& ws, Renderer& r) {
    return ApplyEdit(ws, r, UndoStep::Take, [&] { ws.CurrentBlazon.Ordinary2.Present = kFalse; });
}

std::string FirstOrderRemovalQuestion(const Workspace& ws) {
    int count = 0, first = 0;
    for (int n = 1; n <= kChargeCount; ++n) {
        if (!onFirstOrderPiece(ws.CurrentBlazon.Charges[n])) continue;
        if (count++ == 0) first = n;
    }
    if (count == 0) return {};
    const int slot = ws.CurrentBlazon.Charges[first].ImageIndex;
    const std::string m =
        (slot >= 1 && slot <= kImageBankSize) ? FileNameOfPath(ws.Bank[slot].FileName) : "";
    if (count == 1)
        return m +
               " demeure sur la pièce. Supprimer cette pièce supprimera tous les meubles qui y "
               "sont apposés. Désirez-vous néanmoins supprimer cette pièce ?";
    return "Des meubles dont " + m +
           " demeurent sur la pièce. Supprimer cette pièce supprimera tout les meubles qui y sont "
           "apposés. Désirez-vous néanmoins supprimer cette pièce ?";
}

EditOutcome RemoveFirstOrderPiece(
    Workspace& ws, Renderer& r,
    const std::function<bool(const std::string& text, const std::string& title)>& confirm) {
    const std::string question = FirstOrderRemovalQuestion(ws);
    if (!question.empty() && !(confirm && confirm(question, kFirstOrderRemovalTitle)))
        return NothingDone();
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = ws.CurrentBlazon.Charges[n];
            if (!onFirstOrderPiece(c)) continue;
            if (c.Motif != 0) RemoveChargeFromMotif(ws, c.Motif, n);
            ClearCharge(ws, r, n);
            c.Placement = 0;
        }
        ws.CurrentBlazon.Ordinary1.Present = kFalse;
    });
}

LineStyleSubject LineStyleSubjectOf(const BlazonRecord& blazon, EdgeLine edge) {
    LineStyleSubject s;
    switch (edge) {
        case EdgeLine::Partition:
            s.part = kPartitionZone;
            s.diagonal = blazon.Partition == kTranche || blazon.Partition == kTaille ||
                         blazon.Partition == kTierceEnBande || blazon.Partition == kTierceEnBarre;
            break;
        case EdgeLine::FirstOrderPiece:
            s.part = kFirstOrderZone;
            s.diagonal = blazon.Ordinary1.Type == kBande || blazon.Ordinary1.Type == kBarre;
            s.pieceWidth = blazon.Ordinary1.Size > 0 ? blazon.Ordinary1.Size : 0;
            break;
        case EdgeLine::SecondOrderPiece:
            // Adextre, sénestre and champagne, the only pieces with a line of
            // their own, all have straight edges.
            s.part = kSecondOrderZone;
            s.diagonal = false;
            s.pieceWidth = blazon.Ordinary2.Size > 0 ? blazon.Ordinary2.Size : 0;
            break;
    }
    s.style = blazon.Parts[s.part].Line;
    return s;
}

EditOutcome ApplyLineStyle(Workspace& ws, Renderer& r, int part, const LineStyle& style,
                           UndoStep undo) {
    if (part != kPartitionZone && part != kSecondOrderZone && part != kFirstOrderZone)
        return NothingDone();
    return ApplyEdit(ws, r, undo, [&] { ws.CurrentBlazon.Parts[part].Line = style; });
}

}  // namespace tess
