#pragma once
// Headless single instance: copies are objects of one test process. A name is held by the
// first object that claims it until that object is destroyed; a later claim counts a raise
// request for the holder, delivered by the holder's HandlePending.
#include <functional>
#include <string>

#include "platform/single_instance.h"

namespace platform::headless {

class InProcessSingleInstance : public SingleInstance {
public:
    explicit InProcessSingleInstance(std::string name) : FName(std::move(name)) {}
    ~InProcessSingleInstance() override;
    InProcessSingleInstance(const InProcessSingleInstance&) = delete;
    InProcessSingleInstance& operator=(const InProcessSingleInstance&) = delete;

    InstanceClaim Claim() override;
    const std::string& FailureReason() const override { return FFailure; }
    void SetRaiseHandler(std::function<void()> handler) override { FRaise = std::move(handler); }
    int HandlePending() override;
    int WatchHandle() const override { return -1; }

    // Makes the next Claim fail with this reason, as a broken runtime folder would.
    void FailNextClaim(std::string reason) { FFailure = std::move(reason); }

private:
    std::string FName;
    std::string FFailure;
    std::function<void()> FRaise;
    int FPending = 0;
    bool FHolds = false;
};

}  // namespace platform::headless
