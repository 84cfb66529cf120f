#include "file_lookup.h"

#include <system_error>

#include "text.h"

namespace {
char16_t FoldUnit(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    // Latin-1 capitals À to Þ, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
}  // namespace

std::string FoldFileNameCase(std::string_view name) {
    std::u16string wide = Utf8ToUtf16(name);
    for (char16_t& c : wide) c = FoldUnit(c);
    return Utf16ToUtf8(wide);
}

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder, std::string_view name) {
    if (!IsPlainFileName(name)) return std::nullopt;
    const std::filesystem::path exact = folder / std::string(name);
    if (IsFile(exact)) return exact;

    const std::string wanted = FoldFileNameCase(name);
    std::optional<std::filesystem::path> best;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? std::filesystem::path(".") : folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (FoldFileNameCase(entry) != wanted || !IsFile(it->path())) continue;
        // Directory order is arbitrary; the smallest name makes the answer repeatable.
        if (!best || entry < best->filename().string()) best = folder / entry;
    }
    return best;
}

std::filesystem::path DataFilePath(const std::filesystem::path& folder, std::string_view name) {
    if (!IsPlainFileName(name)) return {};
    return FindFileNoCase(folder, name).value_or(folder / std::string(name));
}
