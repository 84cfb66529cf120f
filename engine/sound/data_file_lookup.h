#pragma once
// Content names (sound IDs are upper-cased, song names come from a table) are matched to
// the files in a content folder regardless of letter case, because Linux file names are
// case-sensitive and the content was named for a system whose were not.
#include <filesystem>
#include <string_view>

// The file `name` in `folder`, found regardless of letter case; when no file matches, the
// path as asked for, so that opening it fails in the usual way. An empty folder means the
// current one. A name holding a '/' names no file of the folder: the result is empty.
std::filesystem::path FindDataFile(const std::filesystem::path& folder, std::string_view name);
