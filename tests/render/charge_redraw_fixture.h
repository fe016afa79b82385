#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ascii_picture.h"
#include "render/charge_recolouring.h"
#include "render/render_fixture.h"
#include "support/placed_charge.h"

namespace tess::testing {

// A bank picture drawn in ASCII, '.' the background: the figure on black, and
// its mask (figure black on white).
inline Surface bankPicture(std::vector<std::string> rows) {
    for (auto& row : rows)
        for (char& c : row)
            if (c == '.') c = '#';
    return picture(rows);
}
inline Surface bankMask(std::vector<std::string> rows) {
    for (auto& row : rows)
        for (char& c : row) c = c == '.' ? '.' : '#';
    return picture(rows);
}

// A workspace with a blank document and a renderer ready to redraw, and a way
// to put bank pictures and charges in without going through picture files.
class ChargeRedraw : public RenderTest {
  protected:
    // Slot `slot` holds a picture drawn in ASCII: '.' is the background,
    // anything else figure; its own tincture is `own`.
    void addBankPicture(int slot, const std::vector<std::string>& figure, int own) {
        ImageBankEntry& e = ws.Bank[slot];
        e.InUse = kTrue;
        e.OwnTincture = own;
        e.Width = Integer(figure[0].size());
        e.Height = Integer(figure.size());
        r.Charges.setBankPicture(slot, bankPicture(figure), bankMask(figure));
    }

    ChargeRecord& place(int n, int slot, int x, int y, int w, int h, int tincture) {
        ChargeRecord& c = placeCharge(ws.CurrentBlazon, n, slot, x, y, w, h);
        c.Tincture = tincture;
        return c;
    }

    bool hit(int x, int y) const { return r.chargeHitMap.pixel(x, y) == 0x0000FFu; }
    std::vector<int> chargeList(int part) const {
        const PartRecord& p = ws.CurrentBlazon.Parts[part];
        return std::vector<int>(p.ChargeList.begin() + 1, p.ChargeList.begin() + 1 + p.ChargeCount);
    }
};

}  // namespace tess::testing
