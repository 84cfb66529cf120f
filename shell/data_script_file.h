#pragma once
// The game's two data scripts (the init script and the sound list) as the loaders read them:
// the record file "<name>.dat" of the data folder, rebuilt from "<name>.txt" with the
// loader's filter whenever the text file exists and the record file is missing or older.
// The data folder may be read-only (an installed game): a record file that cannot be
// written is converted in memory and the game goes on.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/obf_text.h"

class TDataScriptFile {
public:
    // Opens the script `baseName` ("init", "sounds") of the folder. A missing pair reads as
    // empty (the start-up check has reported it before); a text file that cannot be read
    // raises VekException.
    TDataScriptFile(const std::filesystem::path& folder, std::string_view baseName, TObfText::TLineFilter filter);
    ~TDataScriptFile();
    TDataScriptFile(const TDataScriptFile&) = delete;
    TDataScriptFile& operator=(const TDataScriptFile&) = delete;

    // The records, until the end of the file or its end marker (a damaged file never keeps
    // a loader going).
    bool Eof() const;
    // The next record, as code-page 1252 bytes.
    std::string ReadLine();
    // Where the last record read came from, for messages: "init.txt, line 12" when it was
    // converted from the text file now, else "init.dat, record 12".
    std::string Place() const;
    // Whether the records came from the text file in this run.
    bool ConvertedFromText() const { return FFromText; }

private:
    std::unique_ptr<TObfText> FRecords;
    std::string FFileName;
    // For each record converted now, the number of the text line it came from.
    std::vector<int> FTextLines;
    bool FFromText = false;
    std::size_t FRecordsRead = 0;
};

// The record file of the text, unscrambled and padded, and the text line of each record
// (long lines become several records). The same records as TObfText's own conversion; the
// loaders convert here so that their messages can name the text line.
struct TConvertedScript {
    std::vector<std::uint8_t> Records;
    std::vector<int> TextLines;
};
TConvertedScript ConvertScriptText(const std::filesystem::path& textFile, TObfText::TLineFilter filter);
