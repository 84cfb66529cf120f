// Copies between surfaces: the central Blit, its clipped form, the scaled copies and the
// point-sampled reduction.
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/pixel_rows.h"

namespace {

// Places sourceRect of source at p and cuts both to what lands inside clip, mirrored as the
// flips ask: a mirrored copy keeps the source columns that land in the clipped part.
// Returns false when nothing lands.
bool FitCopy(TPoint p, const TAC8ImageData& source, TRect& q, const TRect& clip, bool flipH, bool flipV,
             TRect& d) {
    std::int64_t px = p.X;
    std::int64_t py = p.Y;
    if (q.Left < 0) {
        px -= q.Left;
        q.Left = 0;
    }
    if (q.Top < 0) {
        py -= q.Top;
        q.Top = 0;
    }
    q = source.NormaliseRect(q);
    const std::int64_t left = std::max<std::int64_t>(px, clip.Left);
    const std::int64_t top = std::max<std::int64_t>(py, clip.Top);
    const std::int64_t right = std::min<std::int64_t>(px + RectWidth(q), clip.Right);
    const std::int64_t bottom = std::min<std::int64_t>(py + RectHeight(q), clip.Bottom);
    if (left >= right || top >= bottom) return false;
    d = TRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
              static_cast<std::int32_t>(bottom)};
    const auto dx = static_cast<std::int32_t>(left - px);
    const auto dy = static_cast<std::int32_t>(top - py);
    if (!flipH) {
        q.Left += dx;
        q.Right = q.Left + RectWidth(d);
    } else {
        q.Right -= dx;
        q.Left = q.Right - RectWidth(d);
    }
    if (!flipV) {
        q.Top += dy;
        q.Bottom = q.Top + RectHeight(d);
    } else {
        q.Bottom -= dy;
        q.Top = q.Bottom - RectHeight(d);
    }
    return true;
}

// The source's rows, or a private copy of them when the source is also being written to,
// so that a copy within one surface reads every pixel before it is overwritten.
class TSourceRows {
public:
    TSourceRows(const TAC8ImageData& source, bool privateCopy)
        : FHeight(source.Height()), FStride(source.RowStride()) {
        if (source.Width() <= 0 || FHeight <= 0) return;
        FBase = source.StartLine(0, FHeight - 1);
        if (privateCopy) {
            FCopy.assign(FBase, FBase + static_cast<std::ptrdiff_t>(FHeight) * FStride);
            FBase = FCopy.data();
        }
    }
    const std::uint8_t* Row(std::int32_t y) const {
        return FBase + static_cast<std::ptrdiff_t>(FHeight - 1 - y) * FStride;
    }

private:
    std::int32_t FHeight;
    std::int32_t FStride;
    const std::uint8_t* FBase = nullptr;
    std::vector<std::uint8_t> FCopy;
};

class TClipScope {
public:
    TClipScope(TRect& clip) : FClip(clip), FSaved(clip) {}
    ~TClipScope() { FClip = FSaved; }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TRect& FClip;
    TRect FSaved;
};

}  // namespace

void TAC8ImageData::BlitRows(const TRect& d, const TAC8ImageData& source, const TRect& q) {
    const std::int32_t key = source.TransparentColour();
    const bool flipH = source.FlipHorizontal;
    const bool flipV = source.FlipVertical;
    const bool overlaps = &source == this && !IsRectEmpty(IntersectRects(d, q));
    const TSourceRows rows(source, overlaps);

    const auto width = static_cast<std::size_t>(RectWidth(d));
    const std::ptrdiff_t sourceStep = flipV ? -1 : 1;
    std::int32_t sourceY = flipV ? q.Bottom - 1 : q.Top;
    std::uint8_t* dst = StartLine(d.Left, d.Top);
    for (std::int32_t y = d.Top; y < d.Bottom; ++y, dst -= FRowStride, sourceY += sourceStep) {
        const std::uint8_t* src = rows.Row(sourceY) + q.Left;
        if (key < 0) {
            if (flipH) pixel_rows::CopyMirrored(dst, src, width);
            else pixel_rows::Copy(dst, src, width);
        } else {
            const auto k = static_cast<std::uint8_t>(key);
            if (flipH) pixel_rows::CopyMirroredKeyed(dst, src, width, k);
            else pixel_rows::CopyKeyed(dst, src, width, k);
        }
    }
}

void TAC8ImageData::CopyPlain(TPoint destination, const TAC8ImageData& source, TRect sourceRect) {
    TRect d;
    if (!FitCopy(destination, source, sourceRect, GetBounds(), false, false, d)) return;
    const auto width = static_cast<std::size_t>(RectWidth(d));
    const TSourceRows rows(source, &source == this);
    std::uint8_t* dst = StartLine(d.Left, d.Top);
    for (std::int32_t y = 0; y < RectHeight(d); ++y, dst -= FRowStride)
        pixel_rows::Copy(dst, rows.Row(sourceRect.Top + y) + sourceRect.Left, width);
}

void TAC8ImageData::Blit(TPoint destination, const TAC8ImageData& source, TRect sourceRect) {
    TRect d;
    if (!FitCopy(destination, source, sourceRect, FClipRect, source.FlipHorizontal, source.FlipVertical, d)) return;
    BeginChange(d);
    BlitRows(d, source, sourceRect);
    EndChange(d);
}

void TAC8ImageData::BlitClipped(TPoint destination, const TAC8ImageData& source, const TRect& clip,
                                const TRect& sourceRect) {
    const TClipScope restore(FClipRect);
    SetClipRect(clip);
    Blit(destination, source, sourceRect);
}

void TAC8ImageData::StretchBlit(const TRect& e, const TAC8ImageData& source, const TRect& q) {
    const std::int32_t qw = RectWidth(q), qh = RectHeight(q);
    const std::int32_t ew = RectWidth(e), eh = RectHeight(e);
    const TRect c = ClipForDrawing(e);
    if (qw <= 0 || qh <= 0 || ew <= 0 || eh <= 0) return;
    BeginChange(c);
    if (!IsRectEmpty(c)) {
        // Which source column each destination column inside C takes, walked once with the
        // integer accumulator; columns whose source lies off the source are not written.
        const std::int32_t colStep = source.FlipHorizontal ? -1 : 1;
        const auto leftC = [&](std::int32_t col) { return colStep > 0 ? col >= c.Right : col < c.Left; };
        std::vector<std::pair<std::int32_t, std::int32_t>> columns;  // destination, source
        std::int32_t col = source.FlipHorizontal ? e.Right - 1 : e.Left;
        std::int64_t acc = 0;
        for (std::int32_t x = q.Left; x < source.Width() && x < q.Right && !leftC(col); ++x) {
            acc += ew;
            while (acc >= qw) {
                if (x >= 0 && col >= c.Left && col < c.Right) columns.emplace_back(col, x);
                col += colStep;
                acc -= qw;
            }
        }

        const std::int32_t key = source.TransparentColour();
        const TSourceRows rows(source, &source == this);
        // Written columns are contiguous: a row drawn once is copied to further rows of the
        // same source row over just those columns, so pixels with no source stay unchanged.
        std::int32_t firstCol = 0, lastCol = -1;
        if (!columns.empty()) {
            firstCol = std::min(columns.front().first, columns.back().first);
            lastCol = std::max(columns.front().first, columns.back().first);
        }
        const std::int32_t rowStep = source.FlipVertical ? -1 : 1;
        const auto leftRows = [&](std::int32_t r) { return rowStep > 0 ? r >= c.Bottom : r < c.Top; };
        std::int32_t row = source.FlipVertical ? e.Bottom - 1 : e.Top;
        acc = 0;
        for (std::int32_t y = q.Top; y < source.Height() && !leftRows(row); ++y) {
            acc += eh;
            const std::uint8_t* drawn = nullptr;
            while (acc >= qh) {
                if (y >= 0 && row >= c.Top && row < c.Bottom && !columns.empty()) {
                    std::uint8_t* dst = StartLine(0, row);
                    if (drawn != nullptr && key < 0) {
                        std::memcpy(dst + firstCol, drawn + firstCol, static_cast<std::size_t>(lastCol - firstCol + 1));
                    } else {
                        const std::uint8_t* src = rows.Row(y);
                        if (key < 0) {
                            for (const auto& [to, from] : columns) dst[to] = src[from];
                        } else {
                            const auto k = static_cast<std::uint8_t>(key);
                            for (const auto& [to, from] : columns)
                                if (src[from] != k) dst[to] = src[from];
                        }
                        drawn = dst;
                    }
                }
                row += rowStep;
                acc -= qh;
            }
        }
    }
    EndChange(c);
}

void TAC8ImageData::StretchIntoKeySpan(const TRect& destination, const TAC8ImageData& source, std::uint8_t key,
                                       const TRect& sourceRect) {
    const TRect q = source.NormaliseRect(sourceRect);
    const TRect e = NormaliseRect(destination);
    const std::int32_t qw = RectWidth(q), qh = RectHeight(q), eh = RectHeight(e);
    if (qw <= 0 || qh <= 0 || eh <= 0 || RectWidth(e) <= 0) return;
    // Layers are put back first like every other drawing, so that the key spans are found in
    // the surface's own pixels and the layers' save-unders stay true.
    BeginChange(e);
    const TSourceRows rows(source, &source == this);
    std::int32_t y = e.Top;
    std::int64_t acc = 0;
    for (std::int32_t sy = q.Top; sy < q.Bottom && y < e.Bottom; ++sy) {
        acc += eh;
        for (; acc >= qh && y < e.Bottom; ++y, acc -= qh) {
            std::uint8_t* row = StartLine(0, y);
            const std::int32_t first = pixel_rows::FindFirst(row, e.Left, e.Right, key);
            if (first == e.Right) continue;
            std::int32_t last = e.Right - 1;
            while (row[last] != key) --last;
            const std::int32_t w = last + 1 - first;
            const std::uint8_t* src = rows.Row(sy);
            std::int32_t col = first;
            std::int64_t spanAcc = 0;
            for (std::int32_t sx = q.Left; sx < q.Right && col <= last; ++sx) {
                spanAcc += w;
                for (; spanAcc >= qw && col <= last; spanAcc -= qw) row[col++] = src[sx];
            }
        }
    }
    EndChange(e);
}

void TAC8ImageData::ShrinkFrom(const TAC8ImageData& source, std::int32_t factor) {
    if (factor < 1) throw AC8Exception("ShrinkFrom: invalid factor");
    if (std::int64_t(factor) * FWidth > source.Width() || std::int64_t(factor) * FHeight > source.Height())
        throw AC8Exception("ShrinkFrom: source too small");
    const TSourceRows rows(source, &source == this);
    for (std::int32_t y = 0; y < FHeight; ++y) {
        std::uint8_t* dst = StartLine(0, y);
        const std::uint8_t* src = rows.Row(factor * y);
        for (std::int32_t x = 0; x < FWidth; ++x) dst[x] = src[factor * x];
    }
}
