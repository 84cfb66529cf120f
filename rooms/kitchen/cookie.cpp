#include "rooms/kitchen/cookie.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "shell/record_reading.h"

namespace {

constexpr std::string_view kShapeCodes = "strdtrhtsn";

// The topping cell of each shape and where it lies on the cookie.
struct TToppingCell {
    std::int32_t Width, Height;
    TPoint At;
};
constexpr std::array<TToppingCell, kCookieShapeCount> kToppingCells{{
    {109, 101, {6, 19}},
    {103, 105, {9, 14}},
    {89, 124, {18, 5}},
    {109, 100, {5, 17}},
    {86, 126, {15, 6}},
}};

// Where each place's cookie lies on the album's picture of a tray.
constexpr std::int32_t kTrayPictureWidth = 432;
constexpr std::int32_t kTrayPictureHeight = 298;
constexpr std::uint8_t kTraySteel = 234;
constexpr std::array<TPoint, kTrayPlaces> kTrayPicturePlaces{{
    {10, 153}, {155, 153}, {300, 153}, {10, 10}, {155, 10}, {300, 10},
}};

std::uint8_t InRange(std::uint8_t value) { return value >= 1 && value <= 5 ? value : 1; }

bool ValidCookie(const TCookieSlot& c) {
    if (c.Present > 1) return false;
    const auto valid = [](std::uint8_t v) { return v >= 1 && v <= 5; };
    if (c.Present == 1) return valid(c.Shape) && valid(c.Decoration) && valid(c.Variant);
    return c.Shape <= 5 && c.Decoration <= 5 && c.Variant <= 5;
}

}  // namespace

std::string ShapeCode(std::uint8_t shape) {
    const std::size_t at = static_cast<std::size_t>(InRange(shape) - 1) * 2;
    return std::string(kShapeCodes.substr(at, 2));
}

int NextTrayPlace(int place) {
    switch (place) {
        case 1: return 4;
        case 2: return 1;
        case 3: return 2;
        case 4: return 5;
        case 5: return 6;
        case 6: return 3;
        default: return 1;
    }
}

bool TrayHoldsCookie(const TCookieTray& tray) {
    return std::any_of(tray.begin(), tray.end(), [](const TCookieSlot& c) { return c.Present == 1; });
}

void ReadCookieTray(TStream& s, TCookieTray& tray) {
    TCookieTray read;
    for (TCookieSlot& c : read) {
        c.Shape = ReadU8(s);
        c.Decoration = ReadU8(s);
        c.Variant = ReadU8(s);
        c.Present = ReadU8(s);
        record_reading::Require(ValidCookie(c));
    }
    tray = read;
}

void WriteCookieTray(TStream& s, const TCookieTray& tray) {
    for (const TCookieSlot& c : tray) {
        WriteByte(s, c.Shape);
        WriteByte(s, c.Decoration);
        WriteByte(s, c.Variant);
        WriteByte(s, c.Present);
    }
}

std::unique_ptr<THotImage> MakeCookiePicture(std::uint8_t shape, std::uint8_t decoration, std::uint8_t variant,
                                             TAC8Library* library) {
    shape = InRange(shape);
    decoration = InRange(decoration);
    variant = InRange(variant);
    auto picture = THotImage::CreateBlank(kCookieWidth, kCookieHeight, library);
    TAC8ImageData& canvas = picture->Image();
    canvas.SetTransparency(kCookieKey, false);
    canvas.FillRect(canvas.GetBounds(), kCookieKey);
    {
        THotImage base(decoration == kIcedDecoration ? "cookicus" : "cookipln", false, library);
        canvas.Blit(TPoint{0, 0}, base.Image(), MakeBounds((shape - 1) * kCookieWidth, 0, kCookieWidth, kCookieHeight));
    }
    if (HasTopping(decoration)) {
        const TToppingCell& cell = kToppingCells[shape - 1u];
        THotImage toppings(AC8ImageName(ShapeCode(shape) + "_deco"), false, library);
        canvas.Blit(cell.At, toppings.Image(),
                    MakeBounds(cell.Width * (decoration - 2), cell.Height * (variant - 1), cell.Width, cell.Height));
    }
    canvas.SetTransparency(kCookieKey, true);
    return picture;
}

TRect CookieIconSource(const TCookieSlot& cookie) {
    const std::int32_t x = 320 + 20 * (InRange(cookie.Shape) - 1);
    std::int32_t row = 1;
    if (cookie.Decoration == kIcedDecoration)
        row = 6;
    else if (cookie.Decoration == kPlainDecoration)
        row = 1;
    else
        row = cookie.Variant == 5 ? 5 : InRange(cookie.Variant) + 1;
    return MakeBounds(x, 314 + 15 * (row - 1), 20, 15);
}

void DrawCookieTray(const TCookieTray& tray, TAC8ImageData& surface, const TRect& rect, TAC8Library* library) {
    auto picture = THotImage::CreateBlank(kTrayPictureWidth, kTrayPictureHeight, library);
    TAC8ImageData& canvas = picture->Image();
    canvas.SetTransparency(0, false);
    canvas.FillRect(canvas.GetBounds(), kTraySteel);
    for (int p = 0; p < kTrayPlaces; ++p) {
        const TCookieSlot& c = tray[static_cast<std::size_t>(p)];
        if (c.Present != 1) continue;
        auto cookie = MakeCookiePicture(c.Shape, c.Decoration, c.Variant, library);
        canvas.Blit(kTrayPicturePlaces[static_cast<std::size_t>(p)], cookie->Image(),
                    MakeBounds(0, 0, kCookieWidth, kCookieHeight));
    }
    surface.StretchBlit(rect, canvas, canvas.GetBounds());
}
