#include "tools/ac8/ac8_manifest.h"

#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "foundation/text.h"

std::vector<TAC8ManifestEntry> ParseManifest(const std::string& text, const std::filesystem::path& folder,
                                             const std::string& sourceName) {
    std::vector<TAC8ManifestEntry> entries;
    std::set<std::string> seen;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
        std::istringstream fields(line);
        TAC8ManifestEntry entry;
        std::string file, keyword, extra;
        int index = -1;
        if (!(fields >> entry.Name >> file)) throw std::runtime_error(where + "expected a name and a picture file");
        if (fields >> keyword) {
            if (keyword != "transparent" || !(fields >> index) || index < 0 || index > 255)
                throw std::runtime_error(where + "expected \"transparent\" and an index from 0 to 255");
            entry.TransparentColour = static_cast<std::uint8_t>(index);
        }
        if (fields >> extra) throw std::runtime_error(where + "unexpected \"" + extra + "\"");
        if (entry.Name.size() > 8) throw std::runtime_error(where + "image names have at most 8 characters");
        if (!seen.insert(LowerAscii(entry.Name)).second)
            throw std::runtime_error(where + "the name \"" + entry.Name + "\" is listed twice");
        entry.File = folder / file;
        entries.push_back(std::move(entry));
    }
    return entries;
}

TAC8Picture PictureFromRgba(const TRgbaPicture& rgba, const TAC8ManifestEntry& entry, const TAC8SourcePalette& palette) {
    std::map<std::uint32_t, std::uint8_t> indexOf;
    for (int i = 255; i >= 0; --i) {  // the first entry of a colour wins
        const auto& e = palette[i];
        indexOf[std::uint32_t(e.Red) << 16 | std::uint32_t(e.Green) << 8 | e.Blue] = static_cast<std::uint8_t>(i);
    }
    TAC8Picture picture;
    picture.Name = AC8ImageName(entry.Name);
    picture.Width = rgba.Width;
    picture.Height = rgba.Height;
    picture.HasTransparency = entry.TransparentColour.has_value();
    picture.TransparentColour = entry.TransparentColour.value_or(0);
    picture.Pixels.resize(std::size_t(rgba.Width) * rgba.Height);
    const std::string where = entry.File.string() + ": ";
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
        const std::uint8_t* p = &rgba.Pixels[i * 4];
        const std::string at = " at (" + std::to_string(i % rgba.Width) + ", " + std::to_string(i / rgba.Width) + ")";
        if (p[3] == 0) {
            if (!entry.TransparentColour) throw std::runtime_error(where + "transparent pixel" + at + " but no transparent index");
            picture.Pixels[i] = *entry.TransparentColour;
            continue;
        }
        if (p[3] != 255) throw std::runtime_error(where + "partly transparent pixel" + at);
        const auto found = indexOf.find(std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2]);
        if (found == indexOf.end()) {
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%02x%02x%02x", p[0], p[1], p[2]);
            throw std::runtime_error(where + "colour " + colour + at + " is not in the palette");
        }
        picture.Pixels[i] = found->second;
    }
    return picture;
}
