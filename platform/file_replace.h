#pragma once
// Saving a file the user cares about: the new contents go to a temporary file in the same
// folder, reach the disk, and only then take the old file's name, so a failure at any point
// leaves the previous file as it was.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace platform {

// True when `path` now holds exactly `bytes`. On failure returns false with a short reason
// in `error`, removes the temporary file and leaves `path` untouched.
bool ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error);

}  // namespace platform
