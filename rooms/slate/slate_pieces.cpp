#include "rooms/slate/slate_pieces.h"

#include <array>

#include "platform/random.h"

namespace {

// Indexed by map index - 8.
constexpr std::array<TRect, 32> kStickerCuts{{
    {168, 131, 261, 260}, {174, 0, 267, 131}, {0, 304, 138, 425}, {76, 0, 174, 94},
    {0, 0, 76, 98},       {138, 323, 271, 391}, {168, 260, 259, 323}, {0, 98, 168, 304},
    {0, 214, 212, 395},   {212, 259, 257, 304}, {0, 395, 175, 507}, {175, 395, 327, 493},
    {212, 203, 324, 259}, {0, 80, 159, 214},  {0, 0, 142, 80},     {159, 0, 316, 203},
    {154, 0, 298, 144},   {154, 266, 271, 316}, {0, 0, 154, 152},  {0, 152, 226, 265},
    {0, 266, 154, 344},   {0, 344, 135, 385}, {226, 144, 296, 257}, {154, 316, 199, 361},
    {150, 0, 215, 65},    {150, 66, 222, 120}, {54, 158, 185, 333}, {0, 158, 53, 350},
    {0, 392, 160, 436},   {54, 334, 223, 392}, {160, 392, 216, 458}, {0, 0, 149, 158},
}};

// The sheets of the groups 8-15, 16-23, 24-31 and 32-39.
constexpr std::array<char, 4> kFullSheets{'1', '2', '5', '6'};
constexpr std::array<char, 4> kHalfSheets{'4', '3', '8', '7'};

}  // namespace

std::string SlatePageName(int index, bool unfilled) {
    std::string name = "sltbg" + std::to_string(index + 1);
    if (unfilled) name += 'm';
    return name;
}

std::string StickerSheetName(int index, bool half) {
    const auto group = static_cast<std::size_t>((index - kFirstSticker) / 8) & 3;
    return std::string("sltobjs") + (half ? kHalfSheets[group] : kFullSheets[group]);
}

TRect StickerSourceRect(int index, bool half) {
    if (!IsStickerIndex(index)) return TRect{};
    TRect r = kStickerCuts[static_cast<std::size_t>(index - kFirstSticker)];
    if (half) r = TRect{r.Left / 2, r.Top / 2, r.Right / 2, r.Bottom / 2};
    return r;
}

std::int32_t SlateObjectWidth(int index, bool half) {
    return IsStickerIndex(index) ? RectWidth(StickerSourceRect(index, half)) : kSlateWidth;
}

std::int32_t SlateObjectHeight(int index, bool half) {
    return IsStickerIndex(index) ? RectHeight(StickerSourceRect(index, half)) : kSlateHeight;
}

std::uint8_t RandomSlateColour(platform::RandomNumbers& random) {
    for (;;) {
        const auto colour = static_cast<std::uint8_t>(random.Next(256));
        if (colour != kOutlineColour && colour != kSelectionFrame && colour != kUnfilledColour &&
            colour != kUncolouredSticker)
            return colour;
    }
}
