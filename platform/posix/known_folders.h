#pragma once
// The Linux folders: the program's own folder from /proc/self/exe, the XDG desktop folder
// and XDG data home, each of them replaceable through the environment:
//   ZORVIK_PROGRAM_DIR  program folder (wins over the key store)
//   ZORVIK_DESKTOP_DIR  desktop folder (where the launchers go)
//   ZORVIK_DATA_DIR     folder for shared application data (the game folder lies below it)
#include "platform/known_folders.h"

namespace platform::posix {

class PosixKnownFolders : public KnownFolders {
public:
    std::string ProgramFolderOverride() const override;
    std::string RunningProgramFolder() const override;
    std::string DesktopFolder() const override;
    std::optional<std::string> CommonDataFolder() const override;
};

}  // namespace platform::posix
