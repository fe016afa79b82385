#pragma once

#include <string>
#include <vector>

namespace tess {

// One entry of the window's picture list ("Meubles"): the user's palette of
// charge pictures. An entry is not a bank picture: a picture enters the bank
// only once it is placed as a charge (or comes with an opened document); the
// two are matched by text.
struct PictureListItem {
    std::string Key;   // "im" and the key counter's value when it was added
    std::string Text;  // the file name less its extension
    std::string Path;  // the picture file the overlay loads
    bool operator==(const PictureListItem&) const = default;
};

// The list's entries in their order, held beside the document so that the
// picture commands can test duplicates and find bank pictures without a window.
using PictureList = std::vector<PictureListItem>;

}  // namespace tess
