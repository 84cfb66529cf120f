#include "qe_exception.h"

#include <vector>

#include "foundation/text.h"
#include "shell/strings/game_string.h"

void RaiseGameError(std::uint16_t id, std::initializer_list<std::string_view> args) {
    std::vector<std::u16string> wide;
    for (std::string_view arg : args) wide.push_back(Utf8ToUtf16(arg));
    std::u16string text;
    switch (wide.size()) {
        case 0: text = GameString(id); break;
        case 1: text = FormatGameString(id, {wide[0]}); break;
        default: text = FormatGameString(id, {wide[0], wide[1]}); break;
    }
    throw QEException(Utf16ToUtf8(text));
}
