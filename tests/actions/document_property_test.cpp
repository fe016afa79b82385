// Every document the editor can make, it can reopen whole: random documents
// built through the editing commands (pictures of random sizes up to the
// limits, up to fifty charges, user furs, inserted arms), saved and reopened
// in a program started afresh, come back field for field and pixel for pixel.
// Four runs of 500 documents, each with its own seed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageWriter>
#include <array>
#include <iostream>
#include <random>
#include <sstream>
#include <tuple>

#include "actions/charge_edits.h"
#include "actions/field_edits.h"
#include "actions/insert_blazon.h"
#include "actions/picture_commands.h"
#include "actions/piece_commands.h"
#include "actions/user_fur_commands.h"
#include "model/partitions.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "platform/file_reading.h"
#include "platform/qimage_bridge.h"
#include "render/document_surfaces.h"
#include "support/charge_pictures.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

constexpr int kDocumentsPerRun = 500;

struct PoolPicture {
    std::string path;
    int width = 0, height = 0;
};

// The fields two records differ in, named, for a failure one can read; the
// fields a file does not keep (side-file names, groups, folder) left out.
std::string differences(const BlazonRecord& a, const BlazonRecord& b) {
    std::ostringstream out;
    auto field = [&](const std::string& name, auto x, auto y) {
        if (!(x == y)) out << name << ": " << +x << " / " << +y << "\n";
    };
    auto text = [&](const std::string& name, const std::string& x, const std::string& y) {
        if (x != y) out << name << ": \"" << x << "\" / \"" << y << "\"\n";
    };
    field("InsetShape", a.InsetShape, b.InsetShape);
    field("Partition", a.Partition, b.Partition);
    field("PartCount", a.PartCount, b.PartCount);
    field("ShieldShape", a.ShieldShape, b.ShieldShape);
    for (int k = 1; k <= kPartCount; ++k) {
        const PartRecord &x = a.Parts[k], &y = b.Parts[k];
        const std::string p = "Parts[" + std::to_string(k) + "].";
        field(p + "Kind", x.Kind, y.Kind);
        field(p + "Tincture", x.Tincture, y.Tincture);
        field(p + "Seed", x.SeedX * 1000 + x.SeedY, y.SeedX * 1000 + y.SeedY);
        text(p + "InsertedPath", x.InsertedPath, y.InsertedPath);
        if (!(x.Line == y.Line)) out << p << "Line\n";
        if (x.ChargeCount != y.ChargeCount || x.ChargeList != y.ChargeList)
            out << p << "ChargeList\n";
    }
    if (!(a.Ordinary1 == b.Ordinary1)) out << "Ordinary1\n";
    if (!(a.Ordinary2 == b.Ordinary2)) out << "Ordinary2\n";
    for (int c = 1; c <= kChargeCount; ++c) {
        const ChargeRecord &x = a.Charges[c], &y = b.Charges[c];
        const std::string p = "Charges[" + std::to_string(c) + "].";
        field(p + "InUse", x.InUse, y.InUse);
        field(p + "X", x.X, y.X);
        field(p + "Y", x.Y, y.Y);
        field(p + "Width", x.Width, y.Width);
        field(p + "Height", x.Height, y.Height);
        field(p + "Placement", x.Placement, y.Placement);
        field(p + "ImageIndex", x.ImageIndex, y.ImageIndex);
        field(p + "Tincture", x.Tincture, y.Tincture);
        field(p + "Class", x.Class, y.Class);
        field(p + "Mirrored", x.Mirrored, y.Mirrored);
        field(p + "Brochant", x.Brochant, y.Brochant);
    }
    for (int s = 0; s < kUserFurCount; ++s) {
        const UserFurRecord &x = a.UserFurs[s], &y = b.UserFurs[s];
        const std::string p = "UserFurs[" + std::to_string(s) + "].";
        text(p + "Path", x.Path, y.Path);
        field(p + "VerticalOffset", x.VerticalOffset, y.VerticalOffset);
        field(p + "Tile", x.TileWidth * 1000 + x.TileHeight, y.TileWidth * 1000 + y.TileHeight);
        text(p + "Phrase", x.Phrase, y.Phrase);
        field(p + "DominantTincture", x.DominantTincture, y.DominantTincture);
    }
    return out.str();
}

class EditorDocuments : public testing::DocumentTest {
  protected:
    // Two thousand saves wait on the disk two thousand times: the documents
    // are written in memory where the system has a memory file system.
    static void SetUpTestSuite() {
        if (std::filesystem::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0)
            ::setenv("TMPDIR", "/dev/shm", 1);
    }

    EditorDocuments() {
        ws().ui = &ui;
        reopened.ws.ui = &silent;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }

    // A figure of a few rectangles in tincture colours (and now and then a
    // colour no tincture has) on the colour of its top-left pixel, each laid
    // across the first: the figure is one piece, as a retint's flood fill
    // reaches all of it (pieces apart keep the colour they had before a
    // retint, which no file records).
    Surface figure(int w, int h) {
        const Colour key = chance(0.5) ? kWhite : rgb(192, 192, 192);
        Surface s(w, h, key);
        const int left = std::min(1, w - 1), top = std::min(1, h - 1);
        const int right = pick(left + 1, w), bottom = pick(top + 1, h);
        for (int n = pick(1, 4); n > 0; --n) {
            const Colour c = chance(0.8)
                                 ? Colour(ws().Tinctures[pick(1, kTinctureCount)].DefaultColour)
                                 : rgb(pick(0, 255), pick(0, 255), 7);
            // Through a point of the first rectangle.
            const int x = pick(left, right - 1), y = pick(top, bottom - 1);
            const int x0 = n == 1 ? left : pick(left, x), y0 = n == 1 ? top : pick(top, y);
            const int x1 = n == 1 ? right : pick(x + 1, right),
                      y1 = n == 1 ? bottom : pick(y + 1, bottom);
            for (int yy = y0; yy < y1; ++yy)
                for (int xx = x0; xx < x1; ++xx) s.row(yy)[xx] = c;
        }
        return s;
    }

    // Written as a 24-bit or an 8-bit bitmap (a jpeg's noise would make the
    // figure many pieces apart).
    std::string write(const std::string& name, const Surface& s) {
        const std::string path = file("pictures/" + name);
        if (s.width() * s.height() > 100'000 || chance(0.7)) {
            EXPECT_EQ(savePictureBmp(s, path), "");
            return path;
        }
        const QImage indexed = toQImage(s).convertToFormat(QImage::Format_Indexed8);
        EXPECT_TRUE(indexed.save(QString::fromStdString(path), "BMP"));
        return path;
    }

    // Pictures to choose from: mostly small, some medium, a few at the
    // limits (the whole budget with one charge, the widest side), and three
    // the list must refuse.
    void makePool() {
        for (int i = 0; i < 40; ++i) {
            const int w = pick(1, 40), h = pick(1, 40);
            pool.push_back({write("p" + std::to_string(i) + ".bmp", figure(w, h)), w, h});
        }
        for (int i = 0; i < 8; ++i) {
            const int w = pick(40, 260), h = pick(40, 260);
            pool.push_back({write("m" + std::to_string(i) + ".bmp", figure(w, h)), w, h});
        }
        for (const auto& [name, w, h] : std::vector<std::tuple<std::string, int, int>>{
                 {"colosse", 1000, 1000}, {"grand", 700, 500}, {"ligne", kMaxPictureSide, 3}}) {
            large.push_back({write(name + ".bmp", figure(w, h)), w, h});
        }
        refused = {write("trop_grand.bmp", figure(1200, 1200)),
                   write("trop_large.bmp", figure(kMaxPictureSide + 1, 2))};
        const auto bytes = readFileBytes(write("coupe.bmp", figure(30, 30)));
        testing::writeBytes(file("pictures/coupe.bmp"),
                            std::vector<std::uint8_t>(bytes->begin(), bytes->end() - 100));
        refused.push_back(file("pictures/coupe.bmp"));
    }

    // A document for the arms inserted into parts.
    void makeArms() {
        ChoosePartition(ws(), r(), 14, UndoStep::None);
        arms = doc("interieur.bls");
        ASSERT_TRUE(save(arms).saved);
    }

    void addToList(const std::string& path) {
        const std::size_t before = ws().Pictures.size();
        FileMessage refusal;
        const PictureAddOutcome out = AddPictureToList(ws(), path, &refusal);
        if (out == PictureAddOutcome::Added) {
            EXPECT_EQ(ws().Pictures.size(), before + 1);
            return;
        }
        ASSERT_FALSE(refusal.empty()) << path;
        EXPECT_EQ(ws().Pictures.size(), before);
        ++refusals;
    }

    // A list picture placed at a random point, at its own size or resized.
    void place() {
        if (ws().Pictures.empty()) return;
        const PictureListItem& item =
            ws().Pictures[std::size_t(pick(0, int(ws().Pictures.size()) - 1))];
        const auto read = readPicture(item.Path);
        ASSERT_TRUE(read.picture);
        double w = read.picture->width(), h = read.picture->height();
        if (chance(0.3)) w = pick(1, 120), h = pick(1, 120);
        FileMessage refusal;
        const int before = countCharges();
        const int n = firstFreeCharge(blazon());
        if (!AddCharge(ws(), r().Charges,
                       OverlayBox{double(pick(-20, 250)), double(pick(-20, 320)), w, h, item.Path},
                       0, &refusal)) {
            // Refused with its message (fifty charges, or the budget), nothing changed.
            EXPECT_FALSE(refusal.empty());
            EXPECT_EQ(countCharges(), before);
            ++refusals;
            return;
        }
        if (chance(0.5)) SetChargeTincture(ws(), r().Charges, n, pick(1, kTinctureCount));
        if (chance(0.1)) {
            RedrawResult shown;
            RedrawShield(ws(), r());
            if (!PickUpCharge(ws(), r(), n, shown)) return;
            MirrorHeldCharge(ws(), r(), false);
            if (chance(0.5)) ToggleHeldChargeOverAll(ws(), r());
            const ChargeRecord& c = blazon().Charges[n];
            ASSERT_TRUE(CommitHeldCharge(ws(), r(),
                                         OverlayBox{double(c.X + 3), double(c.Y - 2),
                                                    double(c.Width), double(c.Height), item.Path}));
        }
    }

    int countCharges() const {
        int n = 0;
        for (int c = 1; c <= kChargeCount; ++c)
            n += program->ws.CurrentBlazon.Charges[c].InUse != 0;
        return n;
    }
    void dress() {
        for (int n = pick(0, 4); n > 0; --n) {
            const bool fur = chance(0.3);
            const int userFur = fur && chance(0.5) && UserFurSlotInUse(r(), 0);
            DropOnCanvas(ws(), r(), fur ? 0 : pick(1, kTinctureCount),
                         fur ? (userFur ? kFirstUserFur : pick(108, 115)) : 0, pick(10, 255),
                         pick(10, 330));
        }
    }

    void storeFur() {
        Surface tile(32, 32, kWhite);
        const int w = pick(5, 8), h = pick(5, 8);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (chance(0.4))
                    tile.row(y)[x] = ws().Tinctures[pick(1, kTinctureCount)].DefaultColour;
        const FurDraft draft{file("pictures/fur" + std::to_string(pick(0, 2)) + ".fmp"), tile, w, h,
                             pick(0, 19) * 5};
        ASSERT_TRUE(StoreUserFur(ws(), r(), 0, draft).stored);
    }

    void build() {
        NewDocument(ws(), r());
        ws().Pictures.clear();
        Long partition = pick(kPlainField, kLastPartition - 1);
        ChoosePartition(ws(), r(), isPartitionCode(partition) ? partition : kLastPartition,
                        UndoStep::None);
        if (chance(0.3)) ChoosePiece(ws(), r(), pick(1, 22), "pièce");
        if (chance(0.2)) storeFur();
        dress();
        if (chance(0.05)) addToList(refused[std::size_t(pick(0, int(refused.size()) - 1))]);
        // Now and then a document that starts with a picture at the limits.
        if (chance(0.03)) {
            addToList(large[std::size_t(pick(0, int(large.size()) - 1))].path);
            place();
        }
        for (int n = pick(0, 6); n > 0; --n)
            addToList(pool[std::size_t(pick(0, int(pool.size()) - 1))].path);
        const int charges = chance(0.1) ? 55 : pick(0, 12);
        for (int n = 0; n < charges; ++n) place();
        if (chance(0.2)) {
            const int part = std::array{1, 2, 3, 4, 7}[std::size_t(pick(0, 4))];
            if (PartCanHoldBlazon(blazon(), part)) InsertBlazonInPart(ws(), r(), part, arms);
        }
        // The window draws after every command: charges put down off the
        // shield are gone before anything is saved.
        RedrawShield(ws(), r());
    }

    // Compares the document now and as it reopens.
    void saveAndReopen(int number) {
        SCOPED_TRACE("document " + std::to_string(number));
        const std::string path = doc("armes.bls");
        const std::int64_t cost = DocumentPictureCost(blazon(), ws().Bank, 0);
        ASSERT_LE(cost, kDocumentPicturePixels);
        if (cost * 10 > kDocumentPicturePixels * 9) ++nearLimit;
        const SaveOutcome saved = save(path);
        ASSERT_TRUE(saved.saved) << saved.message.text;
        const LoadOutcome out = LoadDocument(reopened.ws, reopened.r, path, {});
        ASSERT_TRUE(out.loaded);
        EXPECT_EQ(out.message.text, "") << "the reopened document lost something";
        compactCharges();
        testing::Drawn now = testing::drawn(*program), again = testing::drawn(reopened);
        // A free record is no part of the document, whatever it still holds.
        for (BlazonRecord* record : {&now.record, &again.record})
            for (ChargeRecord& c : record->Charges)
                if (c.InUse == 0) c = ChargeRecord{};
        EXPECT_EQ(differences(now.record, again.record), "");
        testing::expectSameDocument(now, again);
        for (int s = 1; s <= kImageBankSize; ++s) {
            const ImageBankEntry &a = ws().Bank[s], &b = reopened.ws.Bank[s];
            ASSERT_EQ(a.InUse != 0, b.InUse != 0) << "bank slot " << s;
            if (a.InUse == 0) continue;
            EXPECT_EQ(
                std::tie(a.DisplayName, a.Phrase, a.Width, a.Height, a.OwnTincture, a.OwnClass),
                std::tie(b.DisplayName, b.Phrase, b.Width, b.Height, b.OwnTincture, b.OwnClass));
            EXPECT_TRUE(r().Charges.bank(s).picture == reopened.r.Charges.bank(s).picture);
            EXPECT_TRUE(r().Charges.bank(s).mask == reopened.r.Charges.bank(s).mask);
            ++pictures;
        }
        charges += countCharges();
    }

    // The file keeps the charges in use in their order, not their numbers:
    // they reopen as 1..n. The editor's are numbered so too, with their
    // layers, for the comparison (charges thrown off the shield leave gaps).
    void compactCharges() {
        int next = 1;
        for (int c = 1; c <= kChargeCount; ++c) {
            if (blazon().Charges[c].InUse == 0) continue;
            if (c != next) {
                blazon().Charges[next] = blazon().Charges[c];
                r().Charges.charge(next) = r().Charges.charge(c);
                blazon().Charges[c] = ChargeRecord{};
                r().Charges.releaseCharge(c);
            }
            ++next;
        }
    }

    void run(unsigned seed) {
        rng.seed(seed);
        makePool();
        makeArms();
        for (int d = 0; d < kDocumentsPerRun && !HasFatalFailure(); ++d) {
            build();
            if (HasFatalFailure()) return;
            saveAndReopen(d);
        }
        // The runs reach what they are meant to: pictures, charges and refusals.
        EXPECT_GT(pictures, kDocumentsPerRun);
        EXPECT_GT(charges, 2 * kDocumentsPerRun);
        EXPECT_GT(refusals, 10);
        EXPECT_GT(nearLimit, 0);
        std::cout << kDocumentsPerRun << " documents: " << pictures << " pictures, " << charges
                  << " charges, " << refusals << " refusals, " << nearLimit
                  << " within a tenth of the picture budget\n";
    }

    std::mt19937 rng;
    testing::RecordingUi ui;
    testing::RecordingUi silent;
    testing::Program reopened;
    std::vector<PoolPicture> pool, large;
    std::vector<std::string> refused;
    std::string arms;
    int pictures = 0, charges = 0, refusals = 0, nearLimit = 0;
};

TEST_F(EditorDocuments, ReopenWholeFirstRun) {
    run(1);
}
TEST_F(EditorDocuments, ReopenWholeSecondRun) {
    run(2);
}
TEST_F(EditorDocuments, ReopenWholeThirdRun) {
    run(3);
}
TEST_F(EditorDocuments, ReopenWholeFourthRun) {
    run(4);
}

}  // namespace
}  // namespace tess
