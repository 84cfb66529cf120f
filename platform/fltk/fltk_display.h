#pragma once
// The utility's connection to the display. FLTK, left to itself, ends the program with a
// bare "Can't open display" the first time it needs one; the utility asks first, so it can
// say in its own words why it cannot run.

namespace platform::fltk {

// Opens the display FLTK is to use; false when there is none to open.
bool OpenDisplay();

}  // namespace platform::fltk
