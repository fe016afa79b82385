#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/image_bank.h"
#include "model/motifs.h"
#include "model/records.h"

namespace tess {

// The ".bls" document: fixed 128-byte records, one value each. Records 1..29
// hold the header, 30..64 the seven part blocks, 65..80 the four user-fur
// blocks; from 81 an entry list (seven records per picture tagged "Cont#",
// nine per charge tagged "Pic#") closed by the strings "EOF", "", "".
inline constexpr std::uint8_t kDocumentFormat = 14;
inline constexpr std::int32_t kFirstPartRecord = 30;
inline constexpr std::int32_t kFirstUserFurRecord = 65;
inline constexpr std::int32_t kFirstEntryRecord = 81;
inline constexpr std::int32_t kImageEntryRecords = 7;
inline constexpr std::int32_t kChargeEntryRecords = 9;
inline constexpr const char* kNoInsertedArms = "NoBls";
inline constexpr const char* kImageTag = "Cont#";
inline constexpr const char* kChargeTag = "Pic#";
inline constexpr const char* kTrailer = "EOF";
inline constexpr int kTrailerRecords = 3;
inline constexpr const char* kGroupTag = "Grp#";
inline constexpr int kMaxStoredPictures = 255;

// One bank picture as the document stores it. Its number (its place in the
// list, from 1) names its side files and is what charges refer to.
struct StoredImage {
    std::string DisplayName;
    Integer Height = 0;
    Integer Width = 0;
    Long OwnTincture = 0;
    Long OwnClass = 0;
    std::string Phrase;
    bool operator==(const StoredImage&) const = default;
};

// One placed charge as the document stores it.
struct StoredCharge {
    int PictureNumber = 0;  // the number after "Pic#"
    Integer X = 0;
    Integer Y = 0;
    Integer Brochant = 0;
    Long Tincture = -1;
    Long Class = 0;
    Integer Mirrored = 0;
    Integer Height = 0;
    Integer Width = 0;
    Byte Group = 0;  // its charge group, 0 none (kept after the trailer)
    bool operator==(const StoredCharge&) const = default;
};

// A charge group as the document keeps it, after the trailer where readers
// that stop at the trailer never look: "Grp#" and the group's number, the
// count of phrase records and the phrase in pieces of at most 126 characters,
// the member count and each member's place in the charge list (from 1).
struct StoredGroup {
    Byte Number = 0;  // 1..100
    std::string Phrase;
    bool operator==(const StoredGroup&) const = default;
};

// Everything a document file holds. `Blazon` carries the header, the part
// blocks and the user-fur blocks; its charges are not used (they are listed in
// `Charges`) and its fields the file does not keep are those of the record the
// reader started from.
struct StoredDocument {
    BlazonRecord Blazon;
    std::vector<StoredImage> Images;
    std::vector<StoredCharge> Charges;
    std::vector<StoredGroup> Groups;  // those named by a stored charge
};

// True when the bytes start as a document does: its first byte is 14.
bool looksLikeDocument(const std::vector<std::uint8_t>& bytes);

// Reads a document from its bytes, starting from `base` for what the file does
// not keep. Never fails and never loops: records past the end read as 0 or the
// empty text; a tag starting with neither "C" nor "P" ends the list; a "Pic#"
// number outside 1..255, pictures past 255 and charges past fifty are skipped.
// After the trailer, groups with a number outside 1..100, or named twice, and
// members outside the charge list are skipped.
StoredDocument decodeDocument(const std::vector<std::uint8_t>& bytes, const BlazonRecord& base);

// The document's bytes, or the French reason it cannot be written (a text longer
// than 126 characters or with a character outside Windows-1252). Nothing is
// written anywhere: the caller writes the bytes once they all exist.
struct EncodedDocument {
    std::vector<std::uint8_t> bytes;
    std::string error;
    bool ok() const { return error.empty(); }
};
EncodedDocument encodeDocument(const StoredDocument& document);

// The document of a record and its image bank, pictures numbered 1, 2, 3... in
// slot order over `pictureSlots` (the bank slots that have pictures to write,
// ascending). Each charge's picture number is rewritten to match, so a bank with
// gaps reopens whole; a charge whose picture is not written is left out.
// `numberOfSlot` (optional) receives slot -> picture number (0 when not written).
// Each charge keeps its group number; `groups` (optional) gives the phrases of
// the live groups the stored charges name, and charges of any other group are
// stored without one.
StoredDocument storedDocumentOf(const BlazonRecord& blazon, const ImageBank& bank,
                                const std::vector<int>& pictureSlots,
                                std::vector<int>* numberOfSlot = nullptr,
                                const MotifTable* groups = nullptr);

}  // namespace tess
