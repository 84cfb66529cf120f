// Flood fill by horizontal spans: each span of the old colour is found with word-wide run
// searches and filled in the same pass, and only the rows above and below it are searched
// for more. Every pixel is filled once, so the work follows the size of the region; what
// remains per span is mostly branches, so the common case (one run right above the last)
// takes as few of them as it can.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/pixel_rows_wide.h"

namespace {
// Columns Left..Right (inclusive) of row Y still to be searched, reached from row Y - Dy.
struct TSeedSpan {
    std::int32_t Left;
    std::int32_t Right;
    std::int32_t Y;
    std::int32_t Dy;
};

// The region's surface: row y starts at RowZero - y * Stride (rows are held bottom-up).
struct TFillArea {
    std::uint8_t* RowZero;
    std::ptrdiff_t Stride;
    TRect Clip;
};

// The run kernels the fill is built with: the plain ones, or those on the wider registers.
struct TNarrowRuns {
    static std::int32_t FillRun(std::uint8_t* row, std::int32_t from, std::int32_t limit, std::uint8_t target,
                                std::uint8_t colour) {
        return pixel_rows::FillRun(row, from, limit, target, colour);
    }
    static std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::int32_t,
                                  std::uint8_t value) {
        return pixel_rows::FindFirst(row, from, to, value);
    }
    static std::int32_t RunStart(const std::uint8_t* row, std::int32_t end, std::int32_t limit, std::uint8_t value) {
        return pixel_rows::RunStart(row, end, limit, value);
    }
};

#if defined(ZORVIK_WIDE_ROWS)
struct TWideRuns {
    __attribute__((target("avx2"))) static std::int32_t FillRun(std::uint8_t* row, std::int32_t from,
                                                                std::int32_t limit, std::uint8_t target,
                                                                std::uint8_t colour) {
        return pixel_rows::FillRunWide(row, from, limit, target, colour);
    }
    __attribute__((target("avx2"))) static std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from,
                                                                  std::int32_t to, std::int32_t readable,
                                                                  std::uint8_t value) {
        return pixel_rows::FindFirstWide(row, from, to, readable, value);
    }
    static std::int32_t RunStart(const std::uint8_t* row, std::int32_t end, std::int32_t limit, std::uint8_t value) {
        return pixel_rows::RunStart(row, end, limit, value);
    }
};
#endif


// Fills the run of `target` through p and everything joined to it; returns the changed
// rectangle, empty when nothing changed.
template <typename TRuns>
inline __attribute__((always_inline)) TRect FillSpans(const TFillArea& area, TPoint p, std::uint8_t target,
                                                      std::uint8_t colour) {
    const std::int32_t clipLeft = area.Clip.Left, clipRight = area.Clip.Right;
    const std::int32_t clipTop = area.Clip.Top, clipBottom = area.Clip.Bottom;
    // The changed rectangle is kept in locals: updates through `changed` would go to memory
    // on every run.
    std::int32_t minLeft = area.Clip.Right, maxRight = 0, minTop = area.Clip.Bottom, maxBottom = 0;

    std::uint8_t* const rowZero = area.RowZero;
    const std::ptrdiff_t stride = area.Stride;
    const auto rowAt = [&](std::int32_t y) { return rowZero - y * stride; };
    std::vector<TSeedSpan> pending;
    pending.reserve(256);
    {
        std::uint8_t* row = rowAt(p.Y);
        const std::int32_t left = TRuns::RunStart(row, p.X, clipLeft, target);
        if (left < p.X) std::memset(row + left, colour, static_cast<std::size_t>(p.X - left));
        const std::int32_t right = TRuns::FillRun(row, p.X, clipRight, target, colour);
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
                    x = TRuns::FindFirst(row, x, seed.Right + 1, clipRight, target);
                    if (x > seed.Right) break;
                }
                // Only a run that starts at the seed's first column can reach further left:
                // any later run begins after a pixel of another colour.
                std::int32_t left = x;
                if (x == seed.Left && x > clipLeft && row[x - 1] == target) {
                    left = TRuns::RunStart(row, x, clipLeft, target);
                    std::memset(row + left, colour, static_cast<std::size_t>(x - left));
                }
                const std::int32_t right = TRuns::FillRun(row, x, clipRight, target, colour);
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
    if (minLeft < maxRight) return TRect{minLeft, minTop, maxRight, maxBottom};
    return TRect{area.Clip.Right, area.Clip.Bottom, 0, 0};
}

__attribute__((flatten)) TRect FillSpansNarrow(const TFillArea& area, TPoint p, std::uint8_t target,
                                               std::uint8_t colour) {
    return FillSpans<TNarrowRuns>(area, p, target, colour);
}

#if defined(ZORVIK_WIDE_ROWS)
__attribute__((target("avx2"), flatten)) TRect FillSpansWide(const TFillArea& area, TPoint p, std::uint8_t target,
                                                             std::uint8_t colour) {
    return FillSpans<TWideRuns>(area, p, target, colour);
}
#endif

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

    // The stride is copied: pixel stores may alias the surface's fields.
    const TFillArea area{StartLine(0, 0), FRowStride, FClipRect};
#if defined(ZORVIK_WIDE_ROWS)
    const TRect filled = pixel_rows::ProcessorHasWideRows() ? FillSpansWide(area, p, target, colour)
                                                            : FillSpansNarrow(area, p, target, colour);
#else
    const TRect filled = FillSpansNarrow(area, p, target, colour);
#endif
    if (filled.Left < filled.Right) changed = filled;
    EndChange(FClipRect);
    return changed;
}
