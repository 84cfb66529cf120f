#include "launchers.h"

#include <system_error>

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
}

fs::path GameProgramPath() { return fs::path(Folders().ProgramFolder) / kGameProgram; }

fs::path ShortcutPath(std::u16string_view name) {
    const std::string& desktop = Folders().DesktopFolder;
    if (desktop.empty() || !IsValidConfigName(name)) return {};
    return fs::path(desktop) / ("Zorvik for " + Utf16ToUtf8(TrimConfigName(name)) + ".desktop");
}

bool ShortcutExists(std::u16string_view name) {
    if (SameTrimmedText(name, u"default")) return true;
    const fs::path path = ShortcutPath(name);
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

bool CreateDesktopShortcut(std::u16string_view name, const fs::path& program) {
    const fs::path path = ShortcutPath(name);
    if (path.empty()) return false;
    platform::posix::DesktopLauncher launcher;
    launcher.Name = path.stem().string();
    launcher.Program = program;
    launcher.Arguments = {Utf16ToUtf8(TrimConfigName(name))};
    launcher.WorkingFolder = program.parent_path();
    return platform::posix::WriteDesktopLauncher(path, launcher);
}

fs::path SavedGamePath(std::u16string_view name) { return TConfig::SavedGamePath(name); }

}  // namespace configutil
