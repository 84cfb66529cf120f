#include "platform/fltk/fltk_display.h"

#include <FL/x.H>

namespace platform::fltk {

bool OpenDisplay() {
    if (fl_display != nullptr) return true;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    // FLTK takes this connection as its own instead of opening (and failing on) another.
    fl_open_display(display);
    return true;
}

}  // namespace platform::fltk
