#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tess {

// The side files of a document P (all Windows bitmaps): the two previews, P
// with its last character changed to "z" (own shape) and "x" (banner shape);
// each bank picture n and its mask, P less its ".bls" & "Px" & n & ".hpc" /
// ".mpc"; the coat of arms inserted into part k, P less ".bls" & "Bx" & k &
// ".hpx". For arms.bls: arms.blz, arms.blx, armsPx1.hpc, armsPx1.mpc, armsBx7.hpx.
std::string shieldPreviewFile(std::string_view documentPath);
std::string bannerPreviewFile(std::string_view documentPath);
std::string imagePictureFile(std::string_view documentPath, int number);
std::string imageMaskFile(std::string_view documentPath, int number);
std::string partArmsFile(std::string_view documentPath, int part);
// The preview an inserted coat of arms shows: its own shape in the first-order
// piece's zone (part 7), the banner shape in the field's parts.
std::string previewForPart(std::string_view documentPath, int part);

// Every side file name a document P can have (previews, pictures 1..255 and
// their masks, inserted arms 1..7), whether or not it exists.
std::vector<std::string> everySideFile(std::string_view documentPath);
// The journal of P's save in progress (P & ".~journal") and the suffix of the
// files a save writes before putting them in place.
std::string saveJournalFile(std::string_view documentPath);
inline constexpr const char* kStagedSuffix = ".~enregistrement";

// P with ".bls" added unless it already ends with it (in any case).
std::string withDocumentExtension(std::string_view path);

}  // namespace tess
