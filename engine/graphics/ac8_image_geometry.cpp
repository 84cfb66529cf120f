#include "engine/graphics/ac8_image.h"

std::uint32_t TAC8StripGeometry::RowsOf(std::uint32_t index) const {
    if (index + 1 < SegmentCount) return RowsPerSegment;
    return Height - (SegmentCount - 1) * RowsPerSegment;
}

std::optional<TAC8StripGeometry> ComputeStripGeometry(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0 || width > AC8MaxWidth) return std::nullopt;
    const std::uint64_t stride = (std::uint64_t(width) + 3) / 4 * 4;
    const std::uint64_t total = std::uint64_t(height) * stride;
    std::uint64_t n = (total + AC8MaxSegmentBytes - 1) / AC8MaxSegmentBytes;
    std::uint64_t rows = 0;
    // With stride <= 65280 one row always fits, so n never passes the height and this ends.
    for (;;) {
        rows = (total / n + stride - 1) / stride;
        if (rows * stride <= AC8MaxSegmentBytes) break;
        ++n;
    }
    const std::uint64_t count = (height + rows - 1) / rows;
    if (count > AC8MaxSegments) return std::nullopt;
    TAC8StripGeometry g;
    g.RowStride = static_cast<std::uint32_t>(stride);
    g.RowsPerSegment = static_cast<std::uint32_t>(rows);
    g.SegmentCount = static_cast<std::uint32_t>(count);
    g.Height = height;
    return g;
}
