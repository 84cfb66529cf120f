#pragma once
// The one checked byte stream that every reader and writer of the system goes through.
// Fixed-width reads use ReadExact: a stream that ends early throws VekException, so no
// value is ever taken from bytes that were not there.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <vector>

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to `count` bytes; returns how many were read (fewer only at the end).
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all bytes or throws VekException.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Size() const = 0;
    virtual std::int64_t Position() const = 0;
    // Moves to an absolute position in 0..Size(); anything else throws VekException.
    virtual void Seek(std::int64_t position) = 0;

    // Reads exactly `count` bytes or throws VekException ("unexpected end of data").
    void ReadExact(void* buffer, std::size_t count);
    std::int64_t Remaining() const { return Size() - Position(); }
};

// A growable stream in memory; also the way to read a byte buffer through the stream routines.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : FData(std::move(bytes)) {}
    TMemoryStream(const void* bytes, std::size_t count);

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(FData.size()); }
    std::int64_t Position() const override { return static_cast<std::int64_t>(FPosition); }
    void Seek(std::int64_t position) override;

    const std::vector<std::uint8_t>& Bytes() const { return FData; }
    std::vector<std::uint8_t> TakeBytes();
    void Clear();

private:
    std::vector<std::uint8_t> FData;
    std::size_t FPosition = 0;
};

// A file opened read-only or created for writing. Data files are always opened read-only.
class TFileStream : public TStream {
public:
    enum class Mode { ReadOnly, Create };
    TFileStream(const std::filesystem::path& path, Mode mode);  // throws VekException
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void Seek(std::int64_t position) override;

    // Pushes buffered bytes to the operating system; throws VekException on failure.
    void Flush();
    // Flushes and closes; throws VekException when the last bytes could not be written.
    void Close();

private:
    std::FILE* FFile = nullptr;
    std::filesystem::path FPath;
    // Kept here rather than asked of the C library: a library index walks hundreds of
    // records, and every ftell or seek to the end would be a system call.
    std::int64_t FSize = 0;
    std::int64_t FPosition = 0;
};

// Whole-file helpers over TFileStream.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path);  // throws VekException
