#pragma once
// Standard MIDI Files (format 1) for the game's song player: a conductor track with the
// tempo and time signature, then one track per part with its program, volume, pan and notes.
#include <cstdint>
#include <filesystem>
#include <vector>

struct TSong;

std::vector<std::uint8_t> MidiFileBytes(const TSong& song);
// Throws ContentError when the file cannot be written.
void WriteMidiFile(const std::filesystem::path& path, const TSong& song);
