#pragma once

#include <string>

#include "model/workspace.h"

namespace tess {

// The queued tincture-rule warnings as one French text, for the warning icon's
// tooltip. The empty text when the list is empty.
std::string TinctureWarningsText(const Workspace& ws);

}  // namespace tess
