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

// The menu items a redraw keeps current, named as the window names them.
struct RedrawMenus {
    MenuItemState mnuGrid;
    MenuItemState mnuFilet;
    MenuItemState mnuOrdre1Rab;
    MenuItemState mnuReduce;
    MenuItemState mnuNormal;
    MenuItemState mnuReduced2;
    MenuItemState mnuFilet2;
    MenuItemState mnuFull2;
    MenuItemState mnuRabPart;
};

// Which option pictures and their labels are shown beside the shield.
struct OptionVisibility {
    bool ReducedPic = false;
    bool ReducedPic2 = false;
    bool DeportPic = false;
    bool Label5 = false;     // "1er Ordre"
    bool LblOrdre2 = false;  // "2nd Ordre"
};

// The marks on the option pictures beside the shield. Each picture shows three
// small shields, top to bottom; the chosen one takes the picture's chosen
// colour, the other two its plain colour. A mark of -1 chooses none.
inline constexpr Colour kOptionMarkPlain = 0x0000FFu;    // ReducedPic, DeportPic: red
inline constexpr Colour kOptionMarkChosen = 0x00FFFFu;   // yellow
inline constexpr Colour kOptionMark2Plain = 0x008000u;   // ReducedPic2: green
inline constexpr Colour kOptionMark2Chosen = 0xFFFFFFu;  // white
struct OptionMarks {
    int ReducedPic = 0;   // first-order size: 0 entière, 1 diminuée, 2 en filet
    int DeportPic = 1;    // first-order shift: 0 raised to dexter, 1 centred, 2 lowered
    int ReducedPic2 = 0;  // second-order size, as ReducedPic
    // How much of ReducedPic shows: 63 the three sizes, 39 the top two (a chief
    // is never thin), 20 the top one (an écusson has one size).
    int ReducedPicHeight = 63;
    bool operator==(const OptionMarks&) const = default;
};

// Everything besides the canvas that the window shows after a redraw. The
// redraw knows no widget: the window applies this as it stands.
struct RedrawResult {
    RedrawMenus Menus;
    OptionVisibility Options;
    OptionMarks Marks;
    // Left x of the partition marker on the toolbar.
    Integer SelShapeLeft = 0;
    // The shield shape whose cell the shape chooser shows marked (yellow
    // &H00FFFF; the six others dark red &H000080).
    int MarkedShape = 1;
    // The canvas's relief frame: light on the left and top, dark on the right
    // and bottom.
    Colour FrameLight = kWhite;
    Colour FrameDark = kBlack;
    // The blazon under the shield and the warning text of the warning icon,
    // which is shown exactly when the redraw queued a warning.
    std::string BlazonText;
    std::string WarningText;
    bool WarnPicVisible = false;
};

}  // namespace tess
