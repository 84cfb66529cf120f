#include "tools/common/palette.h"

#include <cstdio>
#include <limits>
#include <map>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"

std::string RgbText(TRgb c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

std::optional<int> TPalette::ExactIndex(TRgb c) const {
    for (int i = 0; i < kSize; ++i)
        if (FColours[static_cast<std::size_t>(i)] == c) return i;
    return std::nullopt;
}

int TPalette::NearestIndex(TRgb c, const std::vector<int>& excluded) const {
    // "Redmean" weighting: cheap, and much closer to what the eye sees than plain RGB distance.
    int best = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (int i = 0; i < kSize; ++i) {
        bool skip = false;
        for (int e : excluded) skip = skip || e == i;
        if (skip) continue;
        const TRgb& p = FColours[static_cast<std::size_t>(i)];
        long long meanRed = (static_cast<long long>(c.r) + p.r) / 2;
        long long dr = static_cast<long long>(c.r) - p.r;
        long long dg = static_cast<long long>(c.g) - p.g;
        long long db = static_cast<long long>(c.b) - p.b;
        long long d = ((512 + meanRed) * dr * dr >> 8) + 4 * dg * dg + ((767 - meanRed) * db * db >> 8);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::vector<std::uint8_t> TPalette::LibraryBytes() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kSize * 4);
    for (const TRgb& c : FColours) {
        bytes.push_back(c.b);
        bytes.push_back(c.g);
        bytes.push_back(c.r);
        bytes.push_back(0);
    }
    return bytes;
}

TPalette ParsePalette(const TSourceText& text) {
    TPalette palette;
    std::size_t i = 0;
    if (text.lines.empty() || text.lines[0].text != "GIMP Palette")
        ThrowContentError(text.name, text.lines.empty() ? 0 : text.lines[0].number,
                          "a palette file begins with the line \"GIMP Palette\"");
    ++i;
    // Optional header lines of the format.
    while (i < text.lines.size() && (text.lines[i].text.rfind("Name:", 0) == 0 ||
                                     text.lines[i].text.rfind("Columns:", 0) == 0))
        ++i;

    std::map<std::uint32_t, int> seen;  // colour -> index, to refuse duplicates
    int index = 0;
    for (; i < text.lines.size(); ++i, ++index) {
        const TSourceLine& line = text.lines[i];
        if (index >= TPalette::kSize)
            ThrowContentError(text.name, line.number, "more than 256 palette entries");
        std::vector<std::string> words = SplitWords(line.text);
        long long rgb[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k)
            if (words.size() <= static_cast<std::size_t>(k) || !ParseInt(words[static_cast<std::size_t>(k)], rgb[k]) ||
                rgb[k] < 0 || rgb[k] > 255)
                ThrowContentError(text.name, line.number, "expected red, green and blue from 0 to 255");
        TRgb colour{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                     static_cast<std::uint8_t>(rgb[2])};
        std::uint32_t key = (static_cast<std::uint32_t>(colour.r) << 16) | (colour.g << 8) | colour.b;
        if (auto [it, fresh] = seen.emplace(key, index); !fresh)
            ThrowContentError(text.name, line.number,
                              "entry " + std::to_string(index) + " repeats the colour " + RgbText(colour) +
                                  " of entry " + std::to_string(it->second));
        std::string name;
        for (std::size_t w = 3; w < words.size(); ++w) name += (name.empty() ? "" : " ") + words[w];
        palette.FColours[static_cast<std::size_t>(index)] = colour;
        palette.FNames[static_cast<std::size_t>(index)] = name;
    }
    if (index != TPalette::kSize)
        ThrowContentError(text.name, 0, "the palette has " + std::to_string(index) + " entries, not 256");
    if (!(palette.FColours[0] == TRgb{0, 0, 0}))
        ThrowContentError(text.name, 0, "entry 0 must be black (0 0 0)");
    if (!(palette.FColours[255] == TRgb{255, 255, 255}))
        ThrowContentError(text.name, 0, "entry 255 must be white (255 255 255)");
    return palette;
}

TPalette LoadPalette(const std::filesystem::path& path) { return ParsePalette(ReadSourceFile(path)); }
