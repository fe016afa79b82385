#pragma once

#include <string>
#include <string_view>

#include "model/workspace.h"

namespace tess {

// The main window's title: "Tessaline" for a document never saved, "Tessaline
// [" file name "]" for one with a file, followed by a single "*" while it holds
// unsaved changes.
std::string TitleText(std::string_view filePath, bool modified);
std::string TitleText(const Workspace& ws);

}  // namespace tess
