#include "posix_single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace platform::posix {

namespace {

std::string ErrnoText(const std::string& what, const std::filesystem::path& path) {
    return what + " \"" + path.string() + "\": " + std::strerror(errno);
}

bool FillAddress(const std::filesystem::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

// A folder only this user can enter: anything else could let another user answer our
// signal or hold our lock.
bool IsPrivateFolder(const std::filesystem::path& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 0077) == 0;
}

}  // namespace

std::filesystem::path RuntimeFolder(std::string& failure) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/') {
        std::error_code error;
        if (std::filesystem::is_directory(runtime, error)) return runtime;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::filesystem::path base = (tmp != nullptr && tmp[0] == '/') ? tmp : "/tmp";
    std::filesystem::path dir = base / ("zorvik-" + std::to_string(geteuid()));
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        failure = ErrnoText("Cannot create the folder", dir);
        return {};
    }
    if (!IsPrivateFolder(dir)) {
        failure = "The folder \"" + dir.string() + "\" is not a private folder of this user.";
        return {};
    }
    return dir;
}

PosixSingleInstance::PosixSingleInstance(std::string name, std::filesystem::path runtimeDir)
    : FName(std::move(name)), FDir(std::move(runtimeDir)) {}

PosixSingleInstance::~PosixSingleInstance() {
    if (FListenFd >= 0) close(FListenFd);
    if (FOwnsSocket) unlink((FDir / (FName + ".sock")).c_str());
    // The lock file stays: removing it would let a copy that opened it a moment ago lock
    // an orphan while a newer copy locks a fresh file of the same name.
    if (FLockFd >= 0) close(FLockFd);
}

InstanceClaim PosixSingleInstance::Fail(std::string reason) {
    FFailure = std::move(reason);
    return InstanceClaim::Failed;
}

InstanceClaim PosixSingleInstance::Claim() {
    if (FDir.empty()) {
        std::string failure;
        FDir = RuntimeFolder(failure);
        if (FDir.empty()) return Fail(failure);
    }
    const std::filesystem::path lockPath = FDir / (FName + ".lock");
    FLockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (FLockFd < 0) return Fail(ErrnoText("Cannot open the lock file", lockPath));
    if (flock(FLockFd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) return Fail(ErrnoText("Cannot lock the file", lockPath));
        close(FLockFd);
        FLockFd = -1;
        SignalRunningCopy();
        return InstanceClaim::AlreadyRunning;
    }
    Listen();
    return InstanceClaim::First;
}

// Without a socket this copy still runs; later copies then end without raising it.
void PosixSingleInstance::Listen() {
    const std::filesystem::path socketPath = FDir / (FName + ".sock");
    sockaddr_un address;
    if (!FillAddress(socketPath, address)) return;
    // The lock is ours, so a socket file left there belongs to a copy that has gone.
    unlink(socketPath.c_str());
    FListenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (FListenFd < 0) return;
    if (bind(FListenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(FListenFd, 8) != 0) {
        close(FListenFd);
        FListenFd = -1;
        return;
    }
    FOwnsSocket = true;
}

bool PosixSingleInstance::SignalRunningCopy() const {
    sockaddr_un address;
    if (!FillAddress(FDir / (FName + ".sock"), address)) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FPatienceMs);
    for (;;) {
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const bool reached = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (reached) {
            // The connection itself is the request; the byte only makes it explicit.
            const char request = 'R';
            [[maybe_unused]] ssize_t written = send(fd, &request, 1, MSG_NOSIGNAL);
        }
        close(fd);
        if (reached) return true;
        // The running copy may hold the lock and not listen yet.
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

int PosixSingleInstance::HandlePending() {
    if (FListenFd < 0) return 0;
    int count = 0;
    for (;;) {
        int fd = accept4(FListenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) break;
        close(fd);
        ++count;
    }
    if (count > 0 && FRaise) FRaise();
    return count;
}

}  // namespace platform::posix
