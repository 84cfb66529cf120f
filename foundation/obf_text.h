#pragma once
// Record files: a text file's lines as length-prefixed 8-bit records, padded with zeros and
// scrambled in place by a keyless block XOR. The game reads its init script and sound list
// from them; the class operations build one from a text file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class TObfText {
public:
    // Receives a line read from the text file, may change it, and returns true to keep it.
    using TLineFilter = bool (*)(std::u16string& line);

    static constexpr std::uint8_t kEndMarker = 255;
    static constexpr std::size_t kMaxRecordLength = 254;

    // Loads and unscrambles the file; a file that does not exist reads as empty. Raises
    // VekException when an existing file cannot be read.
    explicit TObfText(const std::filesystem::path& fileName);
    // The same over the scrambled bytes of a record file already in memory.
    explicit TObfText(std::vector<std::uint8_t> scrambled);

    // The next record as code-page 1252 bytes; empty text at the end or on an end marker,
    // which is never passed. A record longer than the bytes left gives what is there.
    std::string ReadLine();
    // True at the end of the records or on an end marker, so a loop until Eof always ends.
    bool Eof() const;

    // Builds the record file from the text file and scrambles it.
    static void WriteScrambledFile(const std::filesystem::path& textFile, const std::filesystem::path& recordFile,
                                   TLineFilter filter = nullptr);
    // Builds the record file, unscrambled. Both writers replace the record file only when
    // the whole text converted: any error raises and leaves the old record file untouched.
    static void TextToRecordFile(const std::filesystem::path& textFile, const std::filesystem::path& recordFile,
                                 TLineFilter filter = nullptr);

    // The records and padding of a text, in memory (the writers' common work).
    static std::vector<std::uint8_t> TextToRecords(const std::filesystem::path& textFile, TLineFilter filter);
    // Appends the line as records, cut into pieces of at most 254 bytes at blanks ("+" marks
    // each continuation).
    static void AppendLineRecords(std::vector<std::uint8_t>& records, std::string line);

    // Block count n of a buffer of `size` bytes: the smallest n >= 4 with size / n <= 65280.
    static std::size_t BlockCount(std::size_t size);
    // The size the records are padded to: the smallest size above `total` that is a multiple
    // of its own block count, so the file always unscrambles.
    static std::size_t PaddedSize(std::size_t total);
    static void Scramble(std::vector<std::uint8_t>& bytes);
    // Leaves a buffer whose size is not a multiple of its block count unchanged.
    static void Unscramble(std::vector<std::uint8_t>& bytes);

private:
    std::vector<std::uint8_t> FBuffer;
    std::size_t FPosition = 0;
};
