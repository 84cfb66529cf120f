#include "utility_start.h"

#include "configutil/utility_texts.h"
#include "foundation/messages.h"
#include "foundation/text.h"

namespace configutil {

bool ClaimSingleInstance(platform::SingleInstance& instance) {
    switch (instance.Claim()) {
        case platform::InstanceClaim::First: return true;
        case platform::InstanceClaim::AlreadyRunning: return false;
        case platform::InstanceClaim::Failed: break;
    }
    ShowInfo(kApplicationTitle, kApplicationTitle + u" cannot make sure that only one copy of it runs: " +
                                    Utf8ToUtf16(instance.FailureReason()));
    return false;
}

}  // namespace configutil
