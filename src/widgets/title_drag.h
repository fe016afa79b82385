#pragma once

class QLabel;
class QWidget;

namespace tess {

// The windows without a frame of their own are moved by their title label: a
// press with any button keeps the pressed point, and each pointer move with a
// button held moves `window` so that this point stays under the pointer. The
// label's events still reach the label and its window afterwards.
void dragWindowByTitle(QLabel& title, QWidget& window);

}  // namespace tess
