#pragma once
// The desktop launchers of the configurations and where a configuration's saved game lives.
// A launcher "Zorvik for <stem>.desktop" in the desktop folder starts the game program
// with the configuration's stem as its only argument; "Default" never has one. Launchers
// of an earlier version may differ from the stem in letter case: every look-up finds them,
// and touching one leaves the single file the name rule gives.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace configutil {

// The game program, looked for in the program folder of the folder set.
std::filesystem::path GameProgramPath();
// Whether `program` is an executable file a launcher can start.
bool GameProgramExists(const std::filesystem::path& program);

// The launcher file the rule gives a name: the desktop folder, "Zorvik for ", the stem
// (ConfigStem) and ".desktop". Empty without a desktop folder or for a name the rule
// refuses: such names have no launcher anywhere.
std::filesystem::path ShortcutPath(std::u16string_view name);
// Every launcher of the name on the desktop whatever its letter case, the rule's file
// first when it is there.
std::vector<std::filesystem::path> FindShortcuts(std::u16string_view name);
// True for "Default" in any letter case; else whether the name has a launcher in any case.
bool ShortcutExists(std::u16string_view name);

// Writes (or overwrites) the rule's launcher of `name` starting `program` with the stem as
// its argument, and removes the name's launchers of other letter cases. False when there
// is no desktop folder or the file cannot be written, with the reason in `failure`.
bool CreateDesktopShortcut(std::u16string_view name, const std::filesystem::path& program,
                           std::string* failure = nullptr);
// Leaves at most one launcher of the name, under the rule's file name: an older one of
// another letter case is renamed to it and any further ones are removed. True when the
// name has its launcher afterwards.
bool TidyShortcuts(std::u16string_view name);
// Removes every launcher of the name; a file that cannot be removed is left.
void DeleteShortcuts(std::u16string_view name);

// The saved game of a name: the game folder, the stem, ".qeg". An existing file whose name
// differs only in letter case is the one returned.
std::filesystem::path SavedGamePath(std::u16string_view name);

}  // namespace configutil
