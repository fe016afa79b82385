#pragma once

namespace tess {

// A message box's style number, as the commands write it: the buttons (low
// digit), the icon (16 stop, 32 question, 48 exclamation, 64 information) and
// which button is the default (0 first, 256 second, 512 third).
enum class MessageButtons {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// The button a message box was closed with; the numbers are those the commands
// compare with.
enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

inline constexpr int kStyleOk = 0;
inline constexpr int kStyleYesNo = 4;
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleQuestion = 32;
inline constexpr int kStyleExclamation = 48;
inline constexpr int kStyleInformation = 64;
inline constexpr int kStyleDefaultSecond = 256;
inline constexpr int kStyleDefaultThird = 512;

struct MessageStyle {
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultIndex = 0;  // 0-based among the buttons, in their order
    // The buttons in their order on the box.
    int count() const;
    MessageAnswer button(int index) const;
    MessageAnswer defaultButton() const { return button(defaultIndex); }
    // What a close without a button (Escape, the window frame) answers: the
    // cancelling button where there is one, "Non" for a bare Yes/No, else OK.
    // Never "Oui".
    MessageAnswer escapeAnswer() const;
};

MessageStyle decodeMessageStyle(int style);

}  // namespace tess
