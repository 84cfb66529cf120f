#pragma once
// Line-oriented text sources of the content tools (palette, manifests, sound recipes, note
// lists). Every one of them uses the same conventions: '#' at the start of a line or after a
// blank starts a comment that runs to the end of the line (so "F#5" is a word), blank lines
// are ignored, and words are separated by blanks or tabs.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct TSourceLine {
    int number = 0;    // 1-based line number in the source
    std::string text;  // comment removed, trimmed, never empty
};

struct TSourceText {
    std::string name;  // the file name used in messages
    std::vector<TSourceLine> lines;
};

// Splits text into its meaningful lines; `name` is only used for messages.
TSourceText ParseSourceText(std::string_view text, std::string name);
// Reads a file whole; throws ContentError when it cannot be read.
TSourceText ReadSourceFile(const std::filesystem::path& path);

std::vector<std::string> SplitWords(std::string_view text);

// Whole-word number parsing: the word must be a number and nothing else.
bool ParseInt(std::string_view word, long long& value);
bool ParseReal(std::string_view word, double& value);

// key=value words of a line, in any order. Each key may appear once.
class TKeyValues {
public:
    // Words without '=' are refused; `line` and `source` are used in messages.
    TKeyValues(const std::vector<std::string>& words, const std::string& source, int line);

    bool Has(const std::string& key) const { return FValues.count(key) != 0; }
    std::string Text(const std::string& key, const std::string& fallback) const;
    double Real(const std::string& key, double fallback, double lo, double hi) const;
    long long Int(const std::string& key, long long fallback, long long lo, long long hi) const;
    // Throws when a key was given that is not in `known`: a misspelt key must not be ignored.
    void CheckKnown(const std::vector<std::string>& known) const;

private:
    std::map<std::string, std::string> FValues;
    std::string FSource;
    int FLine;
};
