#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <optional>

#include "actions/print_page.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/workspace.h"
#include "platform/page_text.h"
#include "platform/picture_file.h"
#include "render/renderer.h"
#include "tests/storage/document_fixture.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

class PrintPageTest : public testing::ScratchFolder {
  protected:
    PrintPageTest() : ScratchFolder(true) {
        // A field of two colours under a chief, so hatching and colours differ
        // on every part of the page.
        ws().CurrentBlazon.Partition = 11;
        ws().CurrentBlazon.Parts[1].Tincture = 3;
        ws().CurrentBlazon.Parts[2].Tincture = 5;
        colourCanvas = (RedrawShield(ws(), r()), r().canvas);
    }
    Workspace& ws() { return program->ws; }
    Renderer& r() { return program->r; }

    Surface exported(const PageOptions& options, const std::string& name = "page.bmp") {
        const PageOutcome out = ExportPicture(ws(), r(), options, file(name), *text);
        EXPECT_TRUE(out.done) << out.message.text;
        const auto page = loadPicture(file(name));
        return page ? *page : Surface();
    }

    std::unique_ptr<testing::Program> program = std::make_unique<testing::Program>();
    std::unique_ptr<PageText> text = makePageText();
    Surface colourCanvas;
};

TEST(PageSize, SinglePrecisionProductsRoundedHalfToEven) {
    struct Case {
        int zoom, width, height;
    };
    // 2.65f * 50 = 132.5 goes down to the even 132; 3.4f * 1 = 3.4.
    for (const Case c : {Case{50, 132, 170}, Case{100, 265, 340}, Case{1, 3, 3}, Case{15, 40, 51},
                         Case{85, 225, 289}, Case{200, 530, 680}}) {
        SCOPED_TRACE(c.zoom);
        const PageSize size = shieldAreaOfPage(c.zoom);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST_F(PrintPageTest, AtFullSizeThePageIsTheCanvasInsideTheShieldAndWhiteOutside) {
    ws().GridVisible = true;
    const Surface page = exported({.zoom = 100});
    ASSERT_EQ(page.width(), 265);
    ASSERT_EQ(page.height(), 340);
    const Surface& mask = r().shapeMask();
    int inside = 0, outside = 0;
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 265; ++x) {
            if (mask.pixel(x, y) == kWhite) {
                ++inside;
                ASSERT_EQ(page.pixel(x, y), colourCanvas.pixel(x, y)) << x << "," << y;
            } else {
                ++outside;
                ASSERT_EQ(page.pixel(x, y), kWhite) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 50000);
    EXPECT_GT(outside, 1000);
    // The grid was off on the page and is back on the canvas.
    EXPECT_TRUE(ws().GridVisible);
    EXPECT_NE(r().canvas, colourCanvas);
}

TEST_F(PrintPageTest, TheBlazonAddsABandOfItsLinesPlusTen) {
    const Surface bare = exported({.zoom = 100}, "sans.bmp");
    const Surface page = exported({.zoom = 100, .withBlazon = true}, "avec.bmp");
    ASSERT_EQ(page.width(), 265);
    EXPECT_EQ(page.height(), 340 + text->lineHeight() + 10);  // "D'Azur." holds on one line
    int ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < 265; ++x) {
            if (y < 340)
                ASSERT_EQ(page.pixel(x, y), bare.pixel(x, y));
            else if (page.pixel(x, y) != kWhite) {
                ++ink;
                EXPECT_GE(y, 345);
                EXPECT_GE(x, 2);  // the first line starts two pixels in
            }
        }
    EXPECT_GT(ink, 20);

    // A narrow page takes the blazon on several lines, each a line height.
    const Surface narrow = exported({.zoom = 20, .withBlazon = true}, "etroite.bmp");
    EXPECT_EQ(narrow.width(), 53);
    EXPECT_GE(narrow.height(), 68 + 2 * text->lineHeight() + 10);
    EXPECT_EQ((narrow.height() - 68 - 10) % text->lineHeight(), 0);
}

TEST_F(PrintPageTest, ABlackAndWhitePageIsHatchedAndTheWindowComesBackInColour) {
    const Surface colour = exported({.zoom = 100}, "couleur.bmp");
    const Surface hatched = exported({.zoom = 100, .blackWhite = true}, "hachures.bmp");
    int differing = 0;
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 265; ++x) differing += colour.pixel(x, y) != hatched.pixel(x, y);
    EXPECT_GT(differing, 10000);
    EXPECT_FALSE(ws().PrintBlackWhite);
    EXPECT_EQ(r().canvas, colourCanvas);
}

// A plain D'Azur field is hatched with one-pixel lines eight rows apart. A page
// smaller than the canvas merges its rows: black must win, or the lines
// that fall between the kept rows vanish and the field prints blank.
TEST_F(PrintPageTest, AHatchedPageSmallerThanTheCanvasKeepsItsLines) {
    ResetDocument(ws());
    for (const int zoom : {50, 33, 15}) {
        SCOPED_TRACE(zoom);
        const Surface page =
            BuildPrintImage(ws(), r(), {.zoom = zoom, .blackWhite = true}, *text).page;
        // Down the middle of the field, clear of the shield's outline.
        const int x = page.width() / 2;
        int black = 0, white = 0;
        for (int y = page.height() / 5; y < page.height() * 4 / 5; ++y)
            (page.pixel(x, y) == kBlack ? black : white) += 1;
        EXPECT_GE(8 * black, black + white - 8);
        EXPECT_GT(white, 0);
    }
}

TEST_F(PrintPageTest, AFailedExportKeepsTheOldFileAndTheWindowInColour) {
    EXPECT_EQ(exported({.zoom = 50}, "garde.bmp").width(), 132);
    // Overwriting an existing bitmap replaces it whole.
    EXPECT_EQ(exported({.zoom = 100}, "garde.bmp").width(), 265);

    // A full disk while the bitmap is written (a file-size limit stands for
    // it, for root too): the old bitmap stays whole and no temporary is left.
    {
        const auto before = contents();
        rlimit old{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 20000;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const PageOutcome out = ExportPicture(ws(), r(), {.zoom = 100}, file("garde.bmp"), *text);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldSignal);
        EXPECT_FALSE(out.done);
        EXPECT_EQ(out.message.title, "Erreur #75");
        EXPECT_EQ(contents(), before);
    }

    // A folder in the way, a folder that does not exist: each fails with its
    // box, leaves nothing behind and the window in colour.
    fs::create_directories(file("dossier.bmp"));
    for (const std::string& target : {file("dossier.bmp"), file("absent/page.bmp")}) {
        SCOPED_TRACE(target);
        const auto before = contents();
        const PageOutcome out =
            ExportPicture(ws(), r(), {.zoom = 100, .blackWhite = true}, target, *text);
        EXPECT_FALSE(out.done);
        EXPECT_EQ(out.message.title, "Erreur #75");
        EXPECT_FALSE(out.message.text.empty());
        EXPECT_EQ(contents(), before);
        EXPECT_FALSE(ws().PrintBlackWhite);
        EXPECT_EQ(r().canvas, colourCanvas);
    }
}

TEST_F(PrintPageTest, PrintingSendsThePageOrSaysWhyNot) {
    std::optional<Surface> sent;
    auto printer = [&sent](const Surface& page) {
        sent = page;
        return std::string();
    };
    const PageOutcome none = PrintPicture(ws(), r(), {}, "", *text, printer);
    EXPECT_FALSE(none.done);
    EXPECT_EQ(none.message.title, "Erreur #482");
    EXPECT_FALSE(sent);
    EXPECT_EQ(printTitle(""), "Imprimer sur (aucune imprimante)");
    EXPECT_EQ(printTitle("PDF"), "Imprimer sur PDF");

    const PageOutcome done =
        PrintPicture(ws(), r(), {.zoom = 50, .blackWhite = true}, "PDF", *text, printer);
    EXPECT_TRUE(done.done);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->width(), 132);
    EXPECT_EQ(sent->height(), 170);
    EXPECT_EQ(r().canvas, colourCanvas);

    const PageOutcome jammed = PrintPicture(
        ws(), r(), {}, "PDF", *text, [](const Surface&) { return std::string("Bourrage papier"); });
    EXPECT_FALSE(jammed.done);
    EXPECT_EQ(jammed.message.title, "Erreur #482");
    EXPECT_EQ(jammed.message.text, "Bourrage papier");
    EXPECT_FALSE(ws().PrintBlackWhite);
}

}  // namespace
}  // namespace tess
