#include "obf_text.h"

#include <algorithm>
#include <system_error>

#include "atomic_file.h"
#include "common.h"
#include "line_reader.h"
#include "stream.h"
#include "text.h"

namespace {
constexpr std::size_t kMaxBlockSize = 0xFF00;

void XorBlock(std::vector<std::uint8_t>& bytes, std::size_t target, std::size_t source, std::size_t blockSize) {
    std::uint8_t* to = bytes.data() + target * blockSize;
    const std::uint8_t* from = bytes.data() + source * blockSize;
    for (std::size_t i = 0; i < blockSize; ++i) to[i] ^= from[i];
}

std::vector<std::uint8_t> LoadIfPresent(const std::filesystem::path& fileName) {
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return {};
    return ReadWholeFile(fileName);
}
}  // namespace

TObfText::TObfText(const std::filesystem::path& fileName) : TObfText(LoadIfPresent(fileName)) {}

TObfText::TObfText(std::vector<std::uint8_t> scrambled) : FBuffer(std::move(scrambled)) { Unscramble(FBuffer); }

bool TObfText::Eof() const { return FPosition >= FBuffer.size() || FBuffer[FPosition] == kEndMarker; }

std::string TObfText::ReadLine() {
    if (Eof()) return {};
    const std::size_t length = FBuffer[FPosition++];
    const std::size_t available = std::min(length, FBuffer.size() - FPosition);
    std::string line(reinterpret_cast<const char*>(FBuffer.data() + FPosition), available);
    FPosition += available;
    return line;
}

std::size_t TObfText::BlockCount(std::size_t size) { return std::max<std::size_t>(4, size / (kMaxBlockSize + 1) + 1); }

std::size_t TObfText::PaddedSize(std::size_t total) {
    std::size_t size = total + 1;
    while (size % BlockCount(size) != 0) ++size;
    return size;
}

void TObfText::Scramble(std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return;
    const std::size_t n = BlockCount(bytes.size());
    const std::size_t blockSize = bytes.size() / n;
    for (std::size_t k = 0; k + 1 < n; ++k) XorBlock(bytes, k, k + 1, blockSize);
    XorBlock(bytes, n - 1, 0, blockSize);
}

void TObfText::Unscramble(std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return;
    const std::size_t n = BlockCount(bytes.size());
    if (bytes.size() % n != 0) return;
    const std::size_t blockSize = bytes.size() / n;
    XorBlock(bytes, n - 1, 0, blockSize);
    for (std::size_t k = n - 1; k-- > 0;) XorBlock(bytes, k, k + 1, blockSize);
}

void TObfText::AppendLineRecords(std::vector<std::uint8_t>& records, std::string line) {
    auto append = [&](std::string_view record) {
        records.push_back(static_cast<std::uint8_t>(record.size()));
        records.insert(records.end(), record.begin(), record.end());
    };
    while (line.size() > kMaxRecordLength) {
        std::size_t blank = line.find_last_of(' ', kMaxRecordLength);
        if (blank == std::string::npos) {
            line.insert(kMaxRecordLength, 1, ' ');
            blank = kMaxRecordLength;
        }
        append(std::string_view(line).substr(0, blank));
        line[blank] = '+';
        line.erase(0, blank);
    }
    append(line);
}

std::vector<std::uint8_t> TObfText::TextToRecords(const std::filesystem::path& textFile, TLineFilter filter) {
    TFileStream text(textFile, TFileStream::Mode::ReadOnly);
    std::vector<std::uint8_t> records;
    std::u16string line;
    while (StreamReadLine(text, true, line)) {
        if (filter == nullptr) {
            line = TrimBlanks(line);
            if (line.empty()) continue;
        } else if (!filter(line)) {
            continue;
        }
        AppendLineRecords(records, Utf16ToAnsi(line));
    }
    records.resize(PaddedSize(records.size()), 0);
    return records;
}

void TObfText::TextToRecordFile(const std::filesystem::path& textFile, const std::filesystem::path& recordFile,
                                TLineFilter filter) {
    WriteFileAtomically(recordFile, TextToRecords(textFile, filter));
}

void TObfText::WriteScrambledFile(const std::filesystem::path& textFile, const std::filesystem::path& recordFile,
                                  TLineFilter filter) {
    std::vector<std::uint8_t> records = TextToRecords(textFile, filter);
    Scramble(records);
    WriteFileAtomically(recordFile, records);
}
