#pragma once
// The game's 256-colour palette as the content tools see it. Its source is a GIMP palette
// file (content/palette/), so that drawing programs can offer exactly these colours.
//
// Rules the reader enforces, because pictures are mapped to palette indices by colour:
//   - exactly 256 entries; entry 0 is black and entry 255 white (the display forces both);
//   - no colour appears twice, so a colour names one index and only one.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct TSourceText;

struct TRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

std::string RgbText(TRgb c);  // "#rrggbb"

class TPalette {
public:
    static constexpr int kSize = 256;

    TRgb Colour(int index) const { return FColours.at(static_cast<std::size_t>(index)); }
    const std::string& Name(int index) const { return FNames.at(static_cast<std::size_t>(index)); }

    // The index holding exactly this colour.
    std::optional<int> ExactIndex(TRgb c) const;
    // The perceptually closest index, never one of `excluded` (for soft, smoothed areas).
    int NearestIndex(TRgb c, const std::vector<int>& excluded = {}) const;

    // The palette as an image library stores it: 256 × (blue, green, red, 0).
    std::vector<std::uint8_t> LibraryBytes() const;

private:
    friend TPalette ParsePalette(const TSourceText& text);
    std::array<TRgb, kSize> FColours{};
    std::array<std::string, kSize> FNames{};
};

// Throws ContentError naming the file and line of the first fault.
TPalette ParsePalette(const TSourceText& text);
TPalette LoadPalette(const std::filesystem::path& path);
