#include "rooms/album/print_geometry.h"

#include <algorithm>

TPrintPlacement PlacePrint(const TSnapshotKind& kind, bool card, platform::PrintPageSize page) {
    const std::int64_t w = kind.Full.Width;
    const std::int64_t h = kind.Full.Height;
    const std::int64_t pw = std::max<std::int32_t>(page.Width, 0);
    const std::int64_t ph = std::max<std::int32_t>(page.Height, 0);
    // The space the framed picture must fit: the sheet, or its quarter for a card.
    const std::int64_t areaW = card ? pw / 2 : pw;
    const std::int64_t areaH = card ? ph / 2 : ph;

    // The height the picture is meant to reach: a wide picture is sized by the width it
    // spans, a tall one by a share of the height.
    std::int64_t reach;
    if (card)
        reach = w > h ? (areaW * 19 / 20) * h / w : areaH * 19 / 20;
    else
        reach = w > h ? (pw * kind.WidePrintShare / kind.WidePrintShareOf) * h / w : ph / 2;

    // The scale as a byte, at least 1, then down until the framed picture fits the area
    // both ways, so that it never runs off the sheet.
    std::int64_t scale = std::clamp<std::int64_t>(h > 0 ? reach / h : 0, 1, 255);
    const std::int64_t byWidth = areaW / (w + 2);
    const std::int64_t byHeight = areaH / (h + 2);
    scale = std::min({scale, byWidth, byHeight});

    TPrintPlacement placement;
    if (scale < 1) return placement;
    placement.Scale = static_cast<std::uint8_t>(scale);
    const std::int64_t width = (w + 2) * scale;
    const std::int64_t height = (h + 2) * scale;
    std::int64_t left, top;
    if (card) {
        left = (areaW - width) * 2 / 3 + areaW;
        top = (areaH - height) * 3 / 4 + areaH;
    } else {
        left = (pw - width) / 2;
        top = (ph - height) / 2;
    }
    placement.Rect = {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                      static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    return placement;
}
