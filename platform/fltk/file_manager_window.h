#pragma once
// The configuration file manager dialog, shown modally over the settings window.
class TConfig;

namespace platform::fltk {

// Lists the configurations of the game folder for `config` and lets the parent open, save,
// rename and delete them; returns when the dialog closes. With `lockOpen` the dialog
// offers no opening.
void ManageConfigFiles(TConfig& config, bool lockOpen);

}  // namespace platform::fltk
