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

// Everything besides the canvas that the window shows after a redraw. The
// redraw knows no widget: the window applies this as it stands.
struct RedrawResult {
    RedrawMenus Menus;
    OptionVisibility Options;
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
