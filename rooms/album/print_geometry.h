#pragma once
// Where a snapshot goes on the printed sheet: full size in the middle of the page, or as a
// card in the lower right quarter so that the sheet folds twice into a greeting card. The
// picture and its one-pixel frame are printed at a whole-pixel scale so no pixel smears.
#include <cstdint>

#include "platform/printers.h"
#include "rooms/album/snapshot_kinds.h"

struct TPrintPlacement {
    // 1 to 255; 0 when not even scale 1 fits (a page smaller than the picture).
    std::uint8_t Scale = 0;
    // The framed picture's rectangle on the page, in dots; always inside the page.
    platform::PrintRect Rect;
};

TPrintPlacement PlacePrint(const TSnapshotKind& kind, bool card, platform::PrintPageSize page);
