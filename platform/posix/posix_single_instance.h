#pragma once
// Single instance for Linux: an exclusive flock on "<name>.lock" decides which copy runs,
// and a Unix socket "<name>.sock" beside it carries a later copy's request to raise the
// window. Both live in $XDG_RUNTIME_DIR, or in a private folder under the temporary
// folder when the session has none.
#include <filesystem>
#include <functional>
#include <string>

#include "platform/single_instance.h"

namespace platform::posix {

class PosixSingleInstance : public SingleInstance {
public:
    // `name` is the program's own name ("qel", "zorvik"); `runtimeDir` overrides the folder
    // (tests); empty means the session's runtime folder.
    explicit PosixSingleInstance(std::string name, std::filesystem::path runtimeDir = {});
    ~PosixSingleInstance() override;
    PosixSingleInstance(const PosixSingleInstance&) = delete;
    PosixSingleInstance& operator=(const PosixSingleInstance&) = delete;

    InstanceClaim Claim() override;
    const std::string& FailureReason() const override { return FFailure; }
    void SetRaiseHandler(std::function<void()> handler) override { FRaise = std::move(handler); }
    int HandlePending() override;
    int WatchHandle() const override { return FListenFd; }

    // How long a later copy keeps trying to reach a first copy that holds the lock but
    // has not opened its socket yet.
    void SetSignalPatience(int milliseconds) { FPatienceMs = milliseconds; }

private:
    InstanceClaim Fail(std::string reason);
    void Listen();
    bool SignalRunningCopy() const;

    std::string FName;
    std::filesystem::path FDir;
    std::string FFailure;
    std::function<void()> FRaise;
    int FLockFd = -1;
    int FListenFd = -1;
    int FPatienceMs = 2000;
    bool FOwnsSocket = false;
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR when it names a folder, else
// "<tmp>/zorvik-<uid>" created private to the user. Empty when neither is usable.
std::filesystem::path RuntimeFolder(std::string& failure);

}  // namespace platform::posix
