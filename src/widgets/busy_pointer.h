#pragma once

#include <QApplication>

namespace tess {

// The hourglass for the length of a step: set on construction, the normal
// pointer back on release or at the end of the scope, whichever comes first.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void release() {
        // A question box may already have put the arrow back.
        if (active_ && QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

}  // namespace tess
