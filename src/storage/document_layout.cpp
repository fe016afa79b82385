#include "storage/document_layout.h"

#include <algorithm>
#include <string_view>

#include "platform/record_file.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

// Collects the values record by record and remembers the first text that
// cannot be stored, so the whole document is refused before anything exists.
class DocumentWriter {
  public:
    void reserve(std::int32_t records) { records_.reserve(records); }
    void putByte(Byte v) { records_.putByte(v); }
    void putInteger(Integer v) { records_.putInteger(v); }
    void putLong(Long v) { records_.putLong(v); }
    void putString(const std::string& text) {
        if (records_.putString(text)) return;
        if (error_.empty()) error_ = refusal(text);
        (void)records_.putString(std::string());  // keeps the numbering for what follows
    }
    void putPath(const std::string& path) {
        if (records_.putPath(path)) return;
        if (error_.empty()) error_ = refusal(displayedName(path));
        (void)records_.putString(std::string());
    }
    std::int32_t nextRecord() const { return records_.recordCount() + 1; }
    EncodedDocument finish() {
        if (!error_.empty()) return {{}, error_};
        return {records_.bytes(), {}};
    }

  private:
    static std::string refusal(const std::string& text) {
        if (!fitsWindows1252(text))
            return "Le texte « " + text +
                   " » contient un caractère qu'un blason ne peut pas enregistrer. "
                   "Le blason n'a pas été sauvegardé.";
        return "Le texte « " + text + " » dépasse les " + std::to_string(kMaxRecordString) +
               " caractères qu'un blason peut enregistrer. Le blason n'a pas été sauvegardé.";
    }

    RecordWriter records_;
    std::string error_;
};

std::string trimmedSpaces(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The number after "Pic#", read as leading decimal digits (what follows them is
// ignored); 0 when there are none, and capped so a long run of digits cannot
// overflow.
int pictureNumberOfTag(std::string_view tag) {
    const std::string_view prefix(kChargeTag);
    if (tag.size() <= prefix.size()) return 0;
    long number = 0;
    for (std::size_t i = prefix.size(); i < tag.size(); ++i) {
        const char c = tag[i];
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > 1000000) return 0;
    }
    return int(number);
}

// A phrase in pieces that each fit a record, cut between characters.
std::vector<std::string> phrasePieces(const std::string& phrase) {
    std::vector<std::string> pieces;
    std::string piece;
    int characters = 0;
    for (char c : phrase) {
        const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts && characters == kMaxRecordString) {
            pieces.push_back(std::move(piece));
            piece.clear();
            characters = 0;
        }
        if (starts) ++characters;
        piece += c;
    }
    if (!piece.empty()) pieces.push_back(std::move(piece));
    return pieces;
}

void writeGroups(DocumentWriter& out, const StoredDocument& document) {
    for (const StoredGroup& group : document.Groups) {
        std::vector<Integer> members;
        for (std::size_t i = 0; i < document.Charges.size(); ++i)
            if (document.Charges[i].Group == group.Number) members.push_back(Integer(i + 1));
        if (members.empty()) continue;
        const std::vector<std::string> pieces = phrasePieces(group.Phrase);
        out.putString(kGroupTag + std::to_string(group.Number));
        out.putInteger(Integer(pieces.size()));
        for (const std::string& piece : pieces) out.putString(piece);
        out.putInteger(Integer(members.size()));
        for (Integer m : members) out.putInteger(m);
    }
}

// Every count is bounded before it moves the record number, and each group
// moves it on by at least two records, so the loop always ends.
void readGroups(const RecordReader& in, std::int32_t r, StoredDocument& document) {
    constexpr int kMaxPieces = 16;
    const std::int32_t end = in.recordCount();
    const std::string_view prefix(kGroupTag);
    while (r <= end) {
        const std::string tag = in.getString(r);
        if (tag.size() <= prefix.size() || tag.compare(0, prefix.size(), prefix) != 0) break;
        int number = 0;
        for (std::size_t i = prefix.size(); i < tag.size() && number <= kMotifCount; ++i) {
            if (tag[i] < '0' || tag[i] > '9') break;
            number = number * 10 + (tag[i] - '0');
        }
        const int pieces = in.getInteger(r + 1);
        if (pieces < 0 || pieces > kMaxPieces) break;
        std::string phrase;
        for (int i = 0; i < pieces; ++i) phrase += in.getString(r + 2 + i);
        r += 2 + pieces;
        const int members = in.getInteger(r);
        if (members < 0 || members > kChargeCount) break;
        const bool known = std::any_of(document.Groups.begin(), document.Groups.end(),
                                       [&](const StoredGroup& g) { return g.Number == number; });
        const bool valid = number >= 1 && number <= kMotifCount && !known;
        if (valid) document.Groups.push_back({Byte(number), phrase});
        for (int i = 1; i <= members; ++i) {
            const int place = in.getInteger(r + i);
            if (valid && place >= 1 && place <= int(document.Charges.size()))
                document.Charges[std::size_t(place - 1)].Group = Byte(number);
        }
        r += 1 + members;
    }
}

void writeHeader(DocumentWriter& out, const BlazonRecord& b) {
    out.putInteger(kDocumentFormat);
    out.putLong(b.Partition);
    out.putInteger(b.Ordinary1.Shift);
    out.putLong(b.ShieldShape);
    out.putInteger(b.Ordinary1.Present);
    out.putLong(b.Ordinary1.Reserved2);
    out.putString(b.Ordinary1.Name);
    out.putLong(b.Ordinary1.Type);
    out.putLong(b.Ordinary1.Reserved1);
    out.putInteger(b.Ordinary1.Size);
    out.putInteger(b.Ordinary2.Present);
    out.putLong(b.Ordinary2.Reserved2);
    out.putString(b.Ordinary2.Name);
    out.putLong(b.Ordinary2.Type);
    out.putLong(b.Ordinary2.Reserved1);
    out.putInteger(b.Ordinary2.Size);
    out.putByte(b.Ordinary1.Repeat);
    out.putInteger(b.Parts[1].Line.Plumb);
    out.putInteger(b.Parts[7].Line.Plumb);
    for (int part : {1, 5, 7}) {
        out.putLong(b.Parts[part].Line.LineKind);
        out.putInteger(b.Parts[part].Line.Depth);
        out.putInteger(b.Parts[part].Line.Width);
    }
    out.putLong(b.InsetShape);
}

void readHeader(const RecordReader& in, BlazonRecord& b) {
    b.Partition = in.getLong(2);
    b.Ordinary1.Shift = in.getInteger(3);
    b.ShieldShape = in.getLong(4);
    b.Ordinary1.Present = in.getInteger(5);
    b.Ordinary1.Reserved2 = in.getLong(6);
    b.Ordinary1.Name = in.getString(7);
    b.Ordinary1.Type = in.getLong(8);
    b.Ordinary1.Reserved1 = in.getLong(9);
    b.Ordinary1.Size = in.getInteger(10);
    b.Ordinary2.Present = in.getInteger(11);
    b.Ordinary2.Reserved2 = in.getLong(12);
    b.Ordinary2.Name = in.getString(13);
    b.Ordinary2.Type = in.getLong(14);
    b.Ordinary2.Reserved1 = in.getLong(15);
    b.Ordinary2.Size = in.getInteger(16);
    b.Ordinary1.Repeat = in.getByte(17);
    b.Parts[1].Line.Plumb = in.getInteger(18);
    b.Parts[7].Line.Plumb = in.getInteger(19);
    std::int32_t r = 20;
    for (int part : {1, 5, 7}) {
        b.Parts[part].Line.LineKind = in.getLong(r++);
        b.Parts[part].Line.Depth = in.getInteger(r++);
        b.Parts[part].Line.Width = in.getInteger(r++);
    }
    b.InsetShape = in.getLong(29);
}

}  // namespace

bool looksLikeDocument(const std::vector<std::uint8_t>& bytes) {
    return !bytes.empty() && bytes[0] == kDocumentFormat;
}

StoredDocument decodeDocument(const std::vector<std::uint8_t>& bytes, const BlazonRecord& base) {
    StoredDocument document;
    document.Blazon = base;
    BlazonRecord& b = document.Blazon;
    const RecordReader in(bytes);
    readHeader(in, b);

    for (int k = 1; k <= kPartCount; ++k) {
        const std::int32_t r = kFirstPartRecord + 5 * (k - 1);
        PartRecord& part = b.Parts[k];
        part.Tincture = in.getLong(r);
        part.SeedX = in.getInteger(r + 1);
        part.SeedY = in.getInteger(r + 2);
        part.Kind = in.getLong(r + 3);
        std::string inserted = trimmedSpaces(in.getString(r + 4));
        part.InsertedPath = inserted == kNoInsertedArms ? std::string() : std::move(inserted);
    }

    for (int s = 0; s < kUserFurCount; ++s) {
        const std::int32_t r = kFirstUserFurRecord + 4 * s;
        UserFurRecord& fur = b.UserFurs[s];
        fur.Path = in.getString(r);
        fur.VerticalOffset = in.getByte(r + 1);
        fur.TileHeight = in.getInteger(r + 2);
        fur.TileWidth = in.getInteger(r + 3);
    }

    // Every step moves on by a whole entry and records past the end read as the
    // empty text, which ends the list: the loop always ends.
    const std::int32_t end = in.recordCount();
    std::int32_t trailer = 0;
    for (std::int32_t r = kFirstEntryRecord; r <= end;) {
        const std::string tag = in.getString(r);
        if (tag.empty()) break;
        if (tag == kTrailer || tag[0] == kTrailer[0]) {
            trailer = r;
            break;
        }
        if (tag[0] == 'C') {
            if (int(document.Images.size()) < kMaxStoredPictures) {
                StoredImage image;
                image.DisplayName = in.getString(r + 1);
                image.Height = in.getInteger(r + 2);
                image.Width = in.getInteger(r + 3);
                image.OwnTincture = in.getLong(r + 4);
                image.OwnClass = in.getLong(r + 5);
                image.Phrase = in.getString(r + 6);
                document.Images.push_back(std::move(image));
            }
            r += kImageEntryRecords;
        } else if (tag[0] == 'P') {
            const int number = pictureNumberOfTag(tag);
            if (number >= 1 && number <= kMaxStoredPictures &&
                int(document.Charges.size()) < kChargeCount) {
                StoredCharge charge;
                charge.PictureNumber = number;
                charge.X = in.getInteger(r + 1);
                charge.Y = in.getInteger(r + 2);
                charge.Brochant = in.getInteger(r + 3);
                charge.Tincture = in.getLong(r + 4);
                charge.Class = in.getLong(r + 5);
                charge.Mirrored = in.getInteger(r + 6);
                charge.Height = in.getInteger(r + 7);
                charge.Width = in.getInteger(r + 8);
                document.Charges.push_back(charge);
            }
            r += kChargeEntryRecords;
        } else {
            break;
        }
    }
    if (trailer != 0) readGroups(in, trailer + kTrailerRecords, document);
    return document;
}

EncodedDocument encodeDocument(const StoredDocument& document) {
    const BlazonRecord& b = document.Blazon;
    DocumentWriter out;
    // The groups that follow the trailer are few and short: room for the rest.
    out.reserve(kFirstEntryRecord - 1 + kImageEntryRecords * std::int32_t(document.Images.size()) +
                kChargeEntryRecords * std::int32_t(document.Charges.size()) + kTrailerRecords);
    writeHeader(out, b);

    for (int k = 1; k <= kPartCount; ++k) {
        const PartRecord& part = b.Parts[k];
        out.putLong(part.Tincture);
        out.putInteger(part.SeedX);
        out.putInteger(part.SeedY);
        out.putLong(part.Kind);
        out.putPath(part.InsertedPath.empty() ? std::string(kNoInsertedArms) : part.InsertedPath);
    }

    for (int s = 0; s < kUserFurCount; ++s) {
        const UserFurRecord& fur = b.UserFurs[s];
        out.putPath(fur.Path);
        out.putByte(fur.VerticalOffset);
        out.putInteger(fur.TileHeight);
        out.putInteger(fur.TileWidth);
    }

    for (const StoredImage& image : document.Images) {
        out.putString(kImageTag + std::to_string(out.nextRecord()));
        out.putString(image.DisplayName);
        out.putInteger(image.Height);
        out.putInteger(image.Width);
        out.putLong(image.OwnTincture);
        out.putLong(image.OwnClass);
        out.putString(image.Phrase);
    }

    for (const StoredCharge& charge : document.Charges) {
        out.putString(kChargeTag + std::to_string(charge.PictureNumber));
        out.putInteger(charge.X);
        out.putInteger(charge.Y);
        out.putInteger(charge.Brochant);
        out.putLong(charge.Tincture);
        out.putLong(charge.Class);
        out.putInteger(charge.Mirrored);
        out.putInteger(charge.Height);
        out.putInteger(charge.Width);
    }

    out.putString(kTrailer);
    out.putString(std::string());
    out.putString(std::string());
    writeGroups(out, document);
    return out.finish();
}

StoredDocument storedDocumentOf(const BlazonRecord& blazon, const ImageBank& bank,
                                const std::vector<int>& pictureSlots,
                                std::vector<int>* numberOfSlot, const MotifTable* groups) {
    StoredDocument document;
    document.Blazon = blazon;
    std::vector<int> numbers(kImageBankSize + 1, 0);
    for (int slot : pictureSlots) {
        if (slot < 1 || slot > kImageBankSize) continue;
        const ImageBankEntry& entry = bank[slot];
        document.Images.push_back({entry.DisplayName, entry.Height, entry.Width, entry.OwnTincture,
                                   entry.OwnClass, entry.Phrase});
        numbers[slot] = int(document.Images.size());
    }
    for (int c = 1; c <= kChargeCount; ++c) {
        const ChargeRecord& charge = blazon.Charges[c];
        if (charge.InUse == 0 || charge.ImageIndex < 1 || charge.ImageIndex > kImageBankSize)
            continue;
        const int number = numbers[charge.ImageIndex];
        if (number == 0) continue;
        const bool grouped = groups != nullptr && charge.Motif >= 1 &&
                             charge.Motif <= kMotifCount && groups->Motifs[charge.Motif].InUse != 0;
        document.Charges.push_back({number, charge.X, charge.Y, charge.Brochant, charge.Tincture,
                                    charge.Class, charge.Mirrored, charge.Height, charge.Width,
                                    grouped ? charge.Motif : Byte(0)});
        if (grouped && std::none_of(document.Groups.begin(), document.Groups.end(),
                                    [&](const StoredGroup& g) { return g.Number == charge.Motif; }))
            document.Groups.push_back({charge.Motif, groups->Motifs[charge.Motif].Phrase});
    }
    if (numberOfSlot) *numberOfSlot = std::move(numbers);
    return document;
}

}  // namespace tess
