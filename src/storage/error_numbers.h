#pragma once

namespace tess {

// The numbers the failure boxes are titled with ("Erreur #" and the number),
// as the run-time errors of the file, picture and printer functions are
// numbered: a missing file, a file read past its end, a file that cannot be
// read or written, a value no control takes, a picture that cannot be read,
// the printer.
inline constexpr int kFileNotFoundError = 53;
inline constexpr int kInputPastEndError = 62;
inline constexpr int kFileAccessError = 75;
inline constexpr int kInvalidPropertyValueError = 380;
inline constexpr int kInvalidPictureError = 481;
inline constexpr int kPrinterError = 482;

}  // namespace tess
