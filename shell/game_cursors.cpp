#include "shell/game_cursors.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/folders.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "platform/game_window.h"
#include "platform/message_boxes.h"
#include "shell/application_title.h"
#include "shell/strings/game_string.h"

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

namespace {
void ReportCursorList(const std::u16string& text) {
    if (platform::MessageBoxes* boxes = platform::InstalledMessageBoxes())
        boxes->Show(kApplicationTitle, text, platform::MessageButtons::Ok, platform::MessageIcon::Error);
}
}  // namespace

int LoadGameCursors(platform::GameWindow& window, TAC8Library& library) {
    const std::string path = Folders().DataFolder + "cursors.txt";
    std::ifstream file(path, std::ios::binary);
    std::error_code ec;
    if (!file || !std::filesystem::is_regular_file(path, ec)) {
        ReportCursorList(FormatGameString(GameStringFileNotFound, {Utf8ToUtf16(path)}));
        return 0;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const auto entries = ParseCursorList(text.str());

    int defined = 0;
    std::string damage;
    try {
        const platform::CanvasPalette palette = library.GetHPal()->Colours();
        for (const std::int16_t number : kCursorLoadOrder) {
            const auto found = entries.find(number);
            if (found == entries.end()) {
                damage = "it has no cursor " + std::to_string(number);
                break;
            }
            if (!library.ImageExists(AC8ImageName(found->second.Image))) {
                damage = "cursor " + std::to_string(number) + " names the picture \"" + found->second.Image +
                         "\", which the library does not have";
                break;
            }
            const TPictureHandle held(library, AC8ImageName(found->second.Image));
            platform::CursorPicture picture;
            {
                const TAC8ImageData& image = *held;
                if (image.Width() > kMaxCursorSide || image.Height() > kMaxCursorSide) {
                    damage = "the picture of cursor " + std::to_string(number) + " is too big for a cursor";
                    break;
                }
                picture = CursorPictureOf(image, palette, found->second.HotX, found->second.HotY);
            }
            window.DefineCursor(number, picture);
            ++defined;
        }
    } catch (const VekException& e) {
        damage = std::string("its pictures cannot be read (") + e.what() + ")";
    } catch (const std::exception&) {
        damage = "its pictures cannot be read";
    }
    // The cursors not loaded stay the system's arrow: the game plays on, but the content is
    // broken and says where.
    if (!damage.empty())
        ReportCursorList(u"The cursor list \"" + Utf8ToUtf16(path) + u"\" is damaged: " + Utf8ToUtf16(damage) + u".");
    return defined;
}

platform::CursorPicture CursorPictureOf(const TAC8ImageData& image, const platform::CanvasPalette& palette,
                                        std::int32_t hotX, std::int32_t hotY) {
    platform::CursorPicture picture;
    picture.Width = image.Width();
    picture.Height = image.Height();
    if (picture.Width <= 0 || picture.Height <= 0) return picture;
    picture.HotX = std::clamp(hotX, 0, picture.Width - 1);
    picture.HotY = std::clamp(hotY, 0, picture.Height - 1);
    const std::int32_t transparent = image.TransparentColour();
    picture.Pixels.reserve(std::size_t(picture.Width) * std::size_t(picture.Height));
    for (std::int32_t y = 0; y < picture.Height; ++y)
        for (std::int32_t x = 0; x < picture.Width; ++x) {
            const std::uint8_t index = image.GetPixel(TPoint{x, y});
            picture.Pixels.push_back(index == transparent ? 0u : 0xFF000000u | platform::PackRgb(palette[index]));
        }
    return picture;
}
