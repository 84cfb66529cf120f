#include "data_file_lookup.h"

#include <system_error>

#include "foundation/text.h"

std::filesystem::path FindDataFile(const std::filesystem::path& folder, std::string_view name) {
    // A name is one file of the folder: a separator could reach anywhere on the disk.
    if (name.find('/') != std::string_view::npos) return {};
    const std::filesystem::path asked = folder / std::filesystem::path(std::string(name));
    std::error_code error;
    if (name.empty() || std::filesystem::exists(asked, error)) return asked;
    const std::string wanted = LowerAscii(name);
    const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
    for (std::filesystem::directory_iterator it(where, error), end; !error && it != end;
         it.increment(error)) {
        if (LowerAscii(it->path().filename().string()) == wanted) return it->path();
    }
    return asked;
}
