// Replacing a file's contents through a temporary file: write, fsync, rename, fsync the
// folder. The temporary file sits in the target's folder so the rename never crosses file
// systems and is atomic.
#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {
std::string Reason(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

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
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
    if (!WriteAll(fd, bytes)) failedStep = "write";
    else if (::fsync(fd) != 0) failedStep = "flush";
    if (failedStep != nullptr) error = Reason(failedStep);
    if (::close(fd) != 0 && failedStep == nullptr) {
        failedStep = "close";
        error = Reason(failedStep);
    }
    if (failedStep == nullptr && ::rename(temporary.c_str(), path.c_str()) != 0) {
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

}  // namespace platform
