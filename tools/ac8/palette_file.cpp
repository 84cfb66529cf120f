#include "tools/ac8/palette_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

TAC8SourcePalette ParsePalette(const std::string& text, const std::string& sourceName) {
    TAC8SourcePalette palette{};
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
        if (count == palette.size()) throw std::runtime_error(where + "more than 256 colours");
        std::istringstream fields(line);
        int r = -1, g = -1, b = -1;
        std::string extra;
        if (!(fields >> r >> g >> b) || (fields >> extra) || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
            throw std::runtime_error(where + "expected three values from 0 to 255");
        palette[count++] = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
    }
    if (count != palette.size())
        throw std::runtime_error(sourceName + ": " + std::to_string(count) + " colours, expected 256");
    return palette;
}

TAC8SourcePalette ReadPaletteFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path.string() + ": cannot open");
    std::ostringstream text;
    text << file.rdbuf();
    return ParsePalette(text.str(), path.string());
}
