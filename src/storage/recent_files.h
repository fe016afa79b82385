#pragma once

#include <string>

#include "model/settings.h"

namespace tess {

// Puts an existing document at the head of the recent list (an equal entry
// further down moves up, the oldest falls off) and rewrites the settings file.
// A path that does not exist, or that the settings file could not hold whole
// (more than 126 characters, or outside Windows-1252), leaves the list and the
// file untouched. True when the list changed.
bool AddRecentFile(Settings& settings, const std::string& path);

}  // namespace tess
