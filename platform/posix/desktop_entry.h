#pragma once
// freedesktop launchers: a Desktop Entry file of type Application that starts one program
// with fixed arguments. Used for the desktop launcher of each child's configuration.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

struct DesktopLauncher {
    std::string Name;                      // shown under the icon (UTF-8)
    std::string Comment;                   // the tooltip; none when empty
    std::string Icon;                      // an icon theme name or an absolute path; none when empty
    std::vector<std::string> Categories;   // menu categories, such as "Game"
    std::string StartupWMClass;            // the window class of the started program; none when empty
    std::filesystem::path Program;         // absolute path of the program to start
    std::vector<std::string> Arguments;    // passed to the program exactly as given (UTF-8)
    std::filesystem::path WorkingFolder;   // empty for none
};

// One word of an Exec line: always quoted, with '"', '`', '$' and '\' escaped inside the
// quotes and '%' doubled, so the launcher hands the word back unchanged.
std::string QuoteExecWord(std::string_view word);
// A value of a string key: backslash, newline, tab and carriage return escaped.
std::string EscapeEntryValue(std::string_view value);

// The whole file's text.
std::string FormatDesktopEntry(const DesktopLauncher& launcher);

// Writes the file through a temporary file in the same folder and makes it executable,
// which desktops ask of launchers they are to trust. False when anything fails, with the
// step and the system's reason in `failure`; an existing file is then left as it was.
bool WriteDesktopLauncher(const std::filesystem::path& file, const DesktopLauncher& launcher, std::string& failure);

}  // namespace platform::posix
