#include "file_manager_dialog.h"

#include <exception>

#include "configutil/utility_texts.h"
#include "foundation/common.h"
#include "foundation/config.h"
#include "foundation/config_name.h"
#include "foundation/messages.h"
#include "foundation/text.h"

namespace configutil {

TFileManagerDialog::TFileManagerDialog(TConfig& config, bool lockOpen) : FConfig(config) {
    Run([&] { Bind(&config, lockOpen); });
}

TFileManagerDialog::~TFileManagerDialog() {
    if (!FConfig.IsModified()) FConfig.Name = FManager.LastLoaded;
}

template <typename Handler> void TFileManagerDialog::Run(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowInfo(kApplicationTitle, Utf8ToUtf16(error.what()));
    }
    FManager.TakeListChanged();
    UpdateControls();
}

void TFileManagerDialog::Bind(TConfig* config, bool lockOpen) {
    if (config != nullptr) FManager.LastLoaded = config->Name;
    if (lockOpen) FManager.OpenLocked = true;
    // A name that is not listed (its file was deleted) leaves nothing selected.
    const std::int32_t index = FManager.IndexOf(FConfig.Name);
    if (index >= 0)
        FManager.SelectIndex(index);
    else
        FManager.Selection = -1;
    FManager.Modified = FConfig.IsModified();
    FManager.SelectedName = FConfig.Name;
}

void TFileManagerDialog::UpdateControls() {
    FView.Items = FManager.Items;
    FView.Selection = FManager.Selection;
    FView.CurrentName = FManager.LastLoaded;
    FView.Changed = Utf8ToUtf16(WordFor(NoYesWords, FConfig.IsModified()));
    FView.CanOpen = FManager.CanOpen();
    FView.CanSaveToSelected = FManager.CanSaveToSelected();
    FView.CanDelete = FManager.CanDelete();
    FView.CanRename = FManager.CanRename();
    FView.CanSaveAsNew = FManager.CanSaveAsNew();
    FView.NewNameProblem = NameProblemText(ConfigNameProblem(FManager.NewNameText));
}

void TFileManagerDialog::ListClick(std::int32_t index) {
    Run([&] {
        if (index < 0)
            FManager.Selection = -1;
        else
            FManager.SelectIndex(index);
    });
}

void TFileManagerDialog::NewNameChange(const std::u16string& text) {
    Run([&] { FManager.NewNameText = text; });
}

void TFileManagerDialog::OpenSelectedClick() {
    Run([&] {
        if (!FManager.CanOpen()) return;
        const std::u16string name = FManager.SelectedName;
        if (FConfig.IsModified() &&
            !AskYesNo(u"Open Configuration",
                      u"The changes you have made to the loaded configuration will be lost. Continue loading \"" +
                          name + u"\"?"))
            return;
        const bool loaded = FConfig.LoadFromFile(name);
        FManager.LastLoaded = FConfig.Name;
        Bind(nullptr, false);
        if (!loaded)
            ShowInfo(u"Open Configuration", u"The configuration \"" + name +
                                                u"\" could not be read completely. Its file is probably invalid.\n\n" +
                                                Utf8ToUtf16(TConfig::ConfigPath(name)));
    });
}

void TFileManagerDialog::SaveToSelectedClick() {
    Run([&] {
        if (!FManager.CanSaveToSelected()) return;
        FManager.SaveConfigAs(FManager.SelectedName, FConfig);
        Bind(nullptr, false);
    });
}

void TFileManagerDialog::SaveAsNewClick() {
    Run([&] {
        if (!FManager.CanSaveAsNew()) return;
        // Bind whatever happened to the launcher: the list already shows the saved file.
        struct Rebind {
            TFileManagerDialog& Dialog;
            ~Rebind() { Dialog.Bind(nullptr, false); }
        } rebind{*this};
        FManager.SaveConfigAs(FManager.GetNewName(), FConfig, true);
    });
}

void TFileManagerDialog::RenameSelectedClick() {
    Run([&] {
        if (!FManager.CanRename()) return;
        struct Rebind {
            TFileManagerDialog& Dialog;
            ~Rebind() { Dialog.Bind(nullptr, false); }
        } rebind{*this};
        FManager.RenameConfig(FManager.SelectedName, FManager.GetNewName(), FConfig);
    });
}

void TFileManagerDialog::DeleteSelectedClick() {
    Run([&] {
        if (!FManager.CanDelete()) return;
        const std::u16string name = FManager.SelectedName;
        if (!AskYesNo(u"Configuration Manager - Confirm Deletion",
                      u"Do you really wish to delete the configuration named \"" + name + u"\"?"))
            return;
        // The item after the deleted one keeps the selection, or the one before the last.
        const std::int32_t index = FManager.IndexOf(name);
        const auto& items = FManager.Items;
        const std::int32_t count = static_cast<std::int32_t>(items.size());
        std::u16string next;
        if (index >= 0 && count > 1)
            next = items[static_cast<std::size_t>(index + 1 < count ? index + 1 : index - 1)];
        FManager.DeleteConfig(name);
        const std::int32_t nextIndex = FManager.IndexOf(next);
        if (nextIndex >= 0) FManager.SelectIndex(nextIndex);
    });
}

}  // namespace configutil
