// Flood fill by horizontal spans: each span of the old colour is found with word-wide run
// searches and filled with one memset, and only the rows above and below it are searched
// for more. Every pixel is filled once, so the work follows the size of the region.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/pixel_rows.h"

namespace {
// Columns Left..Right (inclusive) of row Y still to be searched, reached from row Y - Dy.
struct TSeedSpan {
    std::int32_t Left;
    std::int32_t Right;
    std::int32_t Y;
    std::int32_t Dy;
};
}  // namespace

TRect TAC8ImageData::FloodFill(TPoint p, std::uint8_t colour) {
    TRect changed{FWidth, FHeight, 0, 0};
    (void)StartLine(p.X, p.Y);  // a point off the surface is an error, as for GetPixel
    if (!PtInRect(FClipRect, p)) return changed;

    BeginChange(FClipRect);
    const std::uint8_t target = GetPixel(p);
    if (target == colour) {
        // Nothing to fill; only the layers put back above need drawing again.
        if (FBusy == 0 && !FLayers.IsEmpty()) EndChange(FClipRect);
        return changed;
    }

    const std::int32_t clipLeft = FClipRect.Left, clipRight = FClipRect.Right;
    // Fills the run through x (whose pixel is the target): left of x by search and memset,
    // from x on in one pass. Returns the run's end; left is set to its start.
    const auto fillRun = [&](std::uint8_t* row, std::int32_t x, std::int32_t& left, std::int32_t y) {
        const std::int32_t right = pixel_rows::FillRun(row, x, clipRight, target, colour);
        if (left < x) std::memset(row + left, colour, static_cast<std::size_t>(x - left));
        changed.Left = std::min(changed.Left, left);
        changed.Right = std::max(changed.Right, right);
        changed.Top = std::min(changed.Top, y);
        changed.Bottom = std::max(changed.Bottom, y + 1);
        return right;
    };

    // Row y starts at rowZero - y * RowStride: rows are held bottom-up.
    std::uint8_t* const rowZero = StartLine(0, 0);
    const auto rowAt = [&](std::int32_t y) { return rowZero - static_cast<std::ptrdiff_t>(y) * FRowStride; };
    std::vector<TSeedSpan> pending;
    pending.reserve(256);
    {
        std::uint8_t* row = rowAt(p.Y);
        std::int32_t left = pixel_rows::RunStart(row, p.X, clipLeft, target);
        const std::int32_t right = fillRun(row, p.X, left, p.Y);
        pending.push_back({left, right - 1, p.Y - 1, -1});
        pending.push_back({left, right - 1, p.Y + 1, 1});
    }

    while (!pending.empty()) {
        const TSeedSpan seed = pending.back();
        pending.pop_back();
        if (seed.Y < FClipRect.Top || seed.Y >= FClipRect.Bottom) continue;
        std::uint8_t* row = rowAt(seed.Y);
        std::int32_t x = seed.Left;
        while (x <= seed.Right) {
            x = pixel_rows::FindFirst(row, x, seed.Right + 1, target);
            if (x > seed.Right) break;
            // Only a run that starts at the seed's first column can reach further left: any
            // later run begins after a pixel of another colour.
            std::int32_t left = x == seed.Left ? pixel_rows::RunStart(row, x, clipLeft, target) : x;
            const std::int32_t right = fillRun(row, x, left, seed.Y);
            pending.push_back({left, right - 1, seed.Y + seed.Dy, seed.Dy});
            // Parts sticking out beyond the seed may lead back into the row it came from.
            if (left < seed.Left) pending.push_back({left, seed.Left - 1, seed.Y - seed.Dy, -seed.Dy});
            if (right - 1 > seed.Right) pending.push_back({seed.Right + 1, right - 1, seed.Y - seed.Dy, -seed.Dy});
            x = right + 1;
        }
    }
    EndChange(FClipRect);
    return changed;
}
