#pragma once

#include <memory>

#include <QPoint>
#include <QString>

#include "dialogs/message_style.h"
#include "model/records.h"
#include "storage/file_message.h"

class QAction;
class QMenu;
class QWidget;

namespace tess {

// The answers the question box leaves behind: the callers go on only on "Oui".
inline constexpr Byte kAnswerNon = 1;
inline constexpr Byte kAnswerOui = 2;

// Every place where the program waits for a person goes through here: message
// boxes, the question box, the wait box, popup menus and the open-file dialog.
// The program uses the widgets below; tests put a scripted layer in its place
// and answer without anybody at the screen.
class MessageLayer {
  public:
    virtual ~MessageLayer() = default;

    // A message box with the buttons, icon and default button of `style`.
    virtual MessageAnswer messageBox(const QString& text, int style, const QString& title) = 0;
    // The box of a file operation's outcome, with the icon it names; nothing
    // when it has no text.
    void show(const FileMessage& message);

    // The question box: `caption` over `text` (which starts with a carriage
    // return, as the callers write it), "Oui" and "Non". Every question starts
    // from "Non", so a box closed without a button never counts as "Oui".
    // Returns true for "Oui"; `ConfirmAnswer` keeps the answer.
    bool confirm(const QString& text, const QString& caption = QStringLiteral("Tessaline"));
    Byte ConfirmAnswer = kAnswerNon;

    // The wait box, shown without waiting while a long step runs.
    virtual void showWait(const QString& text) = 0;
    virtual void hideWait() = 0;

    // Pops `menu` up at the screen point `at` with `defaultItem` in bold (none
    // when null) and runs the chosen item. Returns it, or null when none was chosen.
    virtual QAction* popup(QMenu& menu, const QPoint& at, QAction* defaultItem) = 0;

    // An open-file dialog; the chosen path, or empty when cancelled.
    virtual QString openFile(const QString& title, const QString& folder,
                             const QString& filter) = 0;

    // A save dialog that asks before replacing a file, its file-name box
    // holding `preset` (a name or a whole path); the chosen path, or empty when
    // cancelled. A layer that cannot ask cancels.
    virtual QString saveFile(const QString& title, const QString& folder, const QString& filter,
                             const QString& preset) {
        return {};
    }

  protected:
    // Asks the question and returns kAnswerOui or kAnswerNon.
    virtual Byte askQuestion(const QString& caption, const QString& text) = 0;
};

// The layer the program runs with: real windows on the screen.
class WidgetMessages : public MessageLayer {
  public:
    explicit WidgetMessages(QWidget* parent = nullptr);
    ~WidgetMessages() override;
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer messageBox(const QString& text, int style, const QString& title) override;
    void showWait(const QString& text) override;
    void hideWait() override;
    QAction* popup(QMenu& menu, const QPoint& at, QAction* defaultItem) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& filter,
                     const QString& preset) override;

  protected:
    Byte askQuestion(const QString& caption, const QString& text) override;

  private:
    QWidget* parent_;
    std::unique_ptr<class QuestionBox> waitBox_;
};

// A file dialog's filter from the form the commands write it in,
// "description|pattern" pairs joined by "|" ("Bitmap (*.bmp)|*.bmp|"): one
// "description (pattern)" line per pair, the description alone when it shows
// its pattern already.
QString dialogFilter(const QString& pairs);

// The caption of the buttons, in French.
QString buttonCaption(MessageAnswer answer);

}  // namespace tess
