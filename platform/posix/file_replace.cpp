// Replacing a file's contents through a temporary file: write, fsync, rename, fsync the
// folder. The temporary file sits in the target's folder so the rename never crosses file
// systems and is atomic.
#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <signal.h>
#include <string_view>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {
std::string Reason(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

std::atomic<ReplaceStep> gFailingStep{ReplaceStep::None};

// True when the test seam makes this step fail; errno says what a full disk would.
bool Injected(ReplaceStep step) {
    if (gFailingStep.load() != step) return false;
    errno = step == ReplaceStep::Create ? EACCES : ENOSPC;
    return true;
}

constexpr std::string_view kTemporaryPrefix = ".zorvik-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// The writer's process id of one of our temporary names, or 0 for any other name.
pid_t WriterOf(const std::string& name) {
    if (name.size() <= kTemporaryPrefix.size() + kTemporarySuffix.size() || !name.starts_with(kTemporaryPrefix) ||
        !name.ends_with(kTemporarySuffix))
        return 0;
    const std::string middle =
        name.substr(kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    // <pid>-<counter>-<attempt>, all decimal.
    int dashes = 0;
    for (char c : middle) {
        if (c == '-') ++dashes;
        else if (c < '0' || c > '9') return 0;
    }
    if (dashes != 2 || middle.front() == '-') return 0;
    const long pid = std::strtol(middle.c_str(), nullptr, 10);
    return pid > 0 && pid <= 0x3FFFFFFF ? static_cast<pid_t>(pid) : 0;
}

bool StillRuns(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A name no other writer in this or another process uses at the same moment. It does not
// grow with the target's name, which may already be as long as a file name can be.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& path, int attempt) {
    static std::atomic<unsigned> counter{0};
    const std::string name = ".zorvik-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                             std::to_string(attempt) + ".tmp";
    return path.parent_path() / name;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the data is safe in the file; only the rename's durability is at stake
    ::fsync(fd);
    ::close(fd);
}
}  // namespace

bool ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error) {
    if (path.filename().empty()) {
        error = "not a file name";
        return false;
    }
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = TemporaryNameFor(path, attempt);
        fd = Injected(ReplaceStep::Create) ? -1
                                           : ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = Reason("create temporary file");
        return false;
    }

    // A replaced file keeps the permissions it had.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

    const char* failedStep = nullptr;
    if (Injected(ReplaceStep::Write) || !WriteAll(fd, bytes)) failedStep = "write";
    else if (Injected(ReplaceStep::Flush) || ::fsync(fd) != 0) failedStep = "flush";
    if (failedStep != nullptr) error = Reason(failedStep);
    if (::close(fd) != 0 && failedStep == nullptr) {
        failedStep = "close";
        error = Reason(failedStep);
    }
    if (failedStep == nullptr && (Injected(ReplaceStep::Rename) || ::rename(temporary.c_str(), path.c_str()) != 0)) {
        failedStep = "rename";
        error = Reason(failedStep);
    }
    if (failedStep != nullptr) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(path.parent_path());
    return true;
}

void FailReplacesAt(ReplaceStep step) { gFailingStep = step; }

int RemoveLeftoverReplaceFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    int removed = 0;
    for (; !ec && it != end; it.increment(ec)) {
        const pid_t writer = WriterOf(it->path().filename().string());
        if (writer == 0 || (writer != ::getpid() && StillRuns(writer))) continue;
        std::error_code kind;
        // Only files: a folder of that name is nobody's temporary file.
        if (!it->is_regular_file(kind) || it->is_symlink(kind)) continue;
        if (::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace platform
