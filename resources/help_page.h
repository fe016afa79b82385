#pragma once

#include <string_view>

namespace tess {

// The program's French help: one HTML page with a section per window, each
// under its own anchor. Installed beside the program and opened in the
// person's browser.
std::string_view helpPageHtml();

}  // namespace tess
