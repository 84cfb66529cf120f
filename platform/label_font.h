#pragma once
// A tiny pixel font for labels the platform draws itself (controls with nothing else to
// show). Five columns by seven rows per character.
#include <array>
#include <cstdint>

namespace platform {

inline constexpr int LabelGlyphWidth = 5;
inline constexpr int LabelGlyphHeight = 7;
inline constexpr int LabelAdvance = 6;

// Columns of the glyph, left to right; bit 0 is the top row. Characters outside printable
// ASCII give a hollow box.
std::array<std::uint8_t, LabelGlyphWidth> LabelGlyph(char c);

}  // namespace platform
