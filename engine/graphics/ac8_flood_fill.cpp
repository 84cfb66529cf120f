// Flood fill by horizontal spans: each span of the old colour is found with word-wide run
// searches and filled in the same pass, and only the rows above and below it are searched
// for more. Every pixel is filled once, so the work follows the size of the region; what
// remains per span is mostly branches, so the common case (one run right above the last)
// takes as few of them as it can.
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
    const std::int32_t clipTop = FClipRect.Top, clipBottom = FClipRect.Bottom;
    // The changed rectangle is kept in locals: updates through `changed` would go to memory
    // on every run.
    std::int32_t minLeft = FWidth, maxRight = 0, minTop = FHeight, maxBottom = 0;

    // Row y starts at rowZero - y * RowStride: rows are held bottom-up.
    // The stride is copied too: pixel stores may alias the surface's fields.
    std::uint8_t* const rowZero = StartLine(0, 0);
    const std::ptrdiff_t stride = FRowStride;
    const auto rowAt = [&](std::int32_t y) { return rowZero - y * stride; };
    std::vector<TSeedSpan> pending;
    pending.reserve(256);
    {
        std::uint8_t* row = rowAt(p.Y);
        const std::int32_t left = pixel_rows::RunStart(row, p.X, clipLeft, target);
        if (left < p.X) std::memset(row + left, colour, static_cast<std::size_t>(p.X - left));
        const std::int32_t right = pixel_rows::FillRun(row, p.X, clipRight, target, colour);
        minLeft = left, maxRight = right, minTop = p.Y, maxBottom = p.Y + 1;
        pending.push_back({left, right - 1, p.Y - 1, -1});
        pending.push_back({left, right - 1, p.Y + 1, 1});
    }

    while (!pending.empty()) {
        TSeedSpan seed = pending.back();
        pending.pop_back();
        // Walks on from row to row with the first run found, without going through the
        // stack: in most rows that run is the only one and lies right above the last.
        while (seed.Y >= clipTop && seed.Y < clipBottom) {
            std::uint8_t* row = rowAt(seed.Y);
            std::int32_t x = seed.Left;
            bool walking = false;
            TSeedSpan onward{};
            while (x <= seed.Right) {
                if (row[x] != target) {
                    x = pixel_rows::FindFirst(row, x, seed.Right + 1, target);
                    if (x > seed.Right) break;
                }
                // Only a run that starts at the seed's first column can reach further left:
                // any later run begins after a pixel of another colour.
                std::int32_t left = x;
                if (x == seed.Left && x > clipLeft && row[x - 1] == target) {
                    left = pixel_rows::RunStart(row, x, clipLeft, target);
                    std::memset(row + left, colour, static_cast<std::size_t>(x - left));
                }
                const std::int32_t right = pixel_rows::FillRun(row, x, clipRight, target, colour);
                minLeft = std::min(minLeft, left);
                maxRight = std::max(maxRight, right);
                const TSeedSpan next{left, right - 1, seed.Y + seed.Dy, seed.Dy};
                if (walking) {
                    pending.push_back(next);
                } else {
                    onward = next;
                    walking = true;
                }
                // Parts sticking out beyond the seed may lead back into the row it came from.
                if (left < seed.Left) pending.push_back({left, seed.Left - 1, seed.Y - seed.Dy, -seed.Dy});
                if (right - 1 > seed.Right) pending.push_back({seed.Right + 1, right - 1, seed.Y - seed.Dy, -seed.Dy});
                x = right + 1;
            }
            if (!walking) break;
            minTop = std::min(minTop, seed.Y);
            maxBottom = std::max(maxBottom, seed.Y + 1);
            seed = onward;
        }
    }
    if (minLeft < maxRight) changed = TRect{minLeft, minTop, maxRight, maxBottom};
    EndChange(FClipRect);
    return changed;
}
