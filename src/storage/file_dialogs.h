#pragma once

#include <functional>
#include <string>

namespace tess {

// What the storage operations ask of the window: a Yes/No question, a wait box
// and an open-file dialog. The core has no window; a member left empty counts
// as "Non" / a cancelled dialog / nothing shown, which is what a tool that
// opens documents without asking (the probe) wants.
struct FileDialogs {
    // Yes/No question with the exclamation icon; true for "Oui".
    std::function<bool(const std::string& text, const std::string& title)> askYesNo;
    // The question box (caption "Tessaline", buttons "Non" and "Oui"); true for "Oui".
    std::function<bool(const std::string& text)> confirm;
    // An open dialog titled `title`, listing only files named `fileName`, preset
    // to that name; the chosen path, or the empty text when cancelled.
    std::function<std::string(const std::string& title, const std::string& fileName)> pickFile;
    // The wait box, shown without waiting, and its end.
    std::function<void(const std::string& text)> showWait;
    std::function<void()> hideWait;

    bool ask(const std::string& text, const std::string& title) const {
        return askYesNo && askYesNo(text, title);
    }
    bool confirmed(const std::string& text) const { return confirm && confirm(text); }
    void waitWith(const std::string& text) const {
        if (showWait) showWait(text);
    }
    void endWait() const {
        if (hideWait) hideWait();
    }
};

}  // namespace tess
