#include "model/tincture_file.h"

#include <gtest/gtest.h>

#include "model/tincture_table.h"
#include "support/factory_colours.h"
#include "support/scratch_folder.h"

namespace tess {
namespace {

using testing::Bytes;

// Each test gets its own empty program folder.
class TinctureFile : public testing::ScratchFolder {
  protected:
    TinctureFile() : ScratchFolder(true) {}
    Bytes readFile() const { return read("QRZ.inf"); }
    void writeFile(const Bytes& bytes) const { put("QRZ.inf", bytes); }
    static TinctureTable loaded() {
        TinctureTable table = FactoryTinctures();
        LoadTinctureColours(table);
        return table;
    }
};

// The file as it must stand: record k starts with the colour, little-endian.
Bytes colourFile(const std::vector<Colour>& colours) {
    Bytes bytes(colours.size() * 128, 0);
    for (std::size_t k = 0; k < colours.size(); ++k)
        for (int b = 0; b < 4; ++b) bytes[k * 128 + b] = std::uint8_t(colours[k] >> (8 * b));
    return bytes;
}

std::vector<Colour> factoryColours() {
    std::vector<Colour> colours;
    for (const testing::FactoryTincture& t : testing::kFactoryTinctures)
        colours.push_back(t.colour);
    return colours;
}

std::vector<Colour> currentColours(const TinctureTable& table) {
    std::vector<Colour> colours;
    for (int k = 1; k <= kTinctureCount; ++k) colours.push_back(Colour(table[k].Colour));
    return colours;
}

TEST_F(TinctureFile, MissingFileIsMadeFromTheFactoryColours) {
    TinctureTable table = FactoryTinctures();
    table[kAzur].Colour = 0x111111;  // whatever was in memory before
    LoadTinctureColours(table);
    EXPECT_EQ(currentColours(table), factoryColours());
    EXPECT_EQ(readFile(), colourFile(factoryColours()));

    EXPECT_EQ(currentColours(loaded()), factoryColours());
}

TEST_F(TinctureFile, SavedColoursComeBackByteForByte) {
    TinctureTable table = FactoryTinctures();
    std::vector<Colour> chosen;
    for (int k = 1; k <= kTinctureCount; ++k) {
        table[k].Colour = Long(0x010203 * k);
        chosen.push_back(Colour(0x010203 * k));
    }
    ASSERT_EQ(SaveTinctureColours(table), "");
    const Bytes written = readFile();
    EXPECT_EQ(written, colourFile(chosen));

    EXPECT_EQ(currentColours(loaded()), chosen);
    ASSERT_EQ(SaveTinctureColours(loaded()), "");
    EXPECT_EQ(readFile(), written);
}

TEST_F(TinctureFile, ShortFileKeepsFactoryColoursForWhatItLacks) {
    std::vector<Colour> colours;
    for (int k = 1; k <= kTinctureCount; ++k) colours.push_back(0x050505 * k);
    const Bytes whole = colourFile(colours);

    // Cut inside record 4's colour, then right after it.
    for (std::size_t size : {std::size_t(3 * 128 + 3), std::size_t(3 * 128 + 4)}) {
        SCOPED_TRACE(size);
        writeFile(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size)));
        const TinctureTable table = loaded();
        const int held = size == 3 * 128 + 4 ? 4 : 3;
        for (int k = 1; k <= kTinctureCount; ++k)
            EXPECT_EQ(Colour(table[k].Colour), k <= held ? colours[k - 1] : FactoryColour(k)) << k;
    }
}

TEST_F(TinctureFile, EmptyOrDamagedFileNeverStopsTheStart) {
    writeFile({});
    EXPECT_EQ(currentColours(loaded()), factoryColours());

    // A value with its high byte set is no colour: that tincture keeps its own.
    std::vector<Colour> colours = factoryColours();
    colours[kSinople - 1] = 0xFF00A000;
    colours[kSable - 1] = 0x101010;
    writeFile(colourFile(colours));
    EXPECT_EQ(Colour(loaded()[kSinople].Colour), FactoryColour(kSinople));
    EXPECT_EQ(Colour(loaded()[kSable].Colour), 0x101010u);
}

TEST_F(TinctureFile, LongerFileIsReadForItsFirstElevenRecordsAndRewrittenWhole) {
    std::vector<Colour> colours(20, 0x0A0B0C);
    writeFile(colourFile(colours));
    const TinctureTable table = loaded();
    for (int k = 1; k <= kTinctureCount; ++k) EXPECT_EQ(Colour(table[k].Colour), 0x0A0B0Cu);
    ASSERT_EQ(SaveTinctureColours(table), "");
    EXPECT_EQ(readFile(), colourFile(std::vector<Colour>(11, 0x0A0B0C)));
}

TEST_F(TinctureFile, UnwritableProgramFolderKeepsTheColoursInMemory) {
    // A program folder that cannot exist: its parent is a plain file.
    put("blocker", Bytes{'x'});
    ::setenv("TESSALINE_HOME", file("blocker/home").c_str(), 1);

    TinctureTable table = loaded();
    EXPECT_EQ(currentColours(table), factoryColours());
    table[kOr].Colour = 0x00EEEE;
    EXPECT_NE(SaveTinctureColours(table), "");
    EXPECT_EQ(Colour(table[kOr].Colour), 0x00EEEEu);
}

}  // namespace
}  // namespace tess
