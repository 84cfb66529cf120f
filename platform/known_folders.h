#pragma once
// Where the operating system keeps the folders the programs start from. Paths are UTF-8
// and come without a trailing separator. The programs install the real implementation at
// start; tests install the headless one.
#include <optional>
#include <string>

namespace platform {

class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    // The program folder chosen for this run by the user or a test; it wins over every
    // stored value. Empty when none was chosen.
    virtual std::string ProgramFolderOverride() const = 0;
    // The folder of the running program file; empty when it cannot be told.
    virtual std::string RunningProgramFolder() const = 0;
    // The user's desktop; empty when the user has none.
    virtual std::string DesktopFolder() const = 0;
    // The folder for application data shared by the programs; none when it cannot be told.
    virtual std::optional<std::string> CommonDataFolder() const = 0;
};

// The installed implementation; not owned. Without one, every folder is unknown.
void InstallKnownFolders(KnownFolders* folders);
KnownFolders* InstalledKnownFolders();

}  // namespace platform
