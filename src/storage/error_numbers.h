#pragma once

namespace tess {

// The numbers the failure boxes are titled with ("Erreur #" and the number),
// as the run-time errors of the file and picture functions are numbered.
inline constexpr int kFileNotFoundError = 53;
inline constexpr int kInputPastEndError = 62;
inline constexpr int kFileAccessError = 75;
inline constexpr int kInvalidPropertyValueError = 380;
inline constexpr int kInvalidPictureError = 481;

}  // namespace tess
