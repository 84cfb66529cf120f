#include "settings_wizard.h"

#include <algorithm>

#include "configutil/utility_texts.h"
#include "foundation/common.h"
#include "foundation/config.h"
#include "foundation/messages.h"
#include "foundation/text.h"

namespace configutil {

namespace {
bool SortsBefore(const std::u16string& a, const std::u16string& b) { return LowerAscii(a) < LowerAscii(b); }

// The caption shows only the file-name part of the name, as a path-like name could hold more.
std::u16string CaptionName(const std::u16string& name) {
    const std::size_t slash = name.find_last_of(u'\\');
    return CapitaliseFirst(slash == std::u16string::npos ? name : name.substr(slash + 1));
}
}  // namespace

TSettingsWizard::TSettingsWizard(TConfig& config, std::vector<std::u16string> printers, TEditName editName)
    : FConfig(config), FEditName(std::move(editName)) {
    FView.Printers = std::move(printers);
}

void TSettingsWizard::Start() {
    // Without a file the defaults are what "Default" holds: nothing to offer for saving.
    if (!FConfig.LoadFromFile(u"Default") && !TConfig::ConfigExists(u"Default")) FConfig.TakeSnapshot();
    ShowConfig();
}

void TSettingsWizard::ShowConfig() {
    FView.GiftScreen = FConfig.BeginWithGiftScreen;
    FView.GiftLabel = FConfig.GiftLabel;
    FView.DefaultList = FConfig.UseDefaultList;
    FView.UsePrinter = FConfig.AllowPrinterUse;
    FView.DefaultPrinter = FConfig.GetUseDefaultPrinter();
    FView.PrinterSelection = Clamp(FConfig.PrinterIndex, -1, static_cast<std::int32_t>(FView.Printers.size()) - 1);
    for (int i = 0; i < TConfig::kTagCount; ++i) FView.Tags[static_cast<std::size_t>(i)] = FConfig.GetTag(i);
    FView.Names = FConfig.GetNames();
    std::stable_sort(FView.Names.begin(), FView.Names.end(), SortsBefore);
    FView.NameSelection = -1;
    FView.Caption = kCaptionPrefix + CaptionName(FConfig.Name);
    UpdatePrinterControls();
    UpdateNameButtons();
}

void TSettingsWizard::UpdatePrinterControls() { FView.PrinterControlsEnabled = FConfig.PrinterAvailable; }

void TSettingsWizard::UpdateNameButtons() {
    FView.NameButtonsEnabled =
        FView.NameSelection >= 0 && FView.NameSelection < static_cast<std::int32_t>(FView.Names.size());
}

void TSettingsWizard::GiftScreenClick(bool checked) {
    FConfig.BeginWithGiftScreen = checked;
    FView.GiftScreen = checked;
    UpdatePrinterControls();
}

void TSettingsWizard::GiftLabelChange(const std::u16string& text) {
    FConfig.GiftLabel = text;
    FView.GiftLabel = text;
    UpdatePrinterControls();
}

void TSettingsWizard::TagClick(int tag, bool checked) {
    FConfig.SetTag(tag, checked);
    FView.Tags[static_cast<std::size_t>(tag)] = checked;
    UpdatePrinterControls();
}

void TSettingsWizard::SelectTagsClick(bool all) {
    FView.Tags.fill(all);
    std::uint16_t set = 0;
    for (std::size_t i = 0; i < FView.Tags.size(); ++i)
        if (FView.Tags[i]) set = static_cast<std::uint16_t>(set | (1u << i));
    FConfig.SetTagSet(set);
}

void TSettingsWizard::NameListTypeClick(bool defaultList) {
    FConfig.UseDefaultList = defaultList;
    FView.DefaultList = defaultList;
}

void TSettingsWizard::InsertName(const std::u16string& name) {
    const auto place = std::upper_bound(FView.Names.begin(), FView.Names.end(), name, SortsBefore);
    FView.NameSelection = static_cast<std::int32_t>(place - FView.Names.begin());
    FView.Names.insert(place, name);
    FConfig.SetNames(FView.Names);
}

void TSettingsWizard::AddNameClick() {
    std::u16string name;
    if (FEditName && FEditName(u"Add Name", name)) InsertName(name);
    UpdateNameButtons();
}

void TSettingsWizard::EditNameClick() {
    if (!FView.NameButtonsEnabled) return;
    const auto selected = FView.Names.begin() + FView.NameSelection;
    std::u16string name = *selected;
    if (FEditName && FEditName(u"Edit Name", name)) {
        FView.Names.erase(selected);
        InsertName(name);
    }
    UpdateNameButtons();
}

void TSettingsWizard::DeleteNameClick() {
    if (!FView.NameButtonsEnabled) return;
    const std::int32_t index = FView.NameSelection;
    FView.Names.erase(FView.Names.begin() + index);
    FConfig.SetNames(FView.Names);
    const auto count = static_cast<std::int32_t>(FView.Names.size());
    FView.NameSelection = index < count ? index : count - 1;
    UpdateNameButtons();
}

void TSettingsWizard::NamesClick(std::int32_t index) {
    FView.NameSelection = index < static_cast<std::int32_t>(FView.Names.size()) ? index : -1;
    UpdateNameButtons();
}

void TSettingsWizard::UsePrinterClick(bool checked) {
    FConfig.SetAllowPrinter(checked);
    FView.UsePrinter = FConfig.AllowPrinterUse;
    UpdatePrinterControls();
}

void TSettingsWizard::PrinterChoiceClick(bool defaultPrinter) {
    FConfig.UseDefaultPrinter = defaultPrinter;
    FView.DefaultPrinter = FConfig.GetUseDefaultPrinter();
    UpdatePrinterControls();
}

void TSettingsWizard::PrinterListClick(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(FView.Printers.size())) return;
    FConfig.PrinterIndex = index;
    FView.PrinterSelection = index;
    PrinterChoiceClick(false);
}

bool TSettingsWizard::CloseQuery() {
    if (!FConfig.IsModified()) return true;
    switch (AskYesNoCancel(u"Closing Config Utility", u"Save changes to config \"" + FConfig.Name + u"\"?")) {
        case 2: return FConfig.SaveToFile(FConfig.Name);
        case 1: return true;
        default: return false;
    }
}

}  // namespace configutil
