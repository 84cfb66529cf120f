#include "folders.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "messages.h"
#include "platform/key_store.h"
#include "platform/known_folders.h"
#include "text.h"
#include "vek_exception.h"

namespace {
TFolderSet gFolders;
bool gStartupFailed = false;

constexpr const char* kMakerKey = "Software\\Vek! Software";
constexpr const char* kGameKey = "Software\\Vek! Software\\Zorvik";

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path.push_back('/');
    return path;
}

std::string WithoutTrailingSlash(std::string path) {
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

std::string ReadKey(const char* key, const char* name) {
    const platform::KeyStore* store = platform::InstalledKeyStore();
    if (store == nullptr) return {};
    return store->ReadText(key, name).value_or(std::string());
}
}  // namespace

const TFolderSet& Folders() { return gFolders; }
bool StartupFailed() { return gStartupFailed; }

void ReadProgramDir() {
    if (!WithoutTrailingSlash(gFolders.ProgramFolder).empty()) return;
    const platform::KnownFolders* known = platform::InstalledKnownFolders();
    if (known != nullptr) {
        const std::string chosen = known->ProgramFolderOverride();
        if (!chosen.empty()) {
            gFolders.ProgramFolder = WithTrailingSlash(chosen);
            return;
        }
    }
    const std::string development = ReadKey(kMakerKey, "DevHomeZorvik");
    std::string program = ReadKey(kGameKey, "Directory");
    if ((program.empty() || !IsFolder(program)) && !development.empty())
        program = WithTrailingSlash(development) + "Zorvik";
    gFolders.ProgramFolder = WithTrailingSlash(program);
}

void SetPaths(const std::string& gameFolder) {
    ReadProgramDir();
    const platform::KnownFolders* known = platform::InstalledKnownFolders();
    if (WithoutTrailingSlash(gFolders.ProgramFolder).empty() && known != nullptr)
        gFolders.ProgramFolder = WithTrailingSlash(known->RunningProgramFolder());

    if (known != nullptr) {
        const std::string desktop = known->DesktopFolder();
        if (!desktop.empty()) gFolders.DesktopFolder = WithTrailingSlash(desktop);
    }

    const std::optional<std::string> common = known != nullptr ? known->CommonDataFolder() : std::nullopt;
    if (!common || common->empty()) throw VekException("SetPaths: Unable to get public documents path");

    gFolders.CommonDataFolder = WithTrailingSlash(*common);
    gFolders.MakerFolder = gFolders.CommonDataFolder + "Kettlebrook/";
    gFolders.GameBaseFolder = gFolders.MakerFolder;
    gFolders.GameFolder =
        IsFolder(gameFolder) ? WithTrailingSlash(gameFolder) : gFolders.GameBaseFolder + "Zorvik/";

    // The data folders are fixed by the first resolution; the sound and song players keep them.
    if (!gFolders.DataFolder.empty()) return;
    gFolders.DataFolder = gFolders.GameFolder + "dat/";
    gFolders.WaveFolder = gFolders.DataFolder + "wav/";
    gFolders.SongFolder = gFolders.DataFolder + "mid/";
}

void EnsurePaths(bool force, const std::string& gameFolder) {
    if (force || gFolders.CommonDataFolder.empty()) SetPaths(gameFolder);
}

void InitialiseFolders(const std::u16string& caption) {
    try {
        EnsurePaths(false, std::string());
    } catch (const VekException& e) {
        ShowInfo(caption, Utf8ToUtf16(e.what()));
        gStartupFailed = true;
    }
}

void ClearPaths() {
    gFolders = TFolderSet{};
    gStartupFailed = false;
}
