#pragma once

#include <string>

#include "model/records.h"
#include "model/workspace.h"

namespace tess {

// The word makers of the blazon. Each is a pure function of its arguments and
// of the document; the texts are UTF-8 and are joined by the sentence exactly
// as they come, blanks included.

// The phrase of a tincture (1..11) or built-in fur (108..115), capital first,
// followed by the strewing of a user fur when `strewn` is a user-fur class
// (116..119). Unknown codes give the empty text, 131 and above a marker.
std::string TinctureText(const Workspace& ws, Long code, Long strewn);

// "un" .. "vingt"; any other value its digits after one blank. Takes any count,
// so a count past 255 is written as it stands rather than wrapped.
std::string NumberWord(int n);

// The partition's name; the four compound partitions also hand back their
// second half (ending with a blank) in `secondHalf`, the others leave it.
std::string PartitionName(const BlazonRecord& blazon, std::string& secondHalf);

// The line's adjective with a leading blank; the empty text for a plain line.
std::string PartitionLineName(Long lineKind);

// The piece's name: the second-order piece's stored name for 10 and above, the
// first-order piece's stored name, or its diminished form while it is diminished.
std::string OrdinaryName(const BlazonRecord& blazon, Long code);

// " déporté(s) en ..." for a shifted first-order piece; the empty text in place.
std::string DeportPhrase(const BlazonRecord& blazon, Integer shift, Long pieceType);

}  // namespace tess
