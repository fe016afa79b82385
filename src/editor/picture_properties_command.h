#pragma once

namespace tess {

class DocumentSession;
class DialogHost;

// The properties of bank picture `slot` (the list's chosen picture, or the
// held charge's): the dialog opens on its name, size, use and phrase; its
// "Ok" stores a new phrase for the blazon. Nothing for an empty slot.
void openPictureProperties(DocumentSession& session, DialogHost& dialogs, int slot);

}  // namespace tess
