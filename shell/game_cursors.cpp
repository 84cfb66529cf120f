#include "shell/game_cursors.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/folders.h"
#include "platform/game_window.h"

namespace {

bool ReadNumber(const std::string& word, std::int32_t low, std::int32_t high, std::int32_t& value) {
    const char* end = word.data() + word.size();
    const auto [rest, error] = std::from_chars(word.data(), end, value);
    return error == std::errc{} && rest == end && value >= low && value <= high;
}

// Cursors bigger than this make no sense on any screen and would only cost memory.
constexpr std::int32_t kMaxCursorSide = 128;

}  // namespace

std::map<std::int16_t, TCursorEntry> ParseCursorList(std::string_view text) {
    std::map<std::int16_t, TCursorEntry> entries;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string number, image, hotX, hotY, extra;
        if (!(words >> number) || number[0] == '#') continue;
        if (!(words >> image >> hotX >> hotY) || (words >> extra && extra[0] != '#')) continue;
        std::int32_t n = 0;
        TCursorEntry entry;
        if (!ReadNumber(number, 1, 32767, n) || image.size() > 8 || !ReadNumber(hotX, 0, 255, entry.HotX) ||
            !ReadNumber(hotY, 0, 255, entry.HotY))
            continue;
        entry.Image = image;
        entries[static_cast<std::int16_t>(n)] = entry;
    }
    return entries;
}

int LoadGameCursors(platform::GameWindow& window, TAC8Library& library) {
    std::ifstream file(Folders().DataFolder + "cursors.txt", std::ios::binary);
    if (!file) return 0;
    std::ostringstream text;
    text << file.rdbuf();
    const auto entries = ParseCursorList(text.str());

    int defined = 0;
    try {
        const platform::CanvasPalette palette = library.GetHPal()->Colours();
        for (const std::int16_t number : kCursorLoadOrder) {
            const auto found = entries.find(number);
            if (found == entries.end() || !library.ImageExists(AC8ImageName(found->second.Image))) return defined;
            const TPictureHandle held(library, AC8ImageName(found->second.Image));
            platform::CursorPicture picture;
            {
                const TAC8ImageData& image = *held;
                if (image.Width() > kMaxCursorSide || image.Height() > kMaxCursorSide) return defined;
                picture.Width = image.Width();
                picture.Height = image.Height();
                picture.HotX = std::min(found->second.HotX, picture.Width - 1);
                picture.HotY = std::min(found->second.HotY, picture.Height - 1);
                const std::int32_t transparent = image.TransparentColour();
                picture.Pixels.reserve(std::size_t(picture.Width) * std::size_t(picture.Height));
                for (std::int32_t y = 0; y < picture.Height; ++y)
                    for (std::int32_t x = 0; x < picture.Width; ++x) {
                        const std::uint8_t index = image.GetPixel(TPoint{x, y});
                        picture.Pixels.push_back(index == transparent ? 0u
                                                                      : 0xFF000000u | platform::PackRgb(palette[index]));
                    }
            }
            window.DefineCursor(number, picture);
            ++defined;
        }
    } catch (const std::exception&) {
        // A cursor that cannot be read ends the loading, without a message.
    }
    return defined;
}
