#pragma once

#include "storage/file_dialogs.h"

namespace tess {

struct Workspace;
class MessageLayer;

// What the storage asks while a document opens or a coat of arms is inserted:
// the yes/no box, the question box, and the file dialog that looks for a
// missing side file, starting in the last documents' folder.
FileDialogs documentFileDialogs(MessageLayer& messages, const Workspace& ws);

}  // namespace tess
