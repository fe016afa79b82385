#pragma once

#include <QFont>

namespace tess {

// The one font of every window and dialog, whatever the desktop's own: a
// plain sans serif of 11 pixels, the size the fixed layouts of the windows
// are drawn for, so that every caption shows whole.
QFont programFont();

// The program's font at 10 pixels, for the few labels whose fixed boxes were
// drawn for a smaller text than the rest: the print dialog's title and zoom
// caption.
QFont smallProgramFont();

// `font` one size larger, whether it is sized in points or in pixels (the
// program's own font is in pixels).
QFont oneSizeLarger(QFont font);

}  // namespace tess
