// Charge groups: a fixed table of 100 records beside the document.
#include "model/motifs.h"

#include <algorithm>
#include <limits>

#include "model/workspace.h"

namespace tess {
namespace {

bool validGroup(int group) {
    return group >= 1 && group <= kMotifCount;
}
bool validCharge(int charge) {
    return charge >= 1 && charge <= kChargeCount;
}

Integer saturated(int value) {
    return Integer(std::clamp(value, int(std::numeric_limits<Integer>::min()),
                              int(std::numeric_limits<Integer>::max())));
}

void makeLiveAndEmpty(MotifRecord& motif) {
    motif.InUse = kTrue;
    motif.Count = 0;
    motif.Members.fill(0);
}

bool namedByAnyCharge(const BlazonRecord& blazon, int group) {
    for (int c = 1; c <= kChargeCount; ++c)
        if (blazon.Charges[c].Motif == group) return true;
    return false;
}

}  // namespace

Byte NewMotif(Workspace& ws) {
    MotifTable& table = ws.Groups;
    auto next = [](int g) { return g % kMotifCount + 1; };
    // Wrapping onto a live group would silently merge a new arrangement into
    // an old one whose charges still name it, so free groups come first. A
    // record freed while an undo has since given back charges naming it is
    // no free group either.
    int g = table.MotifCounter;
    for (int step = 0; step < kMotifCount; ++step) {
        g = next(g);
        if (table.Motifs[g].InUse == 0 && !namedByAnyCharge(ws.CurrentBlazon, g)) {
            table.MotifCounter = Byte(g);
            makeLiveAndEmpty(table.Motifs[g]);
            return Byte(g);
        }
    }
    // Every record is live. Groups survive undo while their charges may not:
    // one that no charge of the document names any more can be taken back.
    for (int step = 0; step < kMotifCount; ++step) {
        g = next(g);
        if (!namedByAnyCharge(ws.CurrentBlazon, g)) {
            table.MotifCounter = Byte(g);
            makeLiveAndEmpty(table.Motifs[g]);
            return Byte(g);
        }
    }
    return 0;
}

Byte AddChargeToMotif(Workspace& ws, int group, int charge) {
    if (!validGroup(group) || !validCharge(charge)) return 0;
    MotifRecord& motif = ws.Groups.Motifs[group];
    for (int i = 1; i <= kMotifCount; ++i)
        if (motif.Members[i] == charge) return 0;
    for (int i = 1; i <= kMotifCount; ++i) {
        if (motif.Members[i] == 0) {
            motif.Members[i] = Byte(charge);
            ws.CurrentBlazon.Charges[charge].Motif = Byte(group);
            return CompactMotif(ws, group);
        }
    }
    return CompactMotif(ws, group);
}

Byte CompactMotif(Workspace& ws, int group) {
    if (!validGroup(group)) return 0;
    MotifRecord& motif = ws.Groups.Motifs[group];
    int n = 0;
    for (int i = 1; i <= kMotifCount; ++i) {
        const Byte member = motif.Members[i];
        motif.Members[i] = 0;
        if (member != 0) motif.Members[++n] = member;
    }
    if (n == 0) {
        motif.InUse = 0;
        motif.Count = 0;
        return 0;
    }
    motif.Count = Byte(n);
    return Byte(n);
}

Byte RemoveChargeFromMotif(Workspace& ws, int group, int charge) {
    if (!validGroup(group) || !validCharge(charge)) return 0;
    MotifRecord& motif = ws.Groups.Motifs[group];
    for (int i = 1; i <= kMotifCount; ++i) {
        if (motif.Members[i] == charge) {
            motif.Members[i] = 0;
            ws.CurrentBlazon.Charges[charge].Motif = 0;
        }
    }
    return CompactMotif(ws, group);
}

void ClearMotif(Workspace& ws, int group) {
    if (!validGroup(group)) return;
    MotifRecord& motif = ws.Groups.Motifs[group];
    motif.Members.fill(0);
    motif.InUse = 0;
    motif.Count = 0;
}

void MoveMotifCharges(Workspace& ws, int group, int dx, int dy, int height, int width) {
    if (!validGroup(group)) return;
    const MotifRecord& motif = ws.Groups.Motifs[group];
    for (int i = 1; i <= motif.Count && i <= kMotifCount; ++i) {
        const int c = motif.Members[i];
        if (!validCharge(c)) continue;
        ChargeRecord& charge = ws.CurrentBlazon.Charges[c];
        const ChargeRecord before = charge;
        charge.X = saturated(charge.X + dx);
        charge.Y = saturated(charge.Y + dy);
        charge.Height = saturated(height);
        charge.Width = saturated(width);
        if (!(charge == before)) ws.Modified = true;
    }
}

}  // namespace tess
