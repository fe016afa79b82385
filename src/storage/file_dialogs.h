#pragma once

#include <functional>
#include <string>

namespace tess {

// What the storage operations ask of the user: a Yes/No question and an
// open-file dialog (the wait box goes through the workspace's window hooks).
// The core has no window; a member left empty counts as "Non" or a cancelled
// dialog, which is what a tool that opens documents without asking (the
// probe) wants.
struct FileDialogs {
    // Yes/No question with the exclamation icon; true for "Oui".
    std::function<bool(const std::string& text, const std::string& title)> askYesNo;
    // The question box (caption "Tessaline", buttons "Non" and "Oui"); true for "Oui".
    std::function<bool(const std::string& text)> confirm;
    // An open dialog titled `title`, listing only files named `fileName`, preset
    // to that name; the chosen path, or the empty text when cancelled.
    std::function<std::string(const std::string& title, const std::string& fileName)> pickFile;

    bool ask(const std::string& text, const std::string& title) const {
        return askYesNo && askYesNo(text, title);
    }
    bool confirmed(const std::string& text) const { return confirm && confirm(text); }
};

}  // namespace tess
