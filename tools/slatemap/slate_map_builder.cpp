#include "tools/slatemap/slate_map_builder.h"

#include <algorithm>
#include <deque>

#include "rooms/slate/slate_map.h"
#include "rooms/slate/slate_pieces.h"
#include "tools/common/content_error.h"

namespace {

constexpr int kMinimumArea = 20;
constexpr std::uint8_t kOutline = 40;
constexpr std::uint8_t kClear = 217;

struct TCut {
    const TIndexedPicture* picture;
    int left, top, width, height;
    std::uint8_t At(int x, int y) const { return picture->At(left + x, top + y); }
};

// 4-connected areas of one colour among the pixels `inRegion` accepts; -1 elsewhere.
std::vector<int> Components(const TCut& cut, const std::function<bool(std::uint8_t)>& inRegion, int& count) {
    std::vector<int> label(static_cast<std::size_t>(cut.width * cut.height), -1);
    count = 0;
    std::vector<int> stack;
    for (int y = 0; y < cut.height; ++y)
        for (int x = 0; x < cut.width; ++x) {
            if (label[static_cast<std::size_t>(y * cut.width + x)] >= 0 || !inRegion(cut.At(x, y))) continue;
            const std::uint8_t colour = cut.At(x, y);
            stack.assign(1, y * cut.width + x);
            label[static_cast<std::size_t>(y * cut.width + x)] = count;
            while (!stack.empty()) {
                const int at = stack.back();
                stack.pop_back();
                const int px = at % cut.width, py = at / cut.width;
                const int nx[4] = {px - 1, px + 1, px, px}, ny[4] = {py, py, py - 1, py + 1};
                for (int k = 0; k < 4; ++k) {
                    if (nx[k] < 0 || ny[k] < 0 || nx[k] >= cut.width || ny[k] >= cut.height) continue;
                    const auto i = static_cast<std::size_t>(ny[k] * cut.width + nx[k]);
                    if (label[i] >= 0 || cut.At(nx[k], ny[k]) != colour) continue;
                    label[i] = count;
                    stack.push_back(ny[k] * cut.width + nx[k]);
                }
            }
            ++count;
        }
    return label;
}

// Steps from each pixel to the nearest pixel of another label (or the cut's edge).
std::vector<int> Depths(const std::vector<int>& label, int width, int height) {
    std::vector<int> depth(label.size(), -1);
    std::deque<int> queue;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int l = label[static_cast<std::size_t>(y * width + x)];
            bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            if (!edge)
                edge = label[static_cast<std::size_t>(y * width + x - 1)] != l ||
                       label[static_cast<std::size_t>(y * width + x + 1)] != l ||
                       label[static_cast<std::size_t>((y - 1) * width + x)] != l ||
                       label[static_cast<std::size_t>((y + 1) * width + x)] != l;
            if (edge) {
                depth[static_cast<std::size_t>(y * width + x)] = 0;
                queue.push_back(y * width + x);
            }
        }
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop_front();
        const int x = at % width, y = at / width;
        const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
        for (int k = 0; k < 4; ++k) {
            if (nx[k] < 0 || ny[k] < 0 || nx[k] >= width || ny[k] >= height) continue;
            const auto i = static_cast<std::size_t>(ny[k] * width + nx[k]);
            if (depth[i] >= 0) continue;
            depth[i] = depth[static_cast<std::size_t>(at)] + 1;
            queue.push_back(ny[k] * width + nx[k]);
        }
    }
    return depth;
}

TCut CutOf(const TIndexedPicture& picture, const TRect& r, const std::string& name) {
    if (r.Right > picture.width || r.Bottom > picture.height)
        throw ContentError(name + ": the sticker cut lies outside the sheet");
    return TCut{&picture, r.Left, r.Top, RectWidth(r), RectHeight(r)};
}

}  // namespace

std::vector<TSlateMapSeed> FindSlateSeeds(int record, const TPictureLookup& pictures) {
    std::vector<TSlateMapSeed> seeds;
    if (IsBackgroundIndex(record)) {
        const TIndexedPicture& unfilled = pictures(SlatePageName(record, true));
        const TIndexedPicture& coloured = pictures(SlatePageName(record, false));
        if (unfilled.width != kSlateWidth || unfilled.height != kSlateHeight || coloured.width != kSlateWidth ||
            coloured.height != kSlateHeight)
            throw ContentError(SlatePageName(record, false) + ": a colouring page is 376 x 225");
        const TCut cut{&unfilled, 0, 0, kSlateWidth, kSlateHeight};
        int count = 0;
        const std::vector<int> label = Components(cut, [](std::uint8_t c) { return c == kClear; }, count);
        const std::vector<int> depth = Depths(label, cut.width, cut.height);
        std::vector<int> best(static_cast<std::size_t>(count), -1), area(static_cast<std::size_t>(count), 0);
        for (std::size_t i = 0; i < label.size(); ++i) {
            if (label[i] < 0) continue;
            const auto l = static_cast<std::size_t>(label[i]);
            ++area[l];
            if (best[l] < 0 || depth[i] > depth[static_cast<std::size_t>(best[l])]) best[l] = static_cast<int>(i);
        }
        for (int l = 0; l < count; ++l) {
            if (area[static_cast<std::size_t>(l)] < kMinimumArea) continue;
            const int at = best[static_cast<std::size_t>(l)];
            const int x = at % cut.width, y = at / cut.width;
            const std::uint8_t colour = coloured.At(x, y);
            if (colour == kOutline) throw ContentError(SlatePageName(record, false) + ": a region is outline in the coloured page");
            seeds.push_back({x, y, colour});
        }
        return seeds;
    }

    const TCut full = CutOf(pictures(StickerSheetName(record, false)), StickerSourceRect(record, false),
                            StickerSheetName(record, false));
    const TCut half = CutOf(pictures(StickerSheetName(record, true)), StickerSourceRect(record, true),
                            StickerSheetName(record, true));
    const auto inRegion = [](std::uint8_t c) { return c != kOutline && c != kClear; };
    int count = 0, halfCount = 0;
    const std::vector<int> label = Components(full, inRegion, count);
    const std::vector<int> depth = Depths(label, full.width, full.height);
    const std::vector<int> halfLabel = Components(half, inRegion, halfCount);
    const std::vector<int> halfDepth = Depths(halfLabel, half.width, half.height);
    std::vector<int> best(static_cast<std::size_t>(count), -1), score(static_cast<std::size_t>(count), -1),
        area(static_cast<std::size_t>(count), 0);
    for (int y = 0; y < full.height; ++y)
        for (int x = 0; x < full.width; ++x) {
            const auto i = static_cast<std::size_t>(y * full.width + x);
            if (label[i] < 0) continue;
            const auto l = static_cast<std::size_t>(label[i]);
            ++area[l];
            const int hx = x / 2, hy = y / 2;
            if (hx >= half.width || hy >= half.height) continue;
            const auto h = static_cast<std::size_t>(hy * half.width + hx);
            // The halved point must lie in a region of the half sheet, never on its outline.
            if (halfLabel[h] < 0) continue;
            const int value = std::min(depth[i], 2 * halfDepth[h] + 1);
            if (value > score[l]) {
                score[l] = value;
                best[l] = static_cast<int>(i);
            }
        }
    for (int l = 0; l < count; ++l) {
        if (area[static_cast<std::size_t>(l)] < kMinimumArea || best[static_cast<std::size_t>(l)] < 0) continue;
        const int at = best[static_cast<std::size_t>(l)];
        const int x = at % full.width, y = at / full.width;
        seeds.push_back({x, y, full.At(x, y)});
    }
    return seeds;
}

std::vector<std::uint8_t> BuildSlateMap(const TPictureLookup& pictures) {
    std::vector<std::uint8_t> file(kSlateMapFileSize, 0);
    std::size_t used = 0;  // bytes of the body
    const auto put16 = [&](std::size_t at, int v) {
        file[at] = static_cast<std::uint8_t>(v & 0xFF);
        file[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    };
    for (int record = 0; record < kSlateMapRecords; ++record) {
        const std::vector<TSlateMapSeed> seeds = FindSlateSeeds(record, pictures);
        if (seeds.empty()) throw ContentError("slate record " + std::to_string(record) + " has no region");
        const std::size_t size = 5 + 5 * seeds.size();
        if (used + size > kSlateMapBodySize)
            throw ContentError("the slate's regions do not fit the map: record " + std::to_string(record) +
                               " needs " + std::to_string(size) + " bytes, " +
                               std::to_string(kSlateMapBodySize - used) + " are left");
        const std::uint32_t unit = static_cast<std::uint32_t>(used / 5);
        for (int b = 0; b < 4; ++b) file[static_cast<std::size_t>(4 * record + b)] = static_cast<std::uint8_t>(unit >> (8 * b));
        const std::size_t at = kSlateMapHeaderSize + used;
        put16(at, 0);
        put16(at + 2, static_cast<int>(seeds.size()));
        file[at + 4] = static_cast<std::uint8_t>(record);
        for (std::size_t k = 0; k < seeds.size(); ++k) {
            put16(at + 5 + 5 * k, seeds[k].x);
            put16(at + 7 + 5 * k, seeds[k].y);
            file[at + 9 + 5 * k] = seeds[k].colour;
        }
        used += size;
    }
    return file;
}
