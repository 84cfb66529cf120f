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
    // Index of the item that is the same configuration as `name` (SameConfigName), or -1.
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

    // Deletes the configuration file, then its launchers (in any letter case), and drops the
    // name from Items. A file that cannot be deleted raises VekException and changes nothing.
    void DeleteConfig(const std::u16string& name);
    // Moves the file and the saved game (when the new name has none), writes the launcher of
    // the new name and removes those of the old one, and updates Items and the
    // configuration's name. A refused or failed move of the file shows "Unable to rename..."
    // with the cause and changes nothing; false then. A launcher failure raises VekException
    // after the rename.
    bool RenameConfig(const std::u16string& oldName, const std::u16string& newName, TConfig& config);
    // Saves the configuration under `name` and makes sure it has its launcher, written anew
    // when `freshLauncher`. False when the save failed (the configuration reported it); a
    // launcher failure raises VekException after the list already shows the saved file.
    bool SaveConfigAs(const std::u16string& name, TConfig& config, bool freshLauncher = false);
    // Unless the name is "Default": keeps its one launcher (renamed to the rule's file name
    // when an older one differs in case), or writes one when it has none or `fresh` is set.
    // VekException "Unable to create desktop shortcut for configuration ..." with the cause
    // when writing fails; a warning box when the game program is not there to start.
    void EnsureShortcut(const std::u16string& name, bool fresh = false);

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
