#pragma once

#include <functional>
#include <string>

#include "actions/apply_edit.h"
#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

// The honourable pieces' commands: the pieces list's double click, the sizes,
// the removals and the line styles of the pieces' and the parts' menus. Each
// is one undo step unless it says otherwise.

// Piece `type` from the pieces list, `name` its list text. A second-order type
// (10..22) becomes the second-order piece. A first-order type (1..9) becomes
// the first-order piece with no repeat, unless it is already there and repeats
// (Pal to Orle): then its repeats cycle 0, 1, 2, 0. Size, shift and line are
// kept. Nothing for a type out of range.
EditOutcome ChoosePiece(Workspace& ws, Renderer& r, int type, const std::string& name);

enum class PieceOrder { First, Second };
enum class PieceSize { Entire, Diminished, Filet };
// The size from the pieces' menus and the size choosers, one undo step also
// when the piece already has it.
EditOutcome SetPieceSize(Workspace& ws, Renderer& r, PieceOrder order, PieceSize size);

// The second-order piece goes; charges lying on it stay.
EditOutcome RemoveSecondOrderPiece(Workspace& ws, Renderer& r);

// The question removing the first-order piece asks, singular or plural, when
// charges lie wholly on it (named after the lowest-numbered); empty when none.
std::string FirstOrderRemovalQuestion(const Workspace& ws);
inline constexpr const char* kFirstOrderRemovalTitle = "Supprimer la pièce honorable";

// Removes the first-order piece and every charge lying wholly on it. When the
// question above is not empty, `confirm(question, title)` is asked first and
// anything but true ends the command with nothing changed and no undo step. A
// held charge is out of the document and stays.
EditOutcome RemoveFirstOrderPiece(
    Workspace& ws, Renderer& r,
    const std::function<bool(const std::string& text, const std::string& title)>& confirm);

// Which edge's line the line-style window edits.
enum class EdgeLine { Partition, SecondOrderPiece, FirstOrderPiece };

// What the line-style window is opened with: the zone whose line it edits,
// whether the line runs on a diagonal (nébulé and engrelé are then not
// offered), a copy of the line, and the width in pixels of a narrowed piece
// (0 when whole, en filet or the partition), which caps the line's depth.
struct LineStyleSubject {
    int part = 1;
    bool diagonal = false;
    LineStyle style;
    int pieceWidth = 0;
};
LineStyleSubject LineStyleSubjectOf(const BlazonRecord& blazon, EdgeLine edge);

// Stores `style` as the line of zone `part` (1, 5 or 7) and redraws: with an
// undo step for the window's "Ok", without one for "Appliquer" (the document
// is modified either way).
EditOutcome ApplyLineStyle(Workspace& ws, Renderer& r, int part, const LineStyle& style,
                           UndoStep undo);

}  // namespace tess
