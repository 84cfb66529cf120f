#include "platform/posix/key_store.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/posix/xdg.h"

namespace platform::posix {

namespace {
constexpr std::size_t kMaxFileSize = 64 * 1024;  // a few lines; anything bigger is not ours

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<std::string> ReadStoreFile() {
    std::vector<std::string> folders;
    if (auto home = ConfigHome()) folders.push_back(*home);
    for (const std::string& dir : ConfigDirs()) folders.push_back(dir);
    for (const std::string& folder : folders) {
        const std::string path = folder + "/zorvik/keys.ini";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) continue;
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (f == nullptr) continue;
        std::string text(kMaxFileSize, '\0');
        text.resize(std::fread(text.data(), 1, text.size(), f));
        std::fclose(f);
        return text;
    }
    return std::nullopt;
}
}  // namespace

KeyValues ParseKeyStoreText(std::string_view text) {
    KeyValues values;
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        if (line.front() == '[') {
            inSection = line.back() == ']' && line.size() >= 2;
            if (inSection) section = Lower(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        const std::string name = Lower(Trim(line.substr(0, equals)));
        if (!name.empty()) values[{section, name}] = std::string(Trim(line.substr(equals + 1)));
    }
    return values;
}

std::optional<std::string> PosixKeyStore::ReadText(std::string_view key, std::string_view name) const {
    if (!FValues) {
        const auto text = ReadStoreFile();
        FValues = text ? ParseKeyStoreText(*text) : KeyValues{};
    }
    const auto it = FValues->find({Lower(key), Lower(name)});
    if (it == FValues->end()) return std::nullopt;
    return it->second;
}

}  // namespace platform::posix
