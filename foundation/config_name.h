#pragma once
// The one rule for configuration names. A name becomes file names (the `.qel` file, the
// saved game and the desktop launcher "Zorvik for <stem>.desktop") and the game's command
// line argument, so it must not be able to leave the folder, name a folder, be too long for
// the file system, or be taken by the game for one of its switches. Every file of a
// configuration is named after one stem, and two names that differ only in letter case
// are the same configuration.
#include <string>
#include <string_view>

// Why a name is refused; None for a usable one.
enum class TConfigNameProblem {
    None,
    Empty,           // nothing but blanks
    Dots,            // "." or ".."
    BadCharacter,    // "/", "\", a double quote or a control character
    BadText,         // an unpaired UTF-16 surrogate (it would not survive as a file name)
    TooLong,         // the launcher's file name would pass 255 bytes
    GameSwitch,      // "NOSOUND", "NOMIDI" or "NOWAVE" in any case: the game reads them as switches
};

// Blanks and control characters around the name are not part of it.
std::u16string TrimConfigName(std::u16string_view name);
// The stem of every file of the configuration: the trimmed name with its first letter
// capitalised. "  emma " and "Emma" have the stem "Emma".
std::u16string ConfigStem(std::u16string_view name);
// Whether two names are one configuration: their stems are equal once the case of Latin
// letters is folded, as the file look-ups fold it.
bool SameConfigName(std::u16string_view a, std::u16string_view b);

TConfigNameProblem ConfigNameProblem(std::u16string_view name);
// ConfigNameProblem(name) == None.
bool IsValidConfigName(std::u16string_view name);
