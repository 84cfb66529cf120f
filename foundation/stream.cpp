#include "stream.h"

#include <cerrno>
#include <cstring>

#include "vek_exception.h"

void TStream::ReadExact(void* buffer, std::size_t count) {
    if (count == 0) return;
    if (Read(buffer, count) != count)
        throw VekException("Input file is corrupt - unexpected end of data.");
}

TMemoryStream::TMemoryStream(const void* bytes, std::size_t count)
    : FData(static_cast<const std::uint8_t*>(bytes), static_cast<const std::uint8_t*>(bytes) + count) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t available = FData.size() - FPosition;
    const std::size_t n = count < available ? count : available;
    if (n > 0) std::memcpy(buffer, FData.data() + FPosition, n);
    FPosition += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    if (FPosition + count > FData.size()) FData.resize(FPosition + count);
    std::memcpy(FData.data() + FPosition, buffer, count);
    FPosition += count;
}

void TMemoryStream::Seek(std::int64_t position) {
    if (position < 0 || position > Size()) throw VekException("Stream seek out of range.");
    FPosition = static_cast<std::size_t>(position);
}

std::vector<std::uint8_t> TMemoryStream::TakeBytes() {
    FPosition = 0;
    return std::move(FData);
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

TFileStream::TFileStream(const std::filesystem::path& path, Mode mode) : FPath(path) {
    FFile = std::fopen(path.c_str(), mode == Mode::ReadOnly ? "rb" : "wb");
    if (FFile == nullptr) {
        throw VekException(std::string(mode == Mode::ReadOnly ? "Cannot open file \"" : "Cannot create file \"") +
                           path.string() + "\": " + std::strerror(errno));
    }
    if (mode == Mode::ReadOnly) {
        // Data files do not change under a running game: their size is taken once.
        const long end = std::fseek(FFile, 0, SEEK_END) == 0 ? std::ftell(FFile) : -1;
        if (end < 0 || std::fseek(FFile, 0, SEEK_SET) != 0) {
            std::fclose(FFile);
            FFile = nullptr;
            throw VekException("Cannot read file \"" + path.string() + "\".");
        }
        FSize = end;
    }
}

TFileStream::~TFileStream() {
    if (FFile != nullptr) std::fclose(FFile);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    const std::size_t n = std::fread(buffer, 1, count, FFile);
    FPosition += static_cast<std::int64_t>(n);
    if (n < count && std::ferror(FFile))
        throw VekException("Cannot read file \"" + FPath.string() + "\".");
    return n;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    if (std::fwrite(buffer, 1, count, FFile) != count)
        throw VekException("Cannot write file \"" + FPath.string() + "\".");
    FPosition += static_cast<std::int64_t>(count);
    if (FPosition > FSize) FSize = FPosition;
}

std::int64_t TFileStream::Size() const { return FSize; }

std::int64_t TFileStream::Position() const { return FPosition; }

void TFileStream::Seek(std::int64_t position) {
    if (position < 0 || position > FSize) throw VekException("Stream seek out of range.");
    // Reading on from where the last read ended keeps the C library's buffer.
    if (position == FPosition) return;
    if (std::fseek(FFile, static_cast<long>(position), SEEK_SET) != 0) throw VekException("Stream seek out of range.");
    FPosition = position;
}

void TFileStream::Flush() {
    if (std::fflush(FFile) != 0) throw VekException("Cannot write file \"" + FPath.string() + "\".");
}

void TFileStream::Close() {
    if (FFile == nullptr) return;
    const int flushed = std::fflush(FFile);
    const int closed = std::fclose(FFile);
    FFile = nullptr;
    if (flushed != 0 || closed != 0) throw VekException("Cannot write file \"" + FPath.string() + "\".");
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path) {
    TFileStream file(path, TFileStream::Mode::ReadOnly);
    const std::int64_t size = file.Size();
    if (size < 0) throw VekException("Cannot read file \"" + path.string() + "\".");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.ReadExact(bytes.data(), bytes.size());
    return bytes;
}
