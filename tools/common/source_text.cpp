#include "tools/common/source_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/common/content_error.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

TSourceText ParseSourceText(std::string_view text, std::string name) {
    TSourceText result;
    result.name = std::move(name);
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // '#' begins a comment at the start of a line or after a blank, so that sharps such as
        // "F#5" stay words.
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) {
                line = line.substr(0, i);
                break;
            }
        line = Trim(line);
        if (!line.empty()) result.lines.push_back({number, std::string(line)});
        if (end == std::string_view::npos) break;
    }
    return result;
}

TSourceText ReadSourceFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) ThrowContentError(path.string(), 0, "cannot open the file");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) ThrowContentError(path.string(), 0, "cannot read the file");
    return ParseSourceText(buffer.str(), path.string());
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

bool ParseInt(std::string_view word, long long& value) {
    if (word.empty() || word.size() > 18) return false;
    std::string copy(word);
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(copy.c_str(), &end, 10);
    if (errno != 0 || end != copy.c_str() + copy.size()) return false;
    value = v;
    return true;
}

bool ParseReal(std::string_view word, double& value) {
    if (word.empty() || word.size() > 40) return false;
    std::string copy(word);
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(copy.c_str(), &end);
    if (errno != 0 || end != copy.c_str() + copy.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

TKeyValues::TKeyValues(const std::vector<std::string>& words, const std::string& source, int line)
    : FSource(source), FLine(line) {
    for (const std::string& word : words) {
        std::size_t eq = word.find('=');
        if (eq == std::string::npos || eq == 0)
            ThrowContentError(source, line, "expected key=value, found \"" + word + "\"");
        std::string key = word.substr(0, eq);
        if (!FValues.emplace(key, word.substr(eq + 1)).second)
            ThrowContentError(source, line, "\"" + key + "\" is given twice");
    }
}

std::string TKeyValues::Text(const std::string& key, const std::string& fallback) const {
    auto it = FValues.find(key);
    return it == FValues.end() ? fallback : it->second;
}

double TKeyValues::Real(const std::string& key, double fallback, double lo, double hi) const {
    auto it = FValues.find(key);
    if (it == FValues.end()) return fallback;
    double v = 0;
    if (!ParseReal(it->second, v) || v < lo || v > hi) {
        std::ostringstream range;
        range << lo << " to " << hi;
        ThrowContentError(FSource, FLine, "\"" + key + "\" must be a number from " + range.str());
    }
    return v;
}

long long TKeyValues::Int(const std::string& key, long long fallback, long long lo, long long hi) const {
    auto it = FValues.find(key);
    if (it == FValues.end()) return fallback;
    long long v = 0;
    if (!ParseInt(it->second, v) || v < lo || v > hi)
        ThrowContentError(FSource, FLine, "\"" + key + "\" must be a whole number from " +
                                              std::to_string(lo) + " to " + std::to_string(hi));
    return v;
}

void TKeyValues::CheckKnown(const std::vector<std::string>& known) const {
    for (const auto& [key, value] : FValues) {
        bool found = false;
        for (const std::string& k : known) found = found || k == key;
        if (!found) ThrowContentError(FSource, FLine, "unknown key \"" + key + "\"");
    }
}
