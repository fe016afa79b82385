#pragma once

#include <cerrno>
#include <string>

#include "storage/file_message.h"

namespace tess {

// The numbers the failure boxes are titled with ("Erreur #" and the number),
// as the run-time errors of the file, picture and printer functions are
// numbered: a counter past its limit, a bad file name, a missing file, a full
// disk, a file read past its end, a refused permission, a file that cannot be
// read or written, a missing folder, a value no control takes, a picture that
// cannot be read, the printer.
inline constexpr int kOverflowError = 6;
inline constexpr int kBadFileNameError = 52;
inline constexpr int kFileNotFoundError = 53;
inline constexpr int kDiskFullError = 61;
inline constexpr int kInputPastEndError = 62;
inline constexpr int kPermissionDeniedError = 70;
inline constexpr int kFileAccessError = 75;
inline constexpr int kPathNotFoundError = 76;
inline constexpr int kInvalidPropertyValueError = 380;
inline constexpr int kInvalidPictureError = 481;
inline constexpr int kPrinterError = 482;

// The number of a failure the system reported as `error` (an errno value);
// any failure without a number of its own is a file access error.
inline int errorNumberOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return kDiskFullError;
        case EACCES:
        case EPERM:
        case EROFS:
            return kPermissionDeniedError;
        case ENAMETOOLONG:
            return kBadFileNameError;
        case ENOENT:
        case ENOTDIR:
            return kPathNotFoundError;
        default:
            return kFileAccessError;
    }
}

// The box of a failure a command traps: the stop sign, "Erreur #" and the
// number as its title.
inline FileMessage trappedErrorMessage(int number, std::string text) {
    return FileMessage::critical("Erreur #" + std::to_string(number), std::move(text));
}

}  // namespace tess
