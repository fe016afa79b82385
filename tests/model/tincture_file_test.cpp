#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/tincture_file.h"
#include "model/tincture_table.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Each test gets its own empty program folder.
class TinctureFile : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() /
                ("tess-qrz-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home_);
        fs::create_directories(home_);
        setenv("TESSALINE_HOME", home_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TESSALINE_HOME");
        fs::remove_all(home_);
    }

    std::string file() const { return (home_ / "QRZ.inf").string(); }

    Bytes readFile() const {
        std::ifstream in(file(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void writeFile(const Bytes& bytes) const {
        std::ofstream out(file(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    fs::path home_;
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
    for (int k = 1; k <= kTinctureCount; ++k) colours.push_back(FactoryColour(k));
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

    TinctureTable again = FactoryTinctures();
    LoadTinctureColours(again);
    EXPECT_EQ(currentColours(again), factoryColours());
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

    TinctureTable loaded = FactoryTinctures();
    LoadTinctureColours(loaded);
    EXPECT_EQ(currentColours(loaded), chosen);
    ASSERT_EQ(SaveTinctureColours(loaded), "");
    EXPECT_EQ(readFile(), written);
}

TEST_F(TinctureFile, CurrentColourTakenFromTheFileIsFoundFirst) {
    std::vector<Colour> colours = factoryColours();
    colours[kGueules - 1] = 0x000080;  // Sanguine's factory colour
    writeFile(colourFile(colours));
    TinctureTable table = FactoryTinctures();
    LoadTinctureColours(table);
    EXPECT_EQ(Colour(table[kGueules].Colour), 0x000080u);
    EXPECT_EQ(FindTinctureByColour(table, 0x000080), kGueules);
    EXPECT_EQ(FindTinctureByColour(table, 0x0000FF), kGueules);
}

TEST_F(TinctureFile, ShortFileKeepsFactoryColoursForWhatItLacks) {
    std::vector<Colour> colours;
    for (int k = 1; k <= kTinctureCount; ++k) colours.push_back(0x050505 * k);
    const Bytes whole = colourFile(colours);

    // Cut inside record 4's colour, then right after it.
    for (std::size_t size : {std::size_t(3 * 128 + 3), std::size_t(3 * 128 + 4)}) {
        SCOPED_TRACE(size);
        writeFile(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size)));
        TinctureTable table = FactoryTinctures();
        LoadTinctureColours(table);
        const int held = size == 3 * 128 + 4 ? 4 : 3;
        for (int k = 1; k <= kTinctureCount; ++k)
            EXPECT_EQ(Colour(table[k].Colour), k <= held ? colours[k - 1] : FactoryColour(k)) << k;
    }
}

TEST_F(TinctureFile, EmptyOrDamagedFileNeverStopsTheStart) {
    writeFile({});
    TinctureTable table = FactoryTinctures();
    LoadTinctureColours(table);
    EXPECT_EQ(currentColours(table), factoryColours());

    // A value with its high byte set is no colour: that tincture keeps its own.
    std::vector<Colour> colours = factoryColours();
    colours[kSinople - 1] = 0xFF00A000;
    colours[kSable - 1] = 0x101010;
    writeFile(colourFile(colours));
    LoadTinctureColours(table);
    EXPECT_EQ(Colour(table[kSinople].Colour), FactoryColour(kSinople));
    EXPECT_EQ(Colour(table[kSable].Colour), 0x101010u);
}

TEST_F(TinctureFile, LongerFileIsReadForItsFirstElevenRecordsAndRewrittenWhole) {
    std::vector<Colour> colours(20, 0x0A0B0C);
    writeFile(colourFile(colours));
    TinctureTable table = FactoryTinctures();
    LoadTinctureColours(table);
    for (int k = 1; k <= kTinctureCount; ++k) EXPECT_EQ(Colour(table[k].Colour), 0x0A0B0Cu);
    ASSERT_EQ(SaveTinctureColours(table), "");
    EXPECT_EQ(readFile(), colourFile(std::vector<Colour>(11, 0x0A0B0C)));
}

TEST_F(TinctureFile, UnwritableProgramFolderKeepsTheColoursInMemory) {
    // A program folder that cannot exist: its parent is a plain file.
    const fs::path blocker = home_ / "blocker";
    std::ofstream(blocker).put('x');
    setenv("TESSALINE_HOME", (blocker / "home").c_str(), 1);

    TinctureTable table = FactoryTinctures();
    LoadTinctureColours(table);
    EXPECT_EQ(currentColours(table), factoryColours());
    table[kOr].Colour = 0x00EEEE;
    EXPECT_NE(SaveTinctureColours(table), "");
    EXPECT_EQ(Colour(table[kOr].Colour), 0x00EEEEu);
}

}  // namespace
}  // namespace tess
