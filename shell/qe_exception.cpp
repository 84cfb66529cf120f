#include "qe_exception.h"

#include "foundation/messages.h"
#include "foundation/text.h"

std::string FormatGameMessage(std::uint16_t id, std::initializer_list<std::string_view> args) {
    const std::string pattern = Utf16ToUtf8(LoadTableString(id));
    std::string result;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != args.end()) result += *next++;
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

void RaiseGameError(std::uint16_t id, std::initializer_list<std::string_view> args) {
    throw QEException(FormatGameMessage(id, args));
}
