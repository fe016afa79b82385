#pragma once

class QLabel;
class QWidget;

namespace tess {

// The windows without a frame of their own are moved by their title label: a
// press with any button keeps the pressed point, and each pointer move with a
// button held moves `window` so that this point stays under the pointer. The
// label's events still reach the label and its window afterwards.
void dragWindowByTitle(QLabel& title, QWidget& window);

// Such a title label as every frameless dialog shows it: its font in bold,
// its text in dark red (0x000080), and it drags `window` as above.
void makeDialogTitle(QLabel& title, QWidget& window);

}  // namespace tess
