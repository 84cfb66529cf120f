#include "text_wrap.h"

#include <vector>

namespace configutil {

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length of the longest start of `word` that fits, cut between characters; at least one
// character, so that even a box narrower than one letter makes progress.
std::size_t FittingPrefix(std::string_view word, int maxWidth, const TMeasureText& measure) {
    std::size_t best = 0;
    for (std::size_t end = 1; end <= word.size(); ++end) {
        if (end < word.size() && IsContinuationByte(word[end])) continue;
        if (measure(word.substr(0, end)) > maxWidth) break;
        best = end;
    }
    if (best == 0) {  // one character wider than the box
        best = 1;
        while (best < word.size() && IsContinuationByte(word[best])) ++best;
    }
    return best;
}

void WrapParagraph(std::string_view paragraph, int maxWidth, const TMeasureText& measure, std::string& out) {
    std::string line;
    bool firstLine = true;
    const auto emit = [&](const std::string& text) {
        if (!firstLine) out += '\n';
        out += text;
        firstLine = false;
    };
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) end = paragraph.size();
        std::string_view word = paragraph.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            if (end == paragraph.size()) break;
            continue;
        }
        const std::string candidate = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (measure(candidate) <= maxWidth) {
            line = candidate;
            continue;
        }
        if (!line.empty()) emit(line);
        line.clear();
        while (measure(word) > maxWidth) {
            const std::size_t cut = FittingPrefix(word, maxWidth, measure);
            emit(std::string(word.substr(0, cut)));
            word.remove_prefix(cut);
            if (word.empty()) break;
        }
        line = std::string(word);
    }
    if (!line.empty() || firstLine) emit(line);
}
}  // namespace

std::string WrapText(std::string_view text, int maxWidth, const TMeasureText& measure) {
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        WrapParagraph(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
                      maxWidth, measure, out);
        if (end == std::string_view::npos) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

}  // namespace configutil
