#pragma once

#include <string>

#include "platform/staged_files.h"
#include "storage/file_message.h"

namespace tess {

// Brings the files of the document at `path` back to one whole document after
// a save that was interrupted: a save that reached its journal is finished
// (the new document), any other leaves the old one, and every temporary file
// of a save of that document goes. Called before a document is opened or
// saved, and at start-up for the recent documents; costs one look-up per
// possible side file when nothing was interrupted.
//
// The journal is carried out only when it is one a save of this very document
// writes: every name in it is one of the document's own files (the document,
// its previews, its pictures and masks, its inserted arms, their temporary
// names), it renames the document itself, and its checksum holds. Anything
// else found under the journal's name (Refused) is left as it is, with every
// file it names: a journal copied from elsewhere, or made up, cannot rename or
// delete anything, and nothing else is done while it stands.
InterruptedSave settleDocumentFiles(const std::string& path);

// What the user is told when the journal beside the document at `path` was
// left alone (settleDocumentFiles gave Refused); it names that journal.
FileMessage refusedJournalMessage(const std::string& path);

}  // namespace tess
