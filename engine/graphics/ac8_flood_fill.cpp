// Flood fill by horizontal spans: each span of the old colour is found with word-wide run
// searches and filled in the same pass, and only the rows above and below it are searched
// for more. Every pixel is filled once, so the work follows the size of the region; what
// remains per span is mostly branches, so the common case (one run right above the last)
// takes as few of them as it can.
#include <algorithm>
#include <cstring>
#include <memory>

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

// The spans still to search, last in first out. Most fills keep a few dozen at a time, so
// they live in the fill's own frame and a fill allocates nothing; a region that splits into
// more (a comb of thin teeth) moves them to the heap, doubling as it goes.
class TSeedStack {
public:
    TSeedStack() = default;
    TSeedStack(const TSeedStack&) = delete;
    TSeedStack& operator=(const TSeedStack&) = delete;

    bool IsEmpty() const { return FTop == FBase; }
    void Push(const TSeedSpan& span) {
        if (FTop == FEnd) [[unlikely]]
            Grow();
        *FTop++ = span;
    }
    TSeedSpan Pop() { return *--FTop; }

private:
    static constexpr std::size_t InFrame = 256;

    __attribute__((noinline, cold)) void Grow() {
        const std::size_t count = static_cast<std::size_t>(FEnd - FBase);
        auto larger = std::make_unique_for_overwrite<TSeedSpan[]>(count * 2);
        std::copy(FBase, FTop, larger.get());
        FBase = larger.get();
        FTop = FBase + count;
        FEnd = FBase + count * 2;
        FHeap = std::move(larger);
    }

    TSeedSpan FFrame[InFrame];
    std::unique_ptr<TSeedSpan[]> FHeap;
    TSeedSpan* FBase = FFrame;
    TSeedSpan* FTop = FFrame;
    TSeedSpan* FEnd = FFrame + InFrame;
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
    static pixel_rows::TRunEnd FillRunAndLook(std::uint8_t* row, std::int32_t from, std::int32_t limit,
                                              std::uint8_t target, std::uint8_t colour) {
        const std::int32_t end = pixel_rows::FillRun(row, from, limit, target, colour);
        return {end, end};
    }
    static std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::int32_t,
                                  std::uint8_t value) {
        return pixel_rows::FindFirst(row, from, to, value);
    }
    static std::int32_t RunStart(const std::uint8_t* row, std::int32_t end, std::int32_t limit, std::uint8_t value) {
        return pixel_rows::RunStart(row, end, limit, value);
    }
    static constexpr std::int32_t WholeSpanFrom = 8;
    static bool SpanHolds(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::uint8_t value) {
        return pixel_rows::FindFirstNot(row, from, to, value) == to;
    }
    static void FillSpan(std::uint8_t* row, std::int32_t from, std::int32_t to, std::uint8_t colour) {
        std::memset(row + from, colour, static_cast<std::size_t>(to - from));
    }
};

#if defined(ZORVIK_WIDE_ROWS)
struct TWideRuns {
    __attribute__((target("avx2"))) static std::int32_t FillRun(std::uint8_t* row, std::int32_t from,
                                                                std::int32_t limit, std::uint8_t target,
                                                                std::uint8_t colour) {
        return pixel_rows::FillRunWide(row, from, limit, target, colour);
    }
    __attribute__((target("avx2"))) static pixel_rows::TRunEnd FillRunAndLook(std::uint8_t* row,
                                                                              std::int32_t from,
                                                                              std::int32_t limit,
                                                                              std::uint8_t target,
                                                                              std::uint8_t colour) {
        return pixel_rows::FillRunAndLook(row, from, limit, target, colour);
    }
    __attribute__((target("avx2"))) static std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from,
                                                                  std::int32_t to, std::int32_t readable,
                                                                  std::uint8_t value) {
        return pixel_rows::FindFirstWide(row, from, to, readable, value);
    }
    static std::int32_t RunStart(const std::uint8_t* row, std::int32_t end, std::int32_t limit, std::uint8_t value) {
        return pixel_rows::RunStart(row, end, limit, value);
    }
    static constexpr std::int32_t WholeSpanFrom = 16;
    __attribute__((target("avx2"))) static bool SpanHolds(const std::uint8_t* row, std::int32_t from,
                                                          std::int32_t to, std::uint8_t value) {
        return pixel_rows::SpanHoldsWide(row, from, to, value);
    }
    __attribute__((target("avx2"))) static void FillSpan(std::uint8_t* row, std::int32_t from, std::int32_t to,
                                                         std::uint8_t colour) {
        pixel_rows::FillSpanWide(row, from, to, colour);
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
    TSeedStack pending;
    {
        std::uint8_t* row = rowAt(p.Y);
        const std::int32_t left = TRuns::RunStart(row, p.X, clipLeft, target);
        if (left < p.X) std::memset(row + left, colour, static_cast<std::size_t>(p.X - left));
        const std::int32_t right = TRuns::FillRun(row, p.X, clipRight, target, colour);
        minLeft = left, maxRight = right, minTop = p.Y, maxBottom = p.Y + 1;
        pending.Push({left, right - 1, p.Y - 1, -1});
        pending.Push({left, right - 1, p.Y + 1, 1});
    }

    while (!pending.IsEmpty()) {
        const TSeedSpan seed = pending.Pop();
        const std::int32_t dy = seed.Dy;
        // Walks on from row to row with the first run found, without going through the
        // stack: in most rows that run is the only one and lies right above the last. The
        // seed is kept in plain locals so that the walk runs in registers.
        std::int32_t seedLeft = seed.Left, seedRight = seed.Right, y = seed.Y;
        const std::int32_t stop = dy > 0 ? clipBottom : clipTop - 1;
        if (y < clipTop || y >= clipBottom) continue;
        for (; y != stop; y += dy) {
            std::uint8_t* const row = rowAt(y);
            std::int32_t x = seedLeft;
            // Every pixel of the old colour in the seed's columns touches the row filled
            // before, so a row that holds the old colour over all of them (most rows of a
            // wide region) is filled there as a block, and only its two ends are searched.
            const bool whole = seedRight - seedLeft + 1 >= TRuns::WholeSpanFrom &&
                               TRuns::SpanHolds(row, seedLeft, seedRight + 1, target);
            if (!whole && row[x] != target) {
                x = TRuns::FindFirst(row, x, seedRight + 1, clipRight, target);
                if (x > seedRight) break;
            }
            // Only a run that starts at the seed's first column can reach further left:
            // any later run begins after a pixel of another colour.
            std::int32_t left = x;
            if (x == seedLeft && x > clipLeft && row[x - 1] == target) {
                left = TRuns::RunStart(row, x, clipLeft, target);
                std::memset(row + left, colour, static_cast<std::size_t>(x - left));
                // The part sticking out beyond the seed may lead back into the row it came from.
                pending.Push({left, seedLeft - 1, y - dy, -dy});
                // Every seed lies within runs already filled, so only a run that sticks out
                // can widen the changed rectangle.
                minLeft = std::min(minLeft, left);
            }
            std::int32_t right, rowRight;
            if (whole) {
                TRuns::FillSpan(row, seedLeft, seedRight + 1, colour);
                right = seedRight + 1;
                if (right < clipRight && row[right] == target) right = TRuns::FillRun(row, right, clipRight, target, colour);
                rowRight = right;
            } else {
                const pixel_rows::TRunEnd run = TRuns::FillRunAndLook(row, x, clipRight, target, colour);
                right = rowRight = run.End;
                // Further runs within the seed's columns each become a seed of their own. The
                // search starts where the fill saw the next pixel of the old colour.
                for (x = run.Next; x <= seedRight;) {
                    if (row[x] != target) {
                        x = TRuns::FindFirst(row, x, seedRight + 1, clipRight, target);
                        if (x > seedRight) break;
                    }
                    const pixel_rows::TRunEnd further = TRuns::FillRunAndLook(row, x, clipRight, target, colour);
                    rowRight = further.End;
                    pending.Push({x, rowRight - 1, y + dy, dy});
                    x = further.Next;
                }
            }
            if (rowRight - 1 > seedRight) {
                pending.Push({seedRight + 1, rowRight - 1, y - dy, -dy});
                maxRight = std::max(maxRight, rowRight);
            }
            seedLeft = left;
            seedRight = right - 1;
        }
        // Rows seed.Y up to y (not included) were filled.
        if (y != seed.Y) {
            minTop = std::min(minTop, std::min(seed.Y, y - dy));
            maxBottom = std::max(maxBottom, std::max(seed.Y, y - dy) + 1);
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
