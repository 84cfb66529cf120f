#pragma once
// The logic of the settings window: six pages of controls that write one configuration
// record as soon as they change. The window forwards every event here and shows View().
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TConfig;

namespace configutil {

struct TSettingsView {
    std::u16string Caption;
    bool GiftScreen = false;
    std::u16string GiftLabel;
    std::array<bool, 13> Tags{};  // by tag index
    std::vector<std::u16string> Names;  // sorted as the list box shows them
    std::int32_t NameSelection = -1;
    bool NameButtonsEnabled = false;  // "Edit selected name..." and "Delete selected name"
    bool DefaultList = true;          // "Use Default List", else "Use Custom List"
    std::vector<std::u16string> Printers;
    std::int32_t PrinterSelection = -1;
    bool UsePrinter = false;
    bool DefaultPrinter = true;       // "Use Default Printer", else "Use Selected Printer"
    bool PrinterControlsEnabled = false;
};

// Asks for a recipient name in the name dialog: caption, the text to start from (replaced
// by the answer); true for OK.
using TEditName = std::function<bool(const std::u16string& caption, std::u16string& name)>;

class TSettingsWizard {
public:
    // Borrows the record (its content changes, never its identity); `printers` is the
    // system's printer list in its stable order.
    TSettingsWizard(TConfig& config, std::vector<std::u16string> printers, TEditName editName);

    const TSettingsView& View() const { return FView; }
    TConfig& Config() { return FConfig; }

    // Loads "Default" (a missing or damaged file leaves the defaults, silently) and shows it.
    void Start();
    // Shows the record in every control: at start and after the file manager closes.
    void ShowConfig();

    void GiftScreenClick(bool checked);
    void GiftLabelChange(const std::u16string& text);
    void TagClick(int tag, bool checked);
    void SelectTagsClick(bool all);
    void NameListTypeClick(bool defaultList);
    void AddNameClick();
    void EditNameClick();
    void DeleteNameClick();
    void NamesClick(std::int32_t index);
    void UsePrinterClick(bool checked);
    void PrinterChoiceClick(bool defaultPrinter);
    void PrinterListClick(std::int32_t index);

    // Whether the window may close: unsaved changes are offered for saving first. A save
    // that failed keeps the window open so no edit is lost.
    bool CloseQuery();

private:
    void UpdatePrinterControls();
    void UpdateNameButtons();
    void InsertName(const std::u16string& name);

    TConfig& FConfig;
    TEditName FEditName;
    TSettingsView FView;
};

}  // namespace configutil
