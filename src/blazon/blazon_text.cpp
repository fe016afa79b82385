#include "blazon/blazon_text.h"

#include <algorithm>
#include <string_view>

#include "blazon/bank_phrase.h"
#include "blazon/vocabulary.h"
#include "model/document.h"
#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

constexpr int kFieldPartCount = 4;

bool endsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() &&
           std::string_view(text).substr(text.size() - tail.size()) == tail;
}

void dropFinalCommaPair(std::string& b) {
    if (endsWith(b, ", ")) b.resize(b.size() - 2);
}

// An inserted coat of arms is named by its document's file name, case kept.
std::string insertedDocumentName(const std::string& path) {
    return dropLastCharacters(FileNameOfPath(path), 4);
}

std::string zoneTincture(const Workspace& ws, const PartRecord& zone) {
    return lowerCase(TinctureText(ws, zone.Tincture, zone.Kind));
}

void appendPartitionedField(Workspace& ws, std::string& b) {
    const BlazonRecord& blazon = ws.CurrentBlazon;
    std::string secondHalf;
    b += PartitionName(blazon, secondHalf);
    if (hasHeraldicLines(blazon.Partition)) b += PartitionLineName(blazon.Parts[1].Line.LineKind);

    const int count = std::min<int>(blazon.PartCount, kFieldPartCount);
    for (int k = 1; k <= count; ++k) {
        const PartRecord& part = blazon.Parts[k];
        b += ' ';
        b += std::to_string(k);
        if (!part.InsertedPath.empty() && PartCanHoldBlazon(blazon, k)) {
            b += ") de ";
            b += insertedDocumentName(part.InsertedPath);
        } else {
            b += ") ";
            b += zoneTincture(ws, part);
        }
        if (part.ChargeCount != 0) b += BuildPartChargesPhrase(ws, static_cast<Byte>(k));
        dropFinalCommaPair(b);
        if (k == count) {
            b += ';';
        } else if (k == count - 1) {
            b += " et";
        } else {
            b += ", ";
            if (k == 1 && !secondHalf.empty()) {
                b += ' ';
                b += secondHalf;
                secondHalf.clear();
            }
        }
    }
}

void appendPlainField(Workspace& ws, std::string& b) {
    const PartRecord& part = ws.CurrentBlazon.Parts[1];
    b += TinctureText(ws, part.Tincture, part.Kind);
    if (part.ChargeCount != 0) b += BuildPartChargesPhrase(ws, 1);
    dropFinalCommaPair(b);
    b += "; ";
}

void appendSecondOrderPiece(Workspace& ws, std::string& b) {
    const BlazonRecord& blazon = ws.CurrentBlazon;
    const OrdinaryRecord& piece = blazon.Ordinary2;
    const PartRecord& zone = blazon.Parts[kSecondOrderZone];
    b += " à ";
    if (OrdinaryCanBeNarrowed(blazon, 2) && piece.Size < 0) b += "filet en ";
    b += lowerCase(OrdinaryName(blazon, piece.Type));
    // Adextre, Sénestre and Champagne are the pieces drawn with heraldic lines.
    if (isLinedOrdinary2(piece.Type)) b += PartitionLineName(zone.Line.LineKind);
    b += ' ';
    b += zoneTincture(ws, zone);
    if (zone.ChargeCount != 0) b += BuildPartChargesPhrase(ws, kSecondOrderZone);
    dropFinalCommaPair(b);
    b += "; ";
}

// The shift is only offered (and so only written) for a single piece that can move.
bool shiftApplies(const OrdinaryRecord& piece) {
    return piece.Present != 0 && takesShift(piece.Type) && piece.Repeat == 0;
}

void appendFirstOrderPiece(Workspace& ws, std::string& b) {
    const BlazonRecord& blazon = ws.CurrentBlazon;
    const OrdinaryRecord& piece = blazon.Ordinary1;
    const PartRecord& zone = blazon.Parts[kFirstOrderZone];
    const bool repeated = piece.Repeat != 0;
    b += " à ";
    if (repeated) {
        b += NumberWord(piece.Repeat + 1);
        b += ' ';
    }
    if (OrdinaryCanBeNarrowed(blazon, 1) && piece.Size < 0)
        b += repeated ? "filets en " : "filet en ";
    b += lowerCase(OrdinaryName(blazon, piece.Type));
    if (repeated) b += 's';
    // Chevron, Orle, Bordure and Écusson are drawn without heraldic lines.
    if (takesLineStyle(piece.Type)) {
        b += PartitionLineName(zone.Line.LineKind);
        if (endsWith(b, "é") && repeated) b += 's';
    }
    if (!zone.InsertedPath.empty() && (piece.Type == kChef || piece.Type == kEcusson)) {
        b += " de ";
        b += insertedDocumentName(zone.InsertedPath);
    } else {
        b += ' ';
        b += zoneTincture(ws, zone);
    }
    if (shiftApplies(piece)) b += DeportPhrase(blazon, piece.Shift, piece.Type);
    b += BuildPartChargesPhrase(ws, kFirstOrderZone);
}

void appendChargesOverAll(Workspace& ws, std::string& b) {
    const BlazonRecord& blazon = ws.CurrentBlazon;
    const PartRecord& zone = blazon.Parts[kSeveralPartsZone];
    const int listed = std::min<int>(zone.ChargeCount, kChargeCount);

    int charges[kChargeCount];
    int n = 0;
    for (int m = 1; m <= listed; ++m) {
        const int c = zone.ChargeList[m];
        if (chargeBankPhrase(ws, c) != nullptr) charges[n++] = c;
    }
    if (n == 0) return;

    for (int i = 0; i < n; ++i) {
        const ChargeRecord& charge = blazon.Charges[charges[i]];
        if (i == n - 1 && n >= 2) {
            b.pop_back();  // the comma left by the previous charge
            b += " et";
        }
        b += " à ";
        b += *chargeBankPhrase(ws, charges[i]);
        b += ' ';
        b += lowerCase(TinctureText(ws, charge.Tincture, charge.Class));
        b += ',';
    }
    if (endsWith(b, ",")) b.pop_back();
    b += n == 1 ? " broché sur le tout" : " brochés sur le tout";
}

void closeSentence(std::string& b) {
    const auto end = b.find_last_not_of(' ');
    b.resize(end == std::string::npos ? 0 : end + 1);
    if (!b.empty() && (b.back() == ',' || b.back() == ';')) b.back() = '.';
}

}  // namespace

std::string BuildBlazonText(Workspace& ws) {
    std::string b;
    b.reserve(1024);
    if (ws.CurrentBlazon.Partition != kPlainField)
        appendPartitionedField(ws, b);
    else
        appendPlainField(ws, b);
    if (ws.CurrentBlazon.Ordinary2.Present != 0) appendSecondOrderPiece(ws, b);
    if (ws.CurrentBlazon.Ordinary1.Present != 0) appendFirstOrderPiece(ws, b);
    appendChargesOverAll(ws, b);
    closeSentence(b);
    return b;
}

}  // namespace tess
