#pragma once
// Decisions of the utility's start that need no window: one running copy per user.
#include "platform/single_instance.h"

namespace configutil {

// True when this copy is to run. A copy that finds another running has asked it to come to
// the front and does not run; a lock that cannot be taken for another reason is reported
// in a message box (and this copy does not run either).
bool ClaimSingleInstance(platform::SingleInstance& instance);

}  // namespace configutil
