#pragma once
// The colours a library's pictures are shown with, as a canvas takes them.
#include "platform/canvas.h"

class TAC8Library;

// Raises "GetHPal: global palette unavailable" while the library has no file open.
platform::CanvasPalette LibraryCanvasPalette(TAC8Library& library);
