#pragma once
// Small shared routines: display word pairs, clamping, text comparisons.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Pairs of display words indexed by a flag: [false] then [true].
using TWordPair = std::array<std::string_view, 2>;
inline constexpr TWordPair PluralSWords{"", "s"};
inline constexpr TWordPair IsAreWords{"is", "are"};
inline constexpr TWordPair OffOnWords{"off", "on"};
inline constexpr TWordPair FalseTrueWords{"false", "true"};
inline constexpr TWordPair NotWords{"not ", ""};
inline constexpr TWordPair NYWords{"N", "Y"};
inline constexpr TWordPair NoYesWords{"No", "Yes"};
inline constexpr TWordPair FTWords{"F", "T"};
inline constexpr TWordPair ZeroOneWords{"0", "1"};
inline constexpr TWordPair ArticleNWords{"", "n"};

inline std::string_view WordFor(const TWordPair& pair, bool flag) { return pair[flag ? 1 : 0]; }

// Lo when v < lo, else hi when v > hi, else v (the lo test comes first).
inline std::int32_t Clamp(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}
inline bool InRange(std::int32_t v, std::int32_t lo, std::int32_t hi) { return lo <= v && v <= hi; }

// Removes leading characters of code 32 or below.
std::u16string TrimLeadingBlanks(std::u16string_view s);
// Removes leading and trailing characters of code 32 or below.
std::u16string TrimBlanks(std::u16string_view s);
// Upper-cases the first character when it is one of the 26 unaccented small Latin letters.
std::u16string CapitaliseFirst(std::u16string_view s);
std::string CapitaliseFirst(std::string_view s);
// Equal after trimming blanks and control characters and lower-casing the Latin capitals.
bool SameTrimmedText(std::u16string_view a, std::u16string_view b);
// Whether the list holds s, compared as SameTrimmedText does.
bool StringInList(std::u16string_view s, const std::vector<std::u16string>& list);
