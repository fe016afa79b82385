#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tess {

// Field widths follow the document file: Byte uint8, Integer int16, Long int32.
// A flag is an Integer holding -1 (true) or 0 (false). Tables keep the
// documents' numbering: element 0 of a table numbered from 1 is unused.
using Byte = std::uint8_t;
using Integer = std::int16_t;
using Long = std::int32_t;
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;

inline constexpr int kPartCount = 7;     // parts 1..7
inline constexpr int kChargeCount = 50;  // charges 1..50
inline constexpr int kUserFurCount = 4;  // user fur slots 0..3
inline constexpr int kUndoDepth = 25;    // undo slots 1..25

// The heraldic line of one zone ("Profondeur", "Largeur", kind, "À plomb").
struct LineStyle {
    Integer Depth = 24;
    Integer Width = 48;
    Long LineKind = 10;  // 10 plain .. 17 bastillé
    Integer Plumb = 0;   // flag "À plomb"
    bool operator==(const LineStyle&) const = default;
};

// One part zone: 1..4 the field's parts, 5 the second-order piece's zone,
// 6 charges over several parts / brochant, 7 the first-order piece's zone.
// The picture of an inserted coat of arms belongs to the renderer, keyed by part.
struct PartRecord {
    Long Kind = 0;      // tincture class: 22, 31, 33, 34, 108..119
    Long Tincture = 0;  // 1..11, or a fur code
    Integer SeedX = 0;
    Integer SeedY = 0;
    std::string InsertedPath;
    LineStyle Line;
    Byte ChargeCount = 0;
    std::array<Byte, kChargeCount + 1> ChargeList{};  // 1..ChargeCount
    bool operator==(const PartRecord&) const = default;
};

// One honourable piece. Its drawing surfaces belong to the renderer.
struct OrdinaryRecord {
    Integer Present = 0;
    Long Type = 0;  // 1..9 first order, 10..22 second order
    Long Reserved1 = 0;
    Long Reserved2 = 0;
    std::string Name;
    Integer Size = 0;   // 0 entière, > 0 diminuée, < 0 en filet
    Byte Repeat = 0;    // first order: extra copies 0..2
    Integer Shift = 0;  // first order: -1, 0, 1 ("déporté")
    bool operator==(const OrdinaryRecord&) const = default;
};

// One placed charge. Its coloured working picture belongs to the renderer,
// keyed by charge number.
struct ChargeRecord {
    Integer InUse = 0;
    Integer X = 0;
    Integer Y = 0;
    Integer Width = 0;
    Integer Height = 0;
    Byte Placement = 0;
    Integer ImageIndex = 0;  // image-bank slot 1..255, 0 none
    std::string ImageName;
    Long Tincture = -1;  // 1..11, -1 none given
    Long Class = 0;      // 22 metal, 33 colour
    Integer Mirrored = 0;
    Integer Brochant = 0;
    Byte Motif = 0;  // charge group 1..100, 0 none
    bool operator==(const ChargeRecord&) const = default;
};

// One user fur slot (fur code 116 + slot). Its tile picture belongs to the
// renderer, keyed by slot.
struct UserFurRecord {
    std::string Path;
    Byte VerticalOffset = 0;  // row shift in percent of the tile width, 0..99
    Integer TileWidth = 0;
    Integer TileHeight = 0;
    std::string Phrase;
    Long DominantTincture = 0;
    bool operator==(const UserFurRecord&) const = default;
};

// The whole coat of arms being edited. Copied whole by the undo stack; holds no
// drawing surface, so an undo copy can never bring a released one back.
struct BlazonRecord {
    Long InsetShape = 1;
    std::string Folder;
    std::string FilePath;
    Long Partition = 9;
    Byte PartCount = 1;
    std::array<PartRecord, kPartCount + 1> Parts{};  // 1..7
    OrdinaryRecord Ordinary1;
    OrdinaryRecord Ordinary2;
    Long ShieldShape = 1;
    std::array<ChargeRecord, kChargeCount + 1> Charges{};  // 1..50
    std::array<UserFurRecord, kUserFurCount> UserFurs{};   // 0..3
    bool operator==(const BlazonRecord&) const = default;
};

}  // namespace tess
