#pragma once

#include <string>

#include "model/records.h"
#include "platform/colour.h"

namespace tess {

// One menu item as the window must show it after a redraw.
struct MenuItemState {
    bool Enabled = true;
    bool Checked = false;
    bool operator==(const MenuItemState&) const = default;
};

// The menu items a redraw keeps current, named by what they choose.
struct RedrawMenus {
    MenuItemState grid;
    MenuItemState firstOrderNarrow;
    MenuItemState firstOrderLines;
    MenuItemState firstOrderDiminished;
    MenuItemState firstOrderFull;
    MenuItemState secondOrderDiminished;
    MenuItemState secondOrderNarrow;
    MenuItemState secondOrderFull;
    MenuItemState partitionLines;
};

// Which option pictures and their labels are shown beside the shield.
struct OptionVisibility {
    bool sizeChooser = false;        // the first-order piece's three sizes
    bool secondSizeChooser = false;  // the second-order piece's sizes
    bool shiftChooser = false;       // the first-order piece's three shifts
    bool firstOrderLabel = false;    // "1er Ordre"
    bool secondOrderLabel = false;   // "2nd Ordre"
};

// The marks on the option pictures beside the shield. Each picture shows three
// small shields, top to bottom; the chosen one takes the picture's chosen
// colour, the other two its plain colour. A mark of -1 chooses none.
inline constexpr Colour kOptionMarkPlain = 0x0000FFu;    // size and shift choosers: red
inline constexpr Colour kOptionMarkChosen = 0x00FFFFu;   // yellow
inline constexpr Colour kOptionMark2Plain = 0x008000u;   // second size chooser: green
inline constexpr Colour kOptionMark2Chosen = 0xFFFFFFu;  // white
struct OptionMarks {
    int size = 0;        // first-order size: 0 entière, 1 diminuée, 2 en filet
    int shift = 1;       // first-order shift: 0 raised to dexter, 1 centred, 2 lowered
    int secondSize = 0;  // second-order size, as `size`
    // How much of the size chooser shows: 63 the three sizes, 39 the top two (a chief
    // is never thin), 20 the top one (an écusson has one size).
    int sizeChooserHeight = 63;
    bool operator==(const OptionMarks&) const = default;
};

// Everything besides the canvas that the window shows after a redraw. The
// redraw knows no widget: the window applies this as it stands.
struct RedrawResult {
    RedrawMenus Menus;
    OptionVisibility Options;
    OptionMarks Marks;
    // Left x of the partition marker on the toolbar.
    Integer partitionMarkerX = 0;
    // The shield shape whose cell the shape chooser shows marked (yellow
    // &H00FFFF; the six others dark red &H000080).
    int markedShape = 1;
    // The canvas's relief frame: light on the left and top, dark on the right
    // and bottom.
    Colour frameLight = kWhite;
    Colour frameDark = kBlack;
    // The blazon under the shield and the warning text of the warning icon,
    // which is shown exactly when the redraw queued a warning.
    std::string blazonText;
    std::string warningText;
    bool warningVisible = false;
};

}  // namespace tess
