#pragma once
// The game's two font metric records. The glyph sheets are rendered from DejaVu Sans at 17
// pixels (slot 0: "00f12mc", "00f12mcb", "00f12mcg") and DejaVu Sans Bold at 38 pixels
// (slot 1: "01f36eu0"); each glyph's ink is drawn at its entry's left x, and the sheet's
// bottom-right pixel carries the ink colour.
#include "engine/graphics/font_metrics.h"

extern const TFontMetrics GameFontMetrics0;
extern const TFontMetrics GameFontMetrics1;

// Registers both records in slots 0 and 1; the main window calls it at start.
void RegisterGameFontMetrics();
