#pragma once

#include <string>

#include "platform/surface.h"

namespace tess {

// The system's default printer, asked afresh at each call (a printer added
// while the program runs is found); the empty text when there is none.
std::string defaultPrinterName();

// Prints `page` as one page on the default printer, its top-left corner at
// the top-left of the printable area, each pixel one pixel of a 96 dpi screen
// (the size the page has on screen). No printer dialog. `jobName` names the
// job in the printer's queue. Empty text once the page is sent, else the
// reason in French.
std::string printPageImage(const Surface& page, const std::string& jobName);

}  // namespace tess
