#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "render/charge_recolouring.h"
#include "render/key_colours.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"

namespace tess::testing {

// A workspace with a blank document and a renderer ready to redraw, and a way
// to put bank pictures and charges in without going through picture files.
class ChargeRedraw : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        InitSurfaces(r);
        ResetDocument(ws);
    }

    // Slot `slot` holds a picture drawn in ASCII: '.' is the background,
    // anything else figure; its own tincture is `own`.
    void addBankPicture(int slot, const std::vector<std::string>& figure, int own) {
        std::vector<std::string> pic = figure, mask = figure;
        for (auto& row : pic)
            for (char& c : row)
                if (c == '.') c = '#';
        for (auto& row : mask)
            for (char& c : row) c = c == '.' ? '.' : '#';
        ImageBankEntry& e = ws.Bank[slot];
        e.InUse = kTrue;
        e.OwnTincture = own;
        e.Width = Integer(figure[0].size());
        e.Height = Integer(figure.size());
        r.Charges.setBankPicture(slot, picture(pic), picture(mask));
    }

    ChargeRecord& place(int n, int slot, int x, int y, int w, int h, int tincture) {
        ChargeRecord& c = ws.CurrentBlazon.Charges[n];
        c.InUse = kTrue;
        c.ImageIndex = Integer(slot);
        c.X = Integer(x);
        c.Y = Integer(y);
        c.Width = Integer(w);
        c.Height = Integer(h);
        c.Tincture = tincture;
        return c;
    }

    RedrawResult redraw() { return RedrawShield(ws, r); }
    Colour tincture(int t) const { return Colour(ws.Tinctures[t].Colour); }
    bool hit(int x, int y) const { return r.ChargeHitDC.pixel(x, y) == 0x0000FFu; }
    std::vector<int> chargeList(int part) const {
        const PartRecord& p = ws.CurrentBlazon.Parts[part];
        return std::vector<int>(p.ChargeList.begin() + 1, p.ChargeList.begin() + 1 + p.ChargeCount);
    }

    Workspace ws;
    Renderer r;
};

}  // namespace tess::testing
