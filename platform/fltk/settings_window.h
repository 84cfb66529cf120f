#pragma once
// The utility's main window: the six settings pages and the Close button.
#include "platform/single_instance.h"

namespace configutil {
class TSettingsWizard;
}

namespace platform::fltk {

// Shows the window for the wizard's record and runs until it closes. A raise request of a
// later copy (through `instance`) brings the window to the front.
void RunSettingsWindow(configutil::TSettingsWizard& wizard, SingleInstance& instance);

}  // namespace platform::fltk
