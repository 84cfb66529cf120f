#include "in_process_single_instance.h"

#include <map>

namespace platform::headless {

namespace {
std::map<std::string, InProcessSingleInstance*>& Holders() {
    static std::map<std::string, InProcessSingleInstance*> holders;
    return holders;
}
}  // namespace

InProcessSingleInstance::~InProcessSingleInstance() {
    if (FHolds) Holders().erase(FName);
}

InstanceClaim InProcessSingleInstance::Claim() {
    if (!FFailure.empty()) return InstanceClaim::Failed;
    auto [slot, inserted] = Holders().try_emplace(FName, this);
    if (inserted) {
        FHolds = true;
        return InstanceClaim::First;
    }
    ++slot->second->FPending;
    return InstanceClaim::AlreadyRunning;
}

int InProcessSingleInstance::HandlePending() {
    const int count = FPending;
    FPending = 0;
    if (count > 0 && FRaise) FRaise();
    return count;
}

}  // namespace platform::headless
