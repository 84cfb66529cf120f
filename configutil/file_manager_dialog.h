#pragma once
// The logic of the configuration file manager dialog: what its controls show and what its
// buttons do. The window forwards every event here and then shows View() again.
#include <cstdint>
#include <string>
#include <vector>

#include "configutil/config_file_manager.h"

class TConfig;

namespace configutil {

struct TFileManagerView {
    std::vector<std::u16string> Items;  // the list box, always the manager's Items
    std::int32_t Selection = -1;        // selected list item, -1 for none
    std::u16string CurrentName;         // "Most recently loaded:"
    std::u16string Changed;             // "Yes" or "No"
    std::u16string NewNameProblem;      // why the typed name is refused, beside the field; empty when usable
    bool CanOpen = false, CanSaveToSelected = false, CanDelete = false, CanRename = false,
         CanSaveAsNew = false;
};

class TFileManagerDialog {
public:
    // Scans the game folder and binds to the settings window's configuration (borrowed).
    TFileManagerDialog(TConfig& config, bool lockOpen);
    // What closing the dialog does to the record: an unmodified one takes the last loaded name.
    ~TFileManagerDialog();
    TFileManagerDialog(const TFileManagerDialog&) = delete;
    TFileManagerDialog& operator=(const TFileManagerDialog&) = delete;

    const TFileManagerView& View() const { return FView; }
    const TConfigFileManager& Manager() const { return FManager; }

    void ListClick(std::int32_t index);
    void NewNameChange(const std::u16string& text);
    void OpenSelectedClick();
    void SaveToSelectedClick();
    void SaveAsNewClick();
    void RenameSelectedClick();
    void DeleteSelectedClick();

private:
    // Runs a handler; an error is shown in a message box, the dialog stays open, and the
    // controls are shown from the model whatever happened.
    template <typename Handler> void Run(Handler handler);
    void Bind(TConfig* config, bool lockOpen);
    void UpdateControls();

    TConfig& FConfig;
    TConfigFileManager FManager;
    TFileManagerView FView;
};

}  // namespace configutil
