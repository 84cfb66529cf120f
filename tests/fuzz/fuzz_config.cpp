// Any bytes read as a configuration file: the read never raises, crashes or hangs, and a
// record that read completely writes itself back to a file that reads to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/headless/fake_printers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::headless::FakePrinters printers(3);

    TMemoryStream input(data, size);
    TConfig config;
    if (!config.ReadFromStream(input)) return 0;
    if (config.PrinterIndex < -1 || config.PrinterIndex > 2) std::abort();

    TMemoryStream written;
    config.WriteToStream(written);
    written.Seek(0);
    TConfig again;
    if (!again.ReadFromStream(written)) std::abort();
    TMemoryStream rewritten;
    again.WriteToStream(rewritten);
    if (rewritten.Bytes() != written.Bytes()) std::abort();
    return 0;
}
