#include "config_name.h"

#include "common.h"
#include "text.h"

namespace {
constexpr std::size_t kMaxFileNameBytes = 255;

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Unpaired halves would be replaced on the way to UTF-8, so two different names could meet
// in one file.
bool HasUnpairedSurrogate(std::u16string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsHighSurrogate(s[i])) {
            if (i + 1 >= s.size() || !IsLowSurrogate(s[i + 1])) return true;
            ++i;
        } else if (IsLowSurrogate(s[i])) {
            return true;
        }
    }
    return false;
}
}  // namespace

std::u16string TrimConfigName(std::u16string_view name) { return TrimBlanks(name); }

bool IsValidConfigName(std::u16string_view name) {
    const std::u16string trimmed = TrimConfigName(name);
    if (trimmed.empty() || trimmed == u"." || trimmed == u"..") return false;
    for (char16_t c : trimmed) {
        if (c == u'/' || c == u'\\' || c == u'"' || IsControl(c)) return false;
    }
    if (HasUnpairedSurrogate(trimmed)) return false;
    const std::string launcher = "Zorvik for " + Utf16ToUtf8(trimmed) + ".desktop";
    return launcher.size() <= kMaxFileNameBytes;
}
