#pragma once
// Keeps a program to one running copy per user. The first copy claims the program's name;
// a later copy that finds it taken asks the running one to come to the front and ends.
// The service is named per program, so the game and the utility each keep their own.
#include <functional>
#include <string>

namespace platform {

enum class InstanceClaim {
    First,           // this copy is the one that runs
    AlreadyRunning,  // another copy runs and has been asked to raise its window
    Failed           // neither could be decided; the reason is in FailureReason()
};

class SingleInstance {
public:
    virtual ~SingleInstance() = default;

    // Decides whether this copy runs. Called once, before any window exists.
    virtual InstanceClaim Claim() = 0;
    virtual const std::string& FailureReason() const = 0;

    // The running copy's answer to a later copy: called from HandlePending on the GUI thread.
    virtual void SetRaiseHandler(std::function<void()> handler) = 0;
    // Delivers the raise requests that arrived since the last call; returns how many.
    virtual int HandlePending() = 0;
    // A descriptor that turns readable when a request waits, for toolkits that watch
    // descriptors; -1 when requests arrive otherwise (then poll HandlePending).
    virtual int WatchHandle() const = 0;
};

}  // namespace platform
