// The parents' configuration utility: one window of settings pages for one child's
// configuration, with a file manager for the configurations of every child.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "configutil/settings_wizard.h"
#include "configutil/utility_start.h"
#include "configutil/utility_texts.h"
#include "foundation/config.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "platform/cups/cups_printers.h"
#include "platform/fltk/fltk_display.h"
#include "platform/fltk/fltk_message_boxes.h"
#include "platform/fltk/name_dialog_window.h"
#include "platform/fltk/settings_window.h"
#include "platform/posix/key_store.h"
#include "platform/posix/known_folders.h"
#include "platform/posix/posix_single_instance.h"
#include "platform/printers.h"

namespace {

std::vector<std::u16string> PrinterNames() {
    std::vector<std::u16string> names;
    for (const platform::PrinterInfo& printer : platform::PrinterList()) names.push_back(Utf8ToUtf16(printer.Name));
    return names;
}

}  // namespace

int main() {
    // Before anything that could want a message box: without a display none can show.
    if (!platform::fltk::OpenDisplay()) {
        std::fprintf(stderr, "%s: %s\n", Utf16ToUtf8(configutil::kApplicationTitle).c_str(),
                     Utf16ToUtf8(configutil::kNoDisplay).c_str());
        return 1;
    }
    platform::fltk::FltkMessageBoxes messageBoxes;
    platform::posix::PosixKnownFolders knownFolders;
    platform::posix::PosixKeyStore keyStore;
    platform::cups::CupsPrinters printers;
    platform::InstallMessageBoxes(&messageBoxes);
    platform::InstallKnownFolders(&knownFolders);
    platform::InstallKeyStore(&keyStore);
    platform::InstallPrinters(&printers);

    InitialiseFolders(configutil::kApplicationTitle);
    if (StartupFailed()) return 1;

    platform::posix::PosixSingleInstance instance("qel");
    if (!configutil::ClaimSingleInstance(instance)) return instance.FailureReason().empty() ? 0 : 1;

    using configutil::kApplicationTitle;
    try {
        TConfig config;
        configutil::TSettingsWizard wizard(config, PrinterNames(), platform::fltk::EditNameDialog);
        try {
            wizard.Start();
        } catch (const std::exception& error) {
            ShowInfo(kApplicationTitle, kApplicationTitle + configutil::kStartupProblem + Utf8ToUtf16(error.what()));
            return 1;
        }
        platform::fltk::RunSettingsWindow(wizard, instance);
    } catch (const std::exception& error) {
        ShowInfo(kApplicationTitle, Utf8ToUtf16(error.what()));
        return 1;
    }
    ClearPaths();
    return 0;
}
