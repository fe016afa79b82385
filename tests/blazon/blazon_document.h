#pragma once

#include <array>
#include <string>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"

namespace tess::testing {

// The names the piece list gives the honourable pieces (item = piece type).
inline constexpr std::array<const char*, 23> kPieceNames = {
    "",         "Chef",     "Pal",       "Fasce",   "Bande",
    "Barre",    "Chevron",  "Orle",      "Bordure", "Écusson",
    "Adextre",  "Sénestre", "Champagne", "Canton",  "Franc-Quartier",
    "Cornière", "Esquarre", "Giron",     "Pile",    "Pointe",
    "Pairle",   "Sautoir",  "Croix"};

// Bank pictures every test document can use.
inline constexpr int kEtoile = 1;
inline constexpr int kLion = 2;
inline constexpr int kBesant = 3;
inline constexpr int kFreedPicture = 4;  // taken out of the bank, phrase left behind

// A document set up the way the editor and the redraw leave it: a fresh reset,
// the factory tincture names, then what each test adds. Charges are listed on
// the zone their placement names, as the redraw's classification does.
class BlazonDocument {
  public:
    BlazonDocument() {
        InitTinctures(ws.Tinctures);
        ResetDocument(ws);
        addPicture(kEtoile, "étoile");
        addPicture(kLion, "lion");
        addPicture(kBesant, "besant");
        ws.Bank[kFreedPicture].Phrase = "vieux meuble";
    }

    BlazonRecord& doc() { return ws.CurrentBlazon; }

    BlazonDocument& partition(Long code, int parts) {
        doc().Partition = code;
        doc().PartCount = static_cast<Byte>(parts);
        return *this;
    }
    // A partition with the tincture of each of its parts (0 leaves a part as it is).
    template <typename... Tinctures>
    BlazonDocument& field(Long code, Tinctures... tinctures) {
        partition(code, int(sizeof...(tinctures)));
        int part = 0;
        for (Long t : {Long(tinctures)...}) {
            ++part;
            if (t != 0) tincture(part, t);
        }
        return *this;
    }
    // A tincture dropped on a zone: metal, Pourpre or colour.
    BlazonDocument& tincture(int part, Long tincture) {
        doc().Parts[part].Tincture = tincture;
        doc().Parts[part].Kind = tincture == 1 || tincture == 2 ? kClassMetal
                                 : tincture == 10               ? kClassPourpre
                                                                : kClassColour;
        return *this;
    }
    BlazonDocument& fur(int part, Long code) {
        doc().Parts[part].Tincture = code;
        doc().Parts[part].Kind = code;
        return *this;
    }
    // A user fur as the redraw leaves it: the fur's class, its dominant tincture.
    BlazonDocument& userFur(int part, int slot, const std::string& path, Long dominant) {
        doc().UserFurs[slot].Path = path;
        doc().UserFurs[slot].DominantTincture = dominant;
        doc().Parts[part].Kind = kFirstUserFur + slot;
        doc().Parts[part].Tincture = dominant;
        return *this;
    }
    BlazonDocument& inserted(int part, const std::string& path) {
        doc().Parts[part].InsertedPath = path;
        doc().Parts[part].Kind = kClassInserted;
        return *this;
    }
    BlazonDocument& line(int part, Long kind) {
        doc().Parts[part].Line.LineKind = kind;
        return *this;
    }
    BlazonDocument& firstOrder(Long type, Integer size = 0, Byte repeat = 0, Integer shift = 0) {
        OrdinaryRecord& piece = doc().Ordinary1;
        piece.Present = kTrue;
        piece.Type = type;
        piece.Name = kPieceNames[type];
        piece.Size = size;
        piece.Repeat = repeat;
        piece.Shift = shift;
        return *this;
    }
    BlazonDocument& secondOrder(Long type, Integer size = 0) {
        OrdinaryRecord& piece = doc().Ordinary2;
        piece.Present = kTrue;
        piece.Type = type;
        piece.Name = kPieceNames[type];
        piece.Size = size;
        return *this;
    }
    BlazonDocument& charge(int n, int picture, Long tincture, Byte placement) {
        ChargeRecord& c = doc().Charges[n];
        c.InUse = kTrue;
        c.ImageIndex = static_cast<Integer>(picture);
        c.Tincture = tincture;
        c.Class = tincture == 1 || tincture == 2 ? kClassMetal : kClassColour;
        c.Placement = placement;
        c.Brochant = placement == 9 ? kTrue : kFalse;
        if (placement == 0) return *this;  // no part found: in no list
        const int zone = placement == 9   ? 6
                         : placement > 20 ? placement - 20
                         : placement > 10 ? placement - 10
                                          : placement;
        PartRecord& part = doc().Parts[zone];
        part.ChargeList[++part.ChargeCount] = static_cast<Byte>(n);
        return *this;
    }

    Workspace ws;

  private:
    void addPicture(int slot, const std::string& phrase) {
        ws.Bank[slot].InUse = kTrue;
        ws.Bank[slot].Phrase = phrase;
        ws.Bank[slot].FileName = phrase + ".bmp";
    }
};

}  // namespace tess::testing
