#pragma once
// The XDG base-directory and user-directory rules the Linux services share. Pure functions
// over the values they are given, so they can be tested without touching the real home.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// An environment variable's value; none when unset or empty.
std::optional<std::string> Environment(const char* name);
// The user's home folder: $HOME, else the password database; none when neither tells.
std::optional<std::string> HomeFolder();

// $XDG_CONFIG_HOME when absolute, else home + "/.config".
std::optional<std::string> ConfigHome();
// $XDG_CONFIG_DIRS (absolute entries only), else "/etc/xdg".
std::vector<std::string> ConfigDirs();
// $XDG_DATA_HOME when absolute, else home + "/.local/share".
std::optional<std::string> DataHome();

// The value of `key` (such as "XDG_DESKTOP_DIR") in the text of a user-dirs.dirs file, with
// "$HOME" at its start replaced by `home`; none when missing, relative or malformed.
std::optional<std::string> UserDirFromText(std::string_view text, std::string_view key, const std::string& home);

}  // namespace platform::posix
