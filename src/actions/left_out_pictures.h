#pragma once

#include <string>
#include <vector>

#include "storage/file_message.h"

namespace tess {

// What the opening of a document left out, by cause: each cause is told in
// its own words, with what the user can do about it before a save makes the
// loss final.
struct LeftOutGroup {
    std::vector<std::string> names;  // as the message shows them, each once
    int charges = 0;                 // the charges left out with them

    void name(const std::string& shown);
    bool empty() const { return names.empty(); }
};

struct LeftOutPictures {
    // Side files that are there but give no picture: cut short, not a
    // picture, or too large in themselves.
    LeftOutGroup damaged;
    // A folder, a pipe, a socket or a device where a side picture should be.
    LeftOutGroup notFiles;
    // Links that lead round to themselves in place of side pictures.
    LeftOutGroup linkLoops;
    // Side pictures the user may not read.
    LeftOutGroup notAllowed;
    // Masks missing beside their pictures.
    LeftOutGroup missingMasks;
    // Charges past the picture budget, named by the pictures they show, which
    // stay in the list.
    LeftOutGroup overBudget;
    // User-fur files that are no file or a link to nothing: full sentences.
    std::vector<std::string> furs;

    bool empty() const;
    // The box the opening shows; empty when nothing was left out.
    FileMessage message() const;
};

}  // namespace tess
