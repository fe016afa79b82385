#include "model/tincture_file.h"

#include <optional>
#include <vector>

#include "model/tincture_table.h"
#include "platform/paths.h"
#include "platform/record_file.h"

namespace tess {

namespace {

// Far more than eleven records: anything larger is not a colour file.
constexpr std::size_t kMaxColourFileBytes = 64 * 1024;

bool holdsLong(std::size_t fileSize, int record) {
    return fileSize >= std::size_t(record - 1) * kRecordLength + 4;
}

// A colour is 0x00BBGGRR; anything in the high byte means the record is not one.
bool isColour(Long value) {
    return (std::uint32_t(value) & 0xFF000000u) == 0;
}

}  // namespace

std::string tinctureColourFilePath() {
    return programFile("QRZ.inf");
}

void LoadTinctureColours(TinctureTable& table) {
    for (int k = 1; k <= kTinctureCount; ++k) table[k].Colour = table[k].DefaultColour;

    const std::string path = tinctureColourFilePath();
    if (!fileExists(path)) {
        // A program folder that cannot be written to still starts, in factory colours.
        SaveTinctureColours(table);
        return;
    }
    std::optional<std::vector<std::uint8_t>> bytes = readFileBytes(path, kMaxColourFileBytes);
    if (!bytes) return;
    const std::size_t size = bytes->size();
    const RecordReader reader(std::move(*bytes));
    for (int k = 1; k <= kTinctureCount; ++k) {
        if (!holdsLong(size, k)) break;
        const Long value = reader.getLong(k);
        if (isColour(value)) table[k].Colour = value;
    }
}

std::string SaveTinctureColours(const TinctureTable& table) {
    if (programFolderLeftAlone()) return {};
    RecordWriter writer;
    for (int k = 1; k <= kTinctureCount; ++k) writer.putLong(table[k].Colour);
    return writeFileAtomically(tinctureColourFilePath(), writer.bytes());
}

}  // namespace tess
