#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "actions/user_fur_loading.h"
#include "model/document.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"
#include "tests/storage/files.h"
#include "tests/storage/fur_file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace tess::testing {

// Pictures for charges, in the default legend of the ASCII pictures.
inline const std::vector<std::string> kLion = {"..rrrr..", ".rr##rr.", "rrrrrrrr", "..r..r.."};
inline const std::vector<std::string> kStar = {"...y...", "..yyy..", "yyyyyyy", "..y.y.."};
inline const std::vector<std::string> kTower = {"b.b.b", "bbbbb", "b###b", "bbbbb"};

// One run of the program: its tables and its drawing surfaces, started as the
// main window starts them.
struct Program {
    Program() {
        InitGraphics(ws, r);
        ResetDocument(ws);
    }
    Workspace ws;
    Renderer r;
};

// What a document looks like once drawn: the record, the texts and the pictures.
struct Drawn {
    BlazonRecord record;
    std::string blazon;
    std::string warnings;
    Surface canvas;
    Surface partMap;
};

inline Drawn drawn(Program& p) {
    const RedrawResult result = RedrawShield(p.ws, p.r);
    return {p.ws.CurrentBlazon, result.blazonText, result.warningText, p.r.canvas, p.r.partMap};
}

// Records the questions asked and answers them as told.
struct ScriptedDialogs {
    std::vector<std::string> questions;
    bool answerYes = false;
    std::string chosenFolder;  // files are "found" here under their own name

    FileDialogs dialogs() {
        FileDialogs d;
        d.askYesNo = [this](const std::string& text, const std::string&) {
            questions.push_back(text);
            return answerYes;
        };
        d.confirm = [this](const std::string& text) {
            questions.push_back(text);
            return answerYes;
        };
        d.pickFile = [this](const std::string&, const std::string& name) {
            return chosenFolder.empty() ? std::string() : chosenFolder + "/" + name;
        };
        return d;
    }
};

class DocumentTest : public ScratchFolder {
  protected:
    DocumentTest() : ScratchFolder(true) {
        std::filesystem::create_directories(file("docs"));
        std::filesystem::create_directories(file("pictures"));
        program = std::make_unique<Program>();
    }

    Workspace& ws() { return program->ws; }
    Renderer& r() { return program->r; }
    BlazonRecord& blazon() { return program->ws.CurrentBlazon; }
    std::string doc(const std::string& name) const { return file("docs/" + name); }

    // A picture file drawn in ASCII (the default legend), imported into the bank.
    int addPicture(const std::string& name, const std::vector<std::string>& rows) {
        const std::string path = file("pictures/" + name);
        EXPECT_EQ(savePictureBmp(picture(rows), path), "");
        const int slot = AddImageToBank(ws(), r().Charges, path, 0, -1);
        EXPECT_GT(slot, 0);
        ws().Bank[slot].FileName = name;
        return slot;
    }

    ChargeRecord& placeCharge(int n, int slot, int x, int y, int w, int h, int tincture,
                              bool mirrored = false, bool brochant = false) {
        ChargeRecord& c = blazon().Charges[n];
        c.InUse = kTrue;
        c.ImageIndex = Integer(slot);
        c.X = Integer(x);
        c.Y = Integer(y);
        c.Width = Integer(w);
        c.Height = Integer(h);
        c.Tincture = ws().Bank[slot].OwnTincture;
        c.Mirrored = mirrored ? kTrue : kFalse;
        c.Brochant = brochant ? kTrue : kFalse;
        PrepareChargeLayers(ws(), r().Charges, n);
        if (tincture > 0) SetChargeTincture(ws(), r().Charges, n, tincture);
        return c;
    }

    // A user fur file in the pictures folder, loaded into `slot` as the fur
    // editor would leave it.
    // Tiles under the editor's 5 cells a side are repeated up to it, as a
    // document keeps no smaller tile.
    std::string addUserFur(int slot, std::vector<std::string> rows, int rowShift,
                           const std::string& name = "") {
        for (std::string& row : rows)
            for (const std::string cells = row; row.size() < 5;) row += cells;
        for (const std::vector<std::string> tile = rows; rows.size() < 5;)
            rows.insert(rows.end(), tile.begin(), tile.end());
        const std::string path =
            file("pictures/" + (name.empty() ? "fur" + std::to_string(slot) : name) + ".fmp");
        writeBytes(path, furFileBytes(rows, rowShift));
        UserFurRecord& fur = blazon().UserFurs[slot];
        fur.Path = path;
        fur.VerticalOffset = Byte(rowShift);
        fur.TileWidth = Integer(rows[0].size());
        fur.TileHeight = Integer(rows.size());
        EXPECT_TRUE(LoadUserFurPattern(ws(), r(), path, slot));
        return path;
    }

    SaveOutcome save(const std::string& path) { return SaveDocument(ws(), r(), path); }

    // Opens `path` in a program started afresh, as a double-click would.
    std::unique_ptr<Program> reopen(const std::string& path, const FileDialogs& dialogs = {}) {
        auto fresh = std::make_unique<Program>();
        const LoadOutcome outcome = LoadDocument(fresh->ws, fresh->r, path, dialogs);
        EXPECT_TRUE(outcome.loaded) << outcome.message.text;
        return fresh;
    }

    std::unique_ptr<Program> program;
};

// Everything the document keeps and the redraw derives from it.
inline void expectSameDocument(const Drawn& a, const Drawn& b) {
    BlazonRecord x = a.record, y = b.record;
    // Not kept by the file: charge groups and names of side files.
    for (int c = 1; c <= kChargeCount; ++c) {
        x.Charges[c].ImageName = y.Charges[c].ImageName;
        x.Charges[c].Motif = y.Charges[c].Motif;
    }
    x.Folder = y.Folder;
    x.FilePath = y.FilePath;
    EXPECT_EQ(x, y);
    EXPECT_EQ(a.blazon, b.blazon);
    EXPECT_EQ(a.warnings, b.warnings);
    EXPECT_TRUE(a.canvas == b.canvas) << "the canvas differs";
    EXPECT_TRUE(a.partMap == b.partMap) << "the part key map differs";
}

}  // namespace tess::testing
