#include "tools/sounds/sound_list.h"

#include <set>

#include "tools/common/content_error.h"

std::vector<std::string> SoundListNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // Trimming removes every character of code 32 or less, as the game does.
        while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32) line.remove_prefix(1);
        while (!line.empty() && static_cast<unsigned char>(line.back()) <= 32) line.remove_suffix(1);
        line = line.substr(0, line.find(' '));
        line = line.substr(0, line.find('\t'));
        if (line.empty() || line.front() == '[' || line.front() == '#') continue;
        names.emplace_back(line);
    }
    return names;
}

void CheckSoundListNames(const std::vector<std::string>& names, const std::string& source) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        bool plain = !name.empty() && name.size() <= 8;
        for (char c : name) plain = plain && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_');
        if (!plain)
            ThrowContentError(source, 0, "wave " + std::to_string(i) + ": \"" + name +
                                             "\" is not a name of at most 8 lower-case letters, digits or '_'");
        if (!seen.insert(name).second)
            ThrowContentError(source, 0, "wave " + std::to_string(i) + ": \"" + name + "\" is listed twice");
    }
}
