#include "tools/fonts/font_list.h"

#include "engine/graphics/game_font_metrics.h"
#include "tools/common/content_error.h"
#include "tools/common/source_text.h"

namespace {

const TFontMetrics* GameMetricsOfSlot(long long slot) {
    if (slot == 0) return &GameFontMetrics0;
    if (slot == 1) return &GameFontMetrics1;
    return nullptr;
}

long long NumberWord(const std::string& word, long long lo, long long hi, const TSourceText& text, int line,
                     const char* what) {
    long long value = 0;
    if (!ParseInt(word, value) || value < lo || value > hi)
        ThrowContentError(text.name, line,
                          std::string(what) + " must be a number from " + std::to_string(lo) + " to " +
                              std::to_string(hi) + ", not \"" + word + "\"");
    return value;
}

}  // namespace

std::vector<TGlyphSheetSource> ParseFontList(const TSourceText& text, const std::filesystem::path& faceFolder) {
    std::vector<TGlyphSheetSource> sources;
    for (const TSourceLine& line : text.lines) {
        const std::vector<std::string> words = SplitWords(line.text);
        if (words.size() != 6)
            ThrowContentError(text.name, line.number, "expected: name face pixels slot ink transparent");
        TGlyphSheetSource source;
        source.name = words[0];
        if (source.name.size() > 8 || source.name.size() < 2)
            ThrowContentError(text.name, line.number, "a sheet name has 2 to 8 characters");
        source.face = faceFolder / words[1];
        source.pixelSize = static_cast<int>(NumberWord(words[2], 4, 200, text, line.number, "pixels"));
        const long long slot = NumberWord(words[3], 0, 40, text, line.number, "slot");
        source.metrics = GameMetricsOfSlot(slot);
        if (source.metrics == nullptr)
            ThrowContentError(text.name, line.number, "the game has no metrics record in slot " + words[3]);
        if (source.name.substr(0, 2) != (slot < 10 ? "0" : "") + std::to_string(slot))
            ThrowContentError(text.name, line.number, "the name \"" + source.name + "\" does not begin with its slot");
        source.ink = static_cast<std::uint8_t>(NumberWord(words[4], 0, 255, text, line.number, "ink"));
        source.transparent = static_cast<std::uint8_t>(NumberWord(words[5], 0, 255, text, line.number, "transparent"));
        if (source.ink == source.transparent)
            ThrowContentError(text.name, line.number, "ink and transparent colours must differ");
        sources.push_back(source);
    }
    return sources;
}

std::vector<TGlyphSheetSource> LoadFontList(const std::filesystem::path& path, const std::filesystem::path& faceFolder) {
    return ParseFontList(ReadSourceFile(path), faceFolder);
}
