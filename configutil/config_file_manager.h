#pragma once
// The file manager's model: the configuration names found in the game folder, the
// selection, and the operations on configuration files, launchers and saved games.
// Headless; the dialog only shows its state and forwards clicks.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TConfig;

namespace configutil {

class TConfigFileManager {
public:
    // Scans the game folder.
    TConfigFileManager();

    // Items := the stems of the game folder's ".qel" files with a capital first letter,
    // each once, sorted regardless of letter case, plus "Default" when missing.
    void ScanConfigFiles();

    // Selects item i; any other index raises VekException "Error FM400 (invalid config list
    // argument)".
    void SelectIndex(std::int32_t i);
    // Index of the item equal to `name` regardless of letter case and blanks, or -1.
    std::int32_t IndexOf(std::u16string_view name) const;
    std::u16string GetSelectedName() const;
    std::u16string GetNewName() const;
    bool TakeListChanged();
    const std::vector<std::u16string>& GetItems() const { return Items; }

    bool CanOpen() const;
    bool CanSaveToSelected() const;
    bool CanDelete() const;
    bool CanRename() const;
    bool CanSaveAsNew() const;

    // Deletes the configuration file, then its launcher, and drops the name from Items.
    // A file that cannot be deleted raises VekException and changes nothing.
    void DeleteConfig(const std::u16string& name);
    // Moves the file, the saved game (when the new name has none) and the launcher (rewritten
    // for the new name) and updates Items and the configuration's name. A refused or failed
    // move of the file shows "Unable to rename..." and changes nothing; false then.
    bool RenameConfig(const std::u16string& oldName, const std::u16string& newName, TConfig& config);
    // Saves the configuration under `name` and makes sure it has a launcher. False when the
    // save failed (the configuration reported it); a launcher failure raises VekException
    // after the list already shows the saved file.
    bool SaveConfigAs(const std::u16string& name, TConfig& config);
    // Unless the name is "Default" or has a launcher, writes one; VekException "Unable to
    // create desktop shortcut for configuration" when that fails.
    void EnsureShortcut(const std::u16string& name);

    std::vector<std::u16string> Items;
    std::int32_t Selection = -1;
    std::u16string LastLoaded;
    std::u16string SelectedName;
    std::u16string NewNameText;
    bool OpenLocked = false;
    bool ListChanged = false;
    bool Modified = false;

private:
    bool IsSelected() const { return Selection >= 0 && Selection < static_cast<std::int32_t>(Items.size()); }
    // Inserts at the sorted place unless the list holds the name; true when inserted.
    bool AddItem(const std::u16string& name);
    bool RemoveItem(std::u16string_view name);
};

}  // namespace configutil
