#pragma once
// Where a configuration's desktop launcher and saved game live, and writing the launcher.
// A launcher "Zorvik for <name>.desktop" in the desktop folder starts the game program
// with the configuration's name as its only argument; "Default" never has one.
#include <filesystem>
#include <string_view>

namespace configutil {

// The game program, looked for in the program folder of the folder set.
std::filesystem::path GameProgramPath();

// The launcher file of a name: the desktop folder, "Zorvik for ", the trimmed name and
// ".desktop" appended to the whole of it. Empty without a desktop folder or for a name
// the configuration name rule refuses: such names have no launcher anywhere.
std::filesystem::path ShortcutPath(std::u16string_view name);
// True for "Default" in any letter case; else whether the launcher file exists.
bool ShortcutExists(std::u16string_view name);
// Writes (or overwrites) the launcher of `name` starting `program` with the trimmed name
// as its argument. False when there is no desktop folder or the file cannot be written.
bool CreateDesktopShortcut(std::u16string_view name, const std::filesystem::path& program);

// The saved game of a name: the game folder, the trimmed name, ".qeg" appended to the
// whole of it. An existing file whose name differs only in letter case is the one returned.
std::filesystem::path SavedGamePath(std::u16string_view name);

}  // namespace configutil
