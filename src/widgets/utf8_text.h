#pragma once

#include <string>

#include <QString>

namespace tess {

// The core's texts are UTF-8; what the widgets show is QString. Paths are not
// text: they go through QFile::encodeName/decodeName instead.
inline QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tess
