#pragma once
// Finding a file by the name the data or the user gives, whatever its letter case on disk.
// The design assumed a file system that ignores case; Linux does not, and content made on
// another machine, or a configuration saved as "bob" and asked for as "Bob", must still be
// found.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file `name` (a plain file name, UTF-8) in `folder`: the exact name when such a file
// exists, else the first file in name order whose name differs from it only in the case of
// Latin letters (unaccented and those of Latin-1). None when there is none, when the folder
// cannot be read, or when `name` is not a plain file name.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder, std::string_view name);

// The name with its Latin letters in lower case; two names that differ only in letter case
// fold to the same text.
std::string FoldFileNameCase(std::string_view name);

// The path a data file is opened under: the file found by FindFileNoCase, else the path as
// asked for (so that opening it fails in the usual way), or an empty path when `name` is not
// a plain file name (a separator could reach anywhere on the disk).
std::filesystem::path DataFilePath(const std::filesystem::path& folder, std::string_view name);
