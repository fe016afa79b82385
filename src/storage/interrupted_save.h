#pragma once

#include <string>

#include "platform/staged_files.h"

namespace tess {

// Brings the files of the document at `path` back to one whole document after
// a save that was interrupted: a save that reached its journal is finished
// (the new document), any other leaves the old one, and every temporary file
// of a save of that document goes. Called before a document is opened or
// saved, and at start-up for the recent documents; costs one look-up per
// possible side file when nothing was interrupted.
InterruptedSave settleDocumentFiles(const std::string& path);

}  // namespace tess
