#pragma once
// Reads a launcher back as a desktop would: the value of a key with the string escapes
// undone, and the Exec line split into words by the Desktop Entry quoting rules.
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline std::string EntryValue(const std::string& fileText, const std::string& key) {
    std::istringstream lines(fileText);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value, raw = line.substr(key.size() + 1);
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\' || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            switch (raw[++i]) {
                case 's': value += ' '; break;
                case 'n': value += '\n'; break;
                case 't': value += '\t'; break;
                case 'r': value += '\r'; break;
                case '\\': value += '\\'; break;
                default: throw std::runtime_error("unknown escape in " + key);
            }
        }
        return value;
    }
    throw std::runtime_error("no key " + key);
}

inline std::vector<std::string> SplitExec(const std::string& exec) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < exec.size()) {
        if (exec[i] == ' ') {
            ++i;
            continue;
        }
        std::string word;
        if (exec[i] == '"') {
            for (++i;; ++i) {
                if (i >= exec.size()) throw std::runtime_error("unterminated quote");
                if (exec[i] == '"') break;
                if (exec[i] == '\\') {
                    const char next = i + 1 < exec.size() ? exec[i + 1] : '\0';
                    if (next != '"' && next != '`' && next != '$' && next != '\\')
                        throw std::runtime_error("bad escape inside quotes");
                    ++i;
                }
                word += exec[i];
            }
            ++i;
        } else {
            for (; i < exec.size() && exec[i] != ' '; ++i) word += exec[i];
        }
        std::string expanded;
        for (std::size_t k = 0; k < word.size(); ++k) {
            if (word[k] == '%') {
                if (k + 1 >= word.size() || word[k + 1] != '%') throw std::runtime_error("field code in a word");
                ++k;
            }
            expanded += word[k];
        }
        words.push_back(expanded);
    }
    return words;
}
