#include "editor/clipboard_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "model/workspace.h"

namespace tess {

namespace {

// A pasted copy comes up here.
constexpr double kFirstPlace = 2;
// The clipboard format that marks the charge number as our own copy.
constexpr const char* kOwnCopyType = "application/x-tessaline-charge";

}  // namespace

ClipboardCommands::ClipboardCommands(HeldChargeTool& tool, DocumentSession& session,
                                     QObject* parent)
    : QObject(parent), tool_(tool), session_(session) {}

void ClipboardCommands::copyHeld() {
    if (tool_.state().heldCharge() == 0) return;
    ChargeClipboard copy = CopyHeldCharge(session_.ws(), session_.r());
    if (!copy.valid) return;
    copy_ = std::move(copy);
    // Other programs see the charge's number as text; our own mark beside it
    // tells our copy from the same number put there by another program.
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(copy_.text));
    data->setData(QString::fromLatin1(kOwnCopyType), QByteArray::fromStdString(copy_.text));
    QApplication::clipboard()->setMimeData(data);
}

bool ClipboardCommands::canPaste() const {
    return CanPasteCharge(session_.ws(), session_.r(), copy_, ownClipboardText());
}

std::string ClipboardCommands::ownClipboardText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText() || !data->hasFormat(QString::fromLatin1(kOwnCopyType))) return {};
    // Both must agree: a text changed under our mark is not our copy.
    const QByteArray mark = data->data(QString::fromLatin1(kOwnCopyType));
    return data->text().toUtf8() == mark ? mark.toStdString() : std::string();
}

void ClipboardCommands::paste() {
    if (!canPaste()) return;
    // What the overlay holds goes down first, by the one commit path; when
    // that is refused the paste waits rather than lose it.
    if (tool_.state().isHolding() && !tool_.commitHeld()) return;
    FileMessage refusal;
    const int n = PasteCharge(session_.ws(), session_.r(), copy_, &refusal);
    if (n == 0) {
        session_.messages().show(refusal);
        return;
    }
    const ChargeRecord& c = session_.ws().CurrentBlazon.Charges[std::size_t(n)];
    tool_.holdTakenCharge(n, QRectF(kFirstPlace, kFirstPlace, c.Width, c.Height),
                          QString::fromStdString(copy_.bankFileName));
}

void ClipboardCommands::forgetCopy() {
    if (copy_.valid && !copy_.text.empty() && ownClipboardText() == copy_.text)
        QApplication::clipboard()->clear();
    copy_ = ChargeClipboard{};
}

void ClipboardCommands::forgetCopyOf(int bankSlot) {
    // The slot may take another picture later: a copy of the old one must not
    // paste it.
    if (copy_.valid && copy_.record.ImageIndex == bankSlot) forgetCopy();
}

}  // namespace tess
