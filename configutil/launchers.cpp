#include "launchers.h"

#include <algorithm>
#include <system_error>

#include "configutil/utility_texts.h"
#include "foundation/common.h"
#include "foundation/config.h"
#include "foundation/config_name.h"
#include "foundation/file_lookup.h"
#include "foundation/folders.h"
#include "foundation/text.h"
#include "platform/posix/desktop_entry.h"

namespace fs = std::filesystem;

namespace configutil {

namespace {
constexpr char kGameProgram[] = "zorvik";
// The icon the content build makes from the game's title picture, installed into the
// user's icon theme folder by the play script.
constexpr char kGameIcon[] = "zorvik";

std::string LauncherFileName(std::u16string_view name) {
    return "Zorvik for " + Utf16ToUtf8(ConfigStem(name)) + ".desktop";
}
}  // namespace

fs::path GameProgramPath() { return fs::path(Folders().ProgramFolder) / kGameProgram; }

bool GameProgramExists(const fs::path& program) {
    std::error_code error;
    const fs::file_status status = fs::status(program, error);
    return !error && fs::is_regular_file(status) &&
           (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) !=
               fs::perms::none;
}

fs::path ShortcutPath(std::u16string_view name) {
    const std::string& desktop = Folders().DesktopFolder;
    if (desktop.empty() || !IsValidConfigName(name)) return {};
    return fs::path(desktop) / LauncherFileName(name);
}

std::vector<fs::path> FindShortcuts(std::u16string_view name) {
    std::vector<fs::path> found;
    const fs::path rulePath = ShortcutPath(name);
    if (rulePath.empty()) return found;
    const std::string wanted = FoldFileNameCase(rulePath.filename().string());
    std::error_code error;
    for (fs::directory_iterator it(rulePath.parent_path(), error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        if (FoldFileNameCase(it->path().filename().string()) == wanted) found.push_back(it->path());
    }
    // The rule's file first, the others in name order so the one kept is always the same.
    std::sort(found.begin(), found.end(), [&](const fs::path& a, const fs::path& b) {
        if ((a == rulePath) != (b == rulePath)) return a == rulePath;
        return a < b;
    });
    return found;
}

bool ShortcutExists(std::u16string_view name) {
    if (SameTrimmedText(name, u"default")) return true;
    return !FindShortcuts(name).empty();
}

bool CreateDesktopShortcut(std::u16string_view name, const fs::path& program, std::string* failure) {
    std::string reason;
    const fs::path path = ShortcutPath(name);
    bool written = false;
    if (Folders().DesktopFolder.empty()) {
        reason = "there is no desktop folder";
    } else if (path.empty()) {
        reason = "\"" + Utf16ToUtf8(TrimConfigName(name)) + "\" cannot be the name of a configuration";
    } else {
        const std::u16string stem = ConfigStem(name);
        platform::posix::DesktopLauncher launcher;
        launcher.Name = path.stem().string();
        launcher.Comment = Utf16ToUtf8(LauncherComment(stem));
        launcher.Icon = kGameIcon;
        launcher.Categories = {"Game", "KidsGame"};
        launcher.StartupWMClass = kGameProgram;
        launcher.Program = program;
        launcher.Arguments = {Utf16ToUtf8(stem)};
        launcher.WorkingFolder = program.parent_path();
        written = platform::posix::WriteDesktopLauncher(path, launcher, reason);
    }
    if (!written) {
        if (failure != nullptr) *failure = reason;
        return false;
    }
    // One launcher per configuration: those an earlier version left in another case go.
    for (const fs::path& other : FindShortcuts(name)) {
        std::error_code ignored;
        if (other != path) fs::remove(other, ignored);
    }
    return true;
}

bool TidyShortcuts(std::u16string_view name) {
    const std::vector<fs::path> found = FindShortcuts(name);
    if (found.empty()) return false;
    const fs::path rulePath = ShortcutPath(name);
    std::error_code error;
    if (found.front() != rulePath) fs::rename(found.front(), rulePath, error);
    if (error) return true;  // the old file still starts the configuration: better than none
    for (std::size_t i = 1; i < found.size(); ++i) fs::remove(found[i], error);
    return true;
}

void DeleteShortcuts(std::u16string_view name) {
    for (const fs::path& launcher : FindShortcuts(name)) {
        std::error_code ignored;
        fs::remove(launcher, ignored);
    }
}

fs::path SavedGamePath(std::u16string_view name) { return TConfig::SavedGamePath(name); }

}  // namespace configutil
