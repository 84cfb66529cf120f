#include "atomic_file.h"

#include <string>

#include "platform/file_replace.h"
#include "vek_exception.h"

void WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::string error;
    if (!platform::ReplaceFileContents(path, bytes, error))
        throw VekException("Cannot write file \"" + path.string() + "\": " + error);
}
