#include "common.h"

#include "text.h"

std::u16string TrimLeadingBlanks(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] <= 32) ++i;
    return std::u16string(s.substr(i));
}

std::u16string TrimBlanks(std::u16string_view s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end && s[begin] <= 32) ++begin;
    while (end > begin && s[end - 1] <= 32) --end;
    return std::u16string(s.substr(begin, end - begin));
}

std::u16string CapitaliseFirst(std::u16string_view s) {
    std::u16string out(s);
    if (!out.empty()) out[0] = UpperAscii(out[0]);
    return out;
}

std::string CapitaliseFirst(std::string_view s) {
    std::string out(s);
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 32);
    return out;
}

bool SameTrimmedText(std::u16string_view a, std::u16string_view b) {
    return LowerAscii(TrimBlanks(a)) == LowerAscii(TrimBlanks(b));
}

bool StringInList(std::u16string_view s, const std::vector<std::u16string>& list) {
    for (const auto& item : list)
        if (SameTrimmedText(s, item)) return true;
    return false;
}
