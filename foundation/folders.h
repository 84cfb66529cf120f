#pragma once
// The folder set both programs find their files through, resolved once at start from the
// key store and the platform's known folders. Every value ends with "/" once set; the
// folders are expected to exist and are never created here.
#include <string>

struct TFolderSet {
    std::string ProgramFolder;   // where the programs are installed

    std::string DesktopFolder;   // the user's desktop; empty when there is none
    std::string CommonDataFolder;
    std::string MakerFolder;     // CommonDataFolder + "Kettlebrook/"
    std::string GameBaseFolder;  // equal to MakerFolder
    std::string GameFolder;      // configurations and saved games
    std::string DataFolder;      // GameFolder + "dat/": image libraries, init script, sound list
    std::string WaveFolder;      // DataFolder + "wav/"
    std::string SongFolder;      // DataFolder + "mid/"
};

const TFolderSet& Folders();
// True once resolving the folders at start failed; the programs then do not open a window.
bool StartupFailed();

// Runs SetPaths when `force` is true or the common data folder is still unknown.
void EnsurePaths(bool force, const std::string& gameFolder);
// Resolves the set; `gameFolder` is used when it names an existing folder. Raises
// VekException "SetPaths: Unable to get public documents path" when the platform cannot
// tell the common data folder.
void SetPaths(const std::string& gameFolder);
// Fills the program folder from the key store when it is still empty.
void ReadProgramDir();
// The start-up step of both programs: EnsurePaths(false, ""), showing a failure in a
// message box with the program's `caption` and setting StartupFailed instead of raising.
void InitialiseFolders(const std::u16string& caption);
// Forgets every folder and the failure flag (program end, and tests).
void ClearPaths();
