#pragma once

#include <string>

#include <QObject>

#include "actions/charge_edits.h"

namespace tess {

class DocumentSession;
class HeldChargeTool;

// The copy of a held charge and its paste. The copy lives outside the
// document; the system clipboard carries the charge's number as text with our
// own mark beside it, so a text another program put there since pastes
// nothing.
class ClipboardCommands : public QObject {
    Q_OBJECT
  public:
    ClipboardCommands(HeldChargeTool& tool, DocumentSession& session, QObject* parent);

    void copyHeld();
    // Our copy is pasteable: it is still ours on the system clipboard and its
    // picture is still in the bank.
    bool canPaste() const;
    // The copy comes up held at (2, 2), whatever was held put down first.
    void paste();
    // The text of our own copy when the system clipboard still holds it
    // (empty when another program has put anything there since).
    static std::string ownClipboardText();
    // A reset or a picture deletion: our text leaves the system clipboard
    // (another program's text stays) and the copy is forgotten.
    void forgetCopy();
    // Forgets the copy only when it was taken from that bank picture.
    void forgetCopyOf(int bankSlot);

  private:
    HeldChargeTool& tool_;
    DocumentSession& session_;
    ChargeClipboard copy_;
};

}  // namespace tess
