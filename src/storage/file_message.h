#pragma once

#include <string>

namespace tess {

// A message box the window shows after a command: a file operation that
// failed, a refusal at a limit. The core never shows anything itself: it hands
// the text back in its outcome and the window picks the icon.
struct FileMessage {
    enum class Icon { None, Exclamation, Critical };
    Icon icon = Icon::None;
    std::string title;
    std::string text;

    bool empty() const { return text.empty(); }
    static FileMessage exclamation(std::string title, std::string text) {
        return {Icon::Exclamation, std::move(title), std::move(text)};
    }
    static FileMessage critical(std::string title, std::string text) {
        return {Icon::Critical, std::move(title), std::move(text)};
    }
};

// Two messages of one operation in one box: `first`'s text, then `then`'s,
// under `then`'s title and the graver of the two icons.
inline FileMessage combined(FileMessage first, FileMessage then) {
    if (first.empty()) return then;
    if (then.empty()) return first;
    then.text = first.text + "\n\n" + then.text;
    if (first.icon == FileMessage::Icon::Critical) then.icon = first.icon;
    return then;
}

}  // namespace tess
