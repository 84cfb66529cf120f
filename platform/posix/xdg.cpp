#include "xdg.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace platform::posix {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::optional<std::string> HomeFolder() {
    if (auto home = Environment("HOME")) return home;
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') return std::string(entry->pw_dir);
    return std::nullopt;
}

namespace {
// The base-directory rules ignore relative values.
std::optional<std::string> AbsoluteEnvironment(const char* name) {
    auto value = Environment(name);
    if (value && value->front() == '/') return value;
    return std::nullopt;
}

std::optional<std::string> UnderHome(const char* relative) {
    auto home = HomeFolder();
    if (!home) return std::nullopt;
    return *home + relative;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A shell-quoted value: "..." with backslash escapes, as the user-dirs tools write it.
std::optional<std::string> Unquote(std::string_view s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::nullopt;
    s = s.substr(1, s.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        out.push_back(s[i]);
    }
    return out;
}
}  // namespace

std::optional<std::string> ConfigHome() {
    if (auto value = AbsoluteEnvironment("XDG_CONFIG_HOME")) return value;
    return UnderHome("/.config");
}

std::vector<std::string> ConfigDirs() {
    std::vector<std::string> dirs;
    if (auto value = Environment("XDG_CONFIG_DIRS")) {
        std::stringstream list(*value);
        std::string entry;
        while (std::getline(list, entry, ':'))
            if (!entry.empty() && entry.front() == '/') dirs.push_back(entry);
    }
    if (dirs.empty()) dirs.push_back("/etc/xdg");
    return dirs;
}

std::optional<std::string> DataHome() {
    if (auto value = AbsoluteEnvironment("XDG_DATA_HOME")) return value;
    return UnderHome("/.local/share");
}

std::optional<std::string> UserDirFromText(std::string_view text, std::string_view key, const std::string& home) {
    std::optional<std::string> found;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || Trim(line.substr(0, equals)) != key) continue;
        auto value = Unquote(Trim(line.substr(equals + 1)));
        if (!value) continue;
        if (value->rfind("$HOME", 0) == 0 && (value->size() == 5 || (*value)[5] == '/'))
            value = home + value->substr(5);
        if (value->empty() || value->front() != '/') continue;
        found = value;  // as in a shell, the last assignment counts
    }
    return found;
}

}  // namespace platform::posix
