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

// Removes the temporary files of replaces that never finished (".zorvik-<pid>-<n>-<n>.tmp",
// left by a program killed half-way) from the folder, except those of a process that still
// runs and may be writing. Returns how many were removed.
int RemoveLeftoverReplaceFiles(const std::filesystem::path& folder);

// For tests of failed saves, which cannot rely on permissions (root may write anywhere): the
// next replaces fail at this step as if the system had refused it, until set back to None.
enum class ReplaceStep { None, Create, Write, Flush, Rename };
void FailReplacesAt(ReplaceStep step);

}  // namespace platform
