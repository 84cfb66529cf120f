#pragma once
// Writing a whole file the user cares about without ever losing the previous copy.
#include <cstdint>
#include <filesystem>
#include <span>

// Replaces the file's contents through a temporary file in the same folder that is flushed
// to disk and renamed over the old one. Raises VekException on failure; the old file is
// then intact.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
