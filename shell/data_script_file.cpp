#include "data_script_file.h"

#include <algorithm>
#include <system_error>

#include "foundation/atomic_file.h"
#include "foundation/file_lookup.h"
#include "foundation/line_reader.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"

namespace {

bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The record file must be rebuilt when the text file is newer; a date that cannot be read
// counts as out of date, so the text (what the author edits) wins.
bool RecordFileIsCurrent(const std::filesystem::path& recordFile, const std::filesystem::path& textFile) {
    std::error_code ec;
    const auto recordTime = std::filesystem::last_write_time(recordFile, ec);
    if (ec) return false;
    const auto textTime = std::filesystem::last_write_time(textFile, ec);
    if (ec) return false;
    return !(recordTime < textTime);
}

}  // namespace

// The line reader drops tabs, which would join the words on either side of one ("tap<TAB>the
// tap" would name the sound "tapthe"); a tab separates words as a blank does.
TConvertedScript ConvertScriptText(const std::filesystem::path& textFile, TObfText::TLineFilter filter) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(textFile);
    std::replace(bytes.begin(), bytes.end(), std::uint8_t('\t'), std::uint8_t(' '));
    TMemoryStream text(std::move(bytes));
    TConvertedScript result;
    std::u16string line;
    int lineNumber = 0;
    while (StreamReadLine(text, true, line)) {
        ++lineNumber;
        if (!filter(line)) continue;
        std::vector<std::uint8_t> pieces;
        TObfText::AppendLineRecords(pieces, Utf16ToAnsi(line));
        for (std::size_t at = 0; at < pieces.size(); at += std::size_t(pieces[at]) + 1)
            result.TextLines.push_back(lineNumber);
        result.Records.insert(result.Records.end(), pieces.begin(), pieces.end());
    }
    result.Records.resize(TObfText::PaddedSize(result.Records.size()), 0);
    return result;
}

TDataScriptFile::TDataScriptFile(const std::filesystem::path& folder, std::string_view baseName,
                                 TObfText::TLineFilter filter) {
    const std::string textName = std::string(baseName) + ".txt";
    const std::string recordName = std::string(baseName) + ".dat";
    const std::filesystem::path textFile = DataFilePath(folder, textName);
    const std::filesystem::path recordFile = DataFilePath(folder, recordName);
    if (FileExists(textFile) && !(FileExists(recordFile) && RecordFileIsCurrent(recordFile, textFile))) {
        TConvertedScript converted = ConvertScriptText(textFile, filter);
        TObfText::Scramble(converted.Records);
        try {
            WriteFileAtomically(recordFile, converted.Records);
        } catch (const VekException&) {
            // A read-only data folder: the records serve from memory this time.
        }
        FRecords = std::make_unique<TObfText>(std::move(converted.Records));
        FTextLines = std::move(converted.TextLines);
        FFromText = true;
        FFileName = textName;
    } else {
        FRecords = std::make_unique<TObfText>(recordFile);
        FFileName = recordName;
    }
}

TDataScriptFile::~TDataScriptFile() = default;

bool TDataScriptFile::Eof() const { return FRecords->Eof(); }

std::string TDataScriptFile::ReadLine() {
    ++FRecordsRead;
    return FRecords->ReadLine();
}

std::string TDataScriptFile::Place() const {
    if (FFromText && FRecordsRead >= 1 && FRecordsRead <= FTextLines.size())
        return FFileName + ", line " + std::to_string(FTextLines[FRecordsRead - 1]);
    return FFileName + ", record " + std::to_string(FRecordsRead);
}
