// Any bytes read as a scrambled record file: a reader loop until Eof always ends, and no
// record reads past the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/obf_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TObfText records(std::vector<std::uint8_t>(data, data + size));
    std::size_t bytesRead = 0;
    std::size_t lines = 0;
    while (!records.Eof()) {
        bytesRead += records.ReadLine().size() + 1;
        // Every line but the end consumes at least its length byte.
        if (++lines > size || bytesRead > size) std::abort();
    }
    if (!records.ReadLine().empty()) std::abort();

    // The writer's side: any line cut into records and scrambled reads back. Cuts drop a
    // blank (or add one where the line had none), so lines compare without their blanks.
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::uint8_t> written;
    TObfText::AppendLineRecords(written, line);
    const std::size_t total = written.size();
    written.resize(TObfText::PaddedSize(total), 0);
    TObfText::Scramble(written);
    TObfText back(written);
    std::string joined;
    for (std::size_t consumed = 0; consumed < total;) {
        const std::string piece = back.ReadLine();
        if (piece.size() > TObfText::kMaxRecordLength) std::abort();
        joined += consumed == 0 ? piece : piece.substr(1);
        consumed += piece.size() + 1;
    }
    std::string expected = line;
    std::erase(expected, ' ');
    std::erase(joined, ' ');
    if (joined != expected) std::abort();
    while (!back.Eof())
        if (!back.ReadLine().empty()) std::abort();  // only the zero padding is left
    return 0;
}
