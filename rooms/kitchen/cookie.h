#pragma once
// Cookies: the record of one cookie on a baking tray, the six places of a tray, and the
// pictures a cookie is made of. The kitchen presses them, the oven bakes them, the tray
// room shows them and the album keeps copies of a tray.
//
// Cookie record, four bytes: shape, decoration, variant, present. The tray's stream is the
// six records in place order (24 bytes).
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/geometry.h"

class TAC8ImageData;
class TAC8Library;
class THotImage;
class TStream;

inline constexpr int kTrayPlaces = 6;
inline constexpr std::uint8_t kCookieShapeCount = 5;
inline constexpr std::uint8_t kCookieDecorationCount = 5;
inline constexpr std::uint8_t kCookieVariantCount = 5;
// Decorations: 1 plain, 2 to 4 a topping of the shape's topping sheet, 5 the iced base.
inline constexpr std::uint8_t kPlainDecoration = 1;
inline constexpr std::uint8_t kIcedDecoration = 5;
inline constexpr std::int32_t kCookieWidth = 122;
inline constexpr std::int32_t kCookieHeight = 136;
// The key colour of every cookie picture: what is not cookie.
inline constexpr std::uint8_t kCookieKey = 15;

struct TCookieSlot {
    std::uint8_t Shape = 0;
    std::uint8_t Decoration = 0;
    std::uint8_t Variant = 0;
    std::uint8_t Present = 0;
    friend bool operator==(const TCookieSlot&, const TCookieSlot&) = default;
};

// Places 1 to 6 are elements 0 to 5.
using TCookieTray = std::array<TCookieSlot, kTrayPlaces>;

// Whether the decoration draws a topping (and so uses the variant).
inline bool HasTopping(std::uint8_t decoration) { return decoration >= 2 && decoration <= 4; }
// The two-letter picture code of a shape 1 to 5 ("st", "rd", "tr", "ht", "sn").
std::string ShapeCode(std::uint8_t shape);
// The place the machine fills after this one (1 -> 4 -> 5 -> 6 -> 3 -> 2 -> 1).
int NextTrayPlace(int place);
bool TrayHoldsCookie(const TCookieTray& tray);

// The tray's stream. A present byte other than 0 or 1, or a cookie whose shape, decoration
// or variant lies outside 1 to 5 (an empty place may also hold zeros), raises "Saved game is
// damaged."; the tray is changed only by a read that succeeds.
void ReadCookieTray(TStream& s, TCookieTray& tray);
void WriteCookieTray(TStream& s, const TCookieTray& tray);

// A new 122 x 136 picture of one cookie, see-through (colour 15) around it. Values outside
// 1 to 5 are taken as 1, so a picture is always made from the sheets' cells.
std::unique_ptr<THotImage> MakeCookiePicture(std::uint8_t shape, std::uint8_t decoration, std::uint8_t variant,
                                             TAC8Library* library = nullptr);
// The 20 x 15 icon of a cookie on the kitchen's sheet "kitchgfx".
TRect CookieIconSource(const TCookieSlot& cookie);
// The tray as a 432 x 298 picture (steel, the six cookies in their places) stretched into
// rect of the surface: the album's drawing of a tray.
void DrawCookieTray(const TCookieTray& tray, TAC8ImageData& surface, const TRect& rect, TAC8Library* library);
