#include "config_file_manager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "configutil/launchers.h"
#include "configutil/utility_texts.h"
#include "foundation/common.h"
#include "foundation/config.h"
#include "foundation/config_name.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"

namespace fs = std::filesystem;

namespace configutil {

namespace {

const std::u16string kDefaultName = u"Default";

bool IsDefaultName(std::u16string_view name) { return SameTrimmedText(name, kDefaultName); }

// The order of a list that ignores letter case, as the list box shows it.
bool SortsBefore(const std::u16string& a, const std::u16string& b) { return LowerAscii(a) < LowerAscii(b); }

bool HasQelExtension(const fs::path& file) { return LowerAscii(file.extension().string()) == ".qel"; }

std::u16string Quoted(std::u16string_view name) { return u"\"" + std::u16string(name) + u"\""; }

// The usual words, then the name, the cause, and that nothing but the launcher is missing.
std::string LauncherFailure(std::u16string_view name, const std::string& cause, const char* done) {
    return "Unable to create desktop shortcut for configuration \"" + Utf16ToUtf8(ConfigStem(name)) + "\": " +
           cause + ". The configuration itself was " + done + ".";
}

// A launcher is written even when the game is not where it points (it may be installed
// later), but the parent is told, or the child would find a launcher that does nothing.
void WarnWhenGameIsMissing(std::u16string_view name) {
    const fs::path program = GameProgramPath();
    if (GameProgramExists(program)) return;
    ShowInfo(u"Desktop Shortcut", u"The desktop shortcut \"Zorvik for " + ConfigStem(name) +
                                      u"\" starts the game program \"" + Utf8ToUtf16(program.string()) +
                                      u"\", which does not exist or cannot be run. The shortcut will not start "
                                      u"the game until the game is installed there.");
}

}  // namespace

TConfigFileManager::TConfigFileManager() { ScanConfigFiles(); }

void TConfigFileManager::ScanConfigFiles() {
    Items.clear();
    std::error_code error;
    for (fs::directory_iterator it(Folders().GameFolder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || !HasQelExtension(it->path())) continue;
        const std::u16string stem = CapitaliseFirst(Utf8ToUtf16(it->path().stem().string()));
        if (TConfig::ConfigExists(stem)) AddItem(stem);
    }
    if (IndexOf(kDefaultName) < 0) AddItem(kDefaultName);
}

bool TConfigFileManager::AddItem(const std::u16string& name) {
    if (IndexOf(name) >= 0) return false;
    Items.insert(std::upper_bound(Items.begin(), Items.end(), name, SortsBefore), name);
    return true;
}

bool TConfigFileManager::RemoveItem(std::u16string_view name) {
    const std::int32_t index = IndexOf(name);
    if (index < 0) return false;
    Items.erase(Items.begin() + index);
    return true;
}

std::int32_t TConfigFileManager::IndexOf(std::u16string_view name) const {
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (SameConfigName(Items[i], name)) return static_cast<std::int32_t>(i);
    return -1;
}

void TConfigFileManager::SelectIndex(std::int32_t i) {
    if (i < 0 || i >= static_cast<std::int32_t>(Items.size()))
        throw VekException("Error FM400 (invalid config list argument)");
    Selection = i;
    SelectedName = TrimBlanks(Items[static_cast<std::size_t>(i)]);
}

std::u16string TConfigFileManager::GetSelectedName() const {
    return IsSelected() ? Items[static_cast<std::size_t>(Selection)] : std::u16string();
}

std::u16string TConfigFileManager::GetNewName() const { return TrimBlanks(NewNameText); }

bool TConfigFileManager::TakeListChanged() {
    const bool changed = ListChanged;
    ListChanged = false;
    return changed;
}

bool TConfigFileManager::CanOpen() const {
    if (!IsSelected() || OpenLocked) return false;
    const std::u16string selected = GetSelectedName();
    return (!SameConfigName(selected, LastLoaded) || Modified) && TConfig::ConfigExists(selected);
}

bool TConfigFileManager::CanSaveToSelected() const {
    if (!IsSelected()) return false;
    return !(SameConfigName(GetSelectedName(), LastLoaded) && !Modified);
}

bool TConfigFileManager::CanDelete() const {
    if (!IsSelected()) return false;
    const std::u16string selected = GetSelectedName();
    return !IsDefaultName(selected) && TConfig::ConfigExists(selected);
}

bool TConfigFileManager::CanRename() const {
    if (!IsSelected()) return false;
    const std::u16string selected = GetSelectedName();
    const std::u16string newName = GetNewName();
    return !IsDefaultName(selected) && IsValidConfigName(newName) && IndexOf(newName) < 0 &&
           TConfig::ConfigExists(selected);
}

bool TConfigFileManager::CanSaveAsNew() const {
    if (!IsSelected()) return false;
    const std::u16string newName = GetNewName();
    return IsValidConfigName(newName) && !IsDefaultName(newName) && IndexOf(newName) < 0;
}

void TConfigFileManager::DeleteConfig(const std::u16string& name) {
    if (TConfig::ConfigExists(name)) {
        std::error_code error;
        fs::remove(TConfig::ConfigPath(name), error);
        if (error)
            throw VekException("Unable to delete the configuration file \"" + TConfig::ConfigPath(name) +
                               "\": " + error.message());
    }
    // Every launcher of the name goes, whatever its letter case: one left behind would start
    // the game with a configuration that no longer exists, that is with "Default". One that
    // cannot be removed is left: the configuration itself is gone.
    if (!IsDefaultName(name)) DeleteShortcuts(name);
    if (RemoveItem(name)) ListChanged = true;
}

bool TConfigFileManager::RenameConfig(const std::u16string& oldName, const std::u16string& newName,
                                      TConfig& config) {
    const auto refuse = [&](const std::string& cause) {
        ShowInfo(u"Rename Configuration", u"Unable to rename configuration from " + Quoted(oldName) + u" to " +
                                              Quoted(newName + u".") + u"\n\n" + Utf8ToUtf16(cause));
        return false;
    };
    if (IsDefaultName(oldName)) return refuse("\"Default\" keeps its name.");
    if (const TConfigNameProblem problem = ConfigNameProblem(newName); problem != TConfigNameProblem::None) {
        const std::u16string why = NameProblemText(problem);
        return refuse(why.empty() ? "The new name is empty." : Utf16ToUtf8(why));
    }
    if (!TConfig::ConfigExists(oldName)) return refuse("The file \"" + TConfig::ConfigPath(oldName) + "\" does not exist.");
    if (TConfig::ConfigExists(newName))
        return refuse("The file \"" + TConfig::ConfigPath(newName) + "\" already exists.");

    // The new file's path: ConfigPath of a name without a file is where it would be written.
    const std::string from = TConfig::ConfigPath(oldName);
    const std::string to = TConfig::ConfigPath(newName);
    std::error_code error;
    fs::rename(from, to, error);
    if (error) return refuse("\"" + from + "\" -> \"" + to + "\": " + error.message());

    if (RemoveItem(oldName)) ListChanged = true;
    if (AddItem(ConfigStem(newName))) ListChanged = true;
    // The record names the configuration whatever case it was typed in: a record left with
    // the old name would write a new file of that name at its next save.
    if (SameConfigName(config.Name, oldName)) {
        // A rename alone is no edit: the record stays unmodified when it was.
        const bool wasModified = config.IsModified();
        config.Name = newName;
        if (!wasModified) config.TakeSnapshot();
        LastLoaded = newName;
    }

    // The child keeps the saved game, unless one already waits under the new name.
    const fs::path oldGame = SavedGamePath(oldName);
    const fs::path newGame = SavedGamePath(newName);
    if (!oldGame.empty() && !newGame.empty() && fs::exists(oldGame, error) && !fs::exists(newGame, error)) {
        fs::rename(oldGame, newGame, error);
        if (error)
            throw VekException("Unable to move the saved game \"" + oldGame.string() + "\" to \"" +
                               newGame.string() + "\": " + error.message());
    }

    // The launcher is written anew, since its argument names the configuration; the old
    // one goes even when that fails, as it would start the game with "Default".
    std::string failure;
    const bool written = CreateDesktopShortcut(newName, GameProgramPath(), &failure);
    DeleteShortcuts(oldName);
    if (!written) throw VekException(LauncherFailure(newName, failure, "renamed"));
    WarnWhenGameIsMissing(newName);
    return true;
}

bool TConfigFileManager::SaveConfigAs(const std::u16string& name, TConfig& config, bool freshLauncher) {
    if (!config.SaveToFile(name)) return false;
    SelectedName = config.Name;
    Modified = config.IsModified();
    if (AddItem(ConfigStem(name))) {
        ListChanged = true;
        Selection = -1;
    }
    LastLoaded = config.Name;
    EnsureShortcut(name, freshLauncher);
    return true;
}

void TConfigFileManager::EnsureShortcut(const std::u16string& name, bool fresh) {
    if (IsDefaultName(name)) return;
    if (!fresh && TidyShortcuts(name)) return;
    std::string failure;
    if (!CreateDesktopShortcut(name, GameProgramPath(), &failure))
        throw VekException(LauncherFailure(name, failure, "saved"));
    WarnWhenGameIsMissing(name);
}

}  // namespace configutil
