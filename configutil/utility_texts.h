#pragma once
// The utility's own texts: titles, help texts of the settings pages, tag language captions
// and the file manager's hints. Line breaks are "\n".
#include <array>
#include <string>
#include <string_view>

#include "foundation/config_name.h"

namespace configutil {

inline const std::u16string kApplicationTitle = u"Quorvel! Configuration Utility";
inline const std::u16string kCaptionPrefix = u"Quorvel! Configuration Utility - ";
inline const std::u16string kStartupProblem = u" encountered a problem on start-up: ";
// Said on the terminal where there is no display to open the settings window on.
inline const std::u16string kNoDisplay =
    u"The configuration utility needs a graphical desktop to show its settings window, and no display was "
    u"found (DISPLAY is not set, or the display it names does not answer). Start it from a desktop session.";

// Help texts of the settings pages, H1 to H11 (index 0 is H1).
extern const std::array<std::u16string, 11> kHelpTexts;

// Caption of the tag language check box with that index (0 to 12).
extern const std::array<std::u16string, 13> kTagCaptions;
// The tag indices as the page lists them, top to bottom.
inline constexpr std::array<int, 13> kTagDisplayOrder{4, 0, 5, 8, 11, 6, 3, 7, 12, 9, 2, 1, 10};

// The comment of a configuration's desktop launcher.
std::u16string LauncherComment(std::u16string_view stem);
// Why the file manager refuses a typed name, shown beside the name field; empty for a
// usable name and for an empty field (nothing to explain there).
std::u16string NameProblemText(TConfigNameProblem problem);

// Hints of the file manager's controls.
struct TFileManagerHints {
    std::u16string OpenSelected, SaveToSelected, DeleteSelected, RenameSelected, SaveAsNew, Close,
        ConfigList, NewName;
};
extern const TFileManagerHints kFileManagerHints;

}  // namespace configutil
