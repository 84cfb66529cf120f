#pragma once
// The sound list file: one wave file name a line, numbered from 0 in file order. Lines that
// are empty or begin with "[" or "#" are not counted, and only the first word of a line is
// the name, so the file can carry headings and notes.
#include <filesystem>
#include <string>

class TSoundList;

// Fills the list from the data folder's "sounds.dat", rebuilt from "sounds.txt" when that is
// newer.
void LoadSoundList(TSoundList& list);
void LoadSoundList(TSoundList& list, const std::filesystem::path& dataFolder);

// The sound filter of the record file: the line trimmed and cut at its first space and then
// at its first tab; kept when not empty and not a heading or comment.
bool SoundListFilter(std::u16string& line);
