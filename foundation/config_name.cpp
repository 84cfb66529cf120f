#include "config_name.h"

#include "common.h"
#include "file_lookup.h"
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

// The game compares its arguments upper-cased with its switches before it looks for a
// configuration, so a configuration of such a name could never be started.
bool IsGameSwitch(std::u16string_view trimmed) {
    const std::u16string word = UpperAscii(trimmed);
    return word == u"NOSOUND" || word == u"NOMIDI" || word == u"NOWAVE";
}
}  // namespace

std::u16string TrimConfigName(std::u16string_view name) { return TrimBlanks(name); }

std::u16string ConfigStem(std::u16string_view name) { return CapitaliseFirst(TrimConfigName(name)); }

bool SameConfigName(std::u16string_view a, std::u16string_view b) {
    return FoldFileNameCase(Utf16ToUtf8(ConfigStem(a))) == FoldFileNameCase(Utf16ToUtf8(ConfigStem(b)));
}

TConfigNameProblem ConfigNameProblem(std::u16string_view name) {
    const std::u16string trimmed = TrimConfigName(name);
    if (trimmed.empty()) return TConfigNameProblem::Empty;
    if (trimmed == u"." || trimmed == u"..") return TConfigNameProblem::Dots;
    for (char16_t c : trimmed) {
        if (c == u'/' || c == u'\\' || c == u'"' || IsControl(c)) return TConfigNameProblem::BadCharacter;
    }
    if (HasUnpairedSurrogate(trimmed)) return TConfigNameProblem::BadText;
    const std::string launcher = "Zorvik for " + Utf16ToUtf8(trimmed) + ".desktop";
    if (launcher.size() > kMaxFileNameBytes) return TConfigNameProblem::TooLong;
    if (IsGameSwitch(trimmed)) return TConfigNameProblem::GameSwitch;
    return TConfigNameProblem::None;
}

bool IsValidConfigName(std::u16string_view name) { return ConfigNameProblem(name) == TConfigNameProblem::None; }
