#pragma once

#include <cstdint>
#include <fstream>
#include <vector>

#include <QFile>
#include <QString>

namespace tess::testing {

// `bytes` written to the file `path`, its name given to the system in the
// system's own encoding.
inline void writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace tess::testing
