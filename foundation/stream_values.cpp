#include "stream_values.h"

#include <array>

#include "vek_exception.h"

namespace {

template <std::size_t N>
void PutLittleEndian(TStream& s, std::uint64_t value) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    s.Write(bytes.data(), N);
}

template <std::size_t N>
std::uint64_t GetLittleEndian(TStream& s) {
    std::array<std::uint8_t, N> bytes{};
    s.ReadExact(bytes.data(), N);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < N; ++i) value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return value;
}

// Reads a string's byte count and checks it against what the stream still holds.
std::size_t ReadStringLength(TStream& s, const char* routine) {
    const std::int32_t count = ReadI32(s);
    if (count < 0 || static_cast<std::int64_t>(count) > s.Remaining())
        throw VekException(std::string(routine) + ": Input file is corrupt - impossible string length detected.");
    return static_cast<std::size_t>(count);
}

}  // namespace

std::uint8_t ReadU8(TStream& s) { return static_cast<std::uint8_t>(GetLittleEndian<1>(s)); }
std::uint16_t ReadU16(TStream& s) { return static_cast<std::uint16_t>(GetLittleEndian<2>(s)); }
std::int16_t ReadI16(TStream& s) { return static_cast<std::int16_t>(GetLittleEndian<2>(s)); }
std::uint32_t ReadU32(TStream& s) { return static_cast<std::uint32_t>(GetLittleEndian<4>(s)); }
std::int32_t ReadI32(TStream& s) { return static_cast<std::int32_t>(GetLittleEndian<4>(s)); }
bool ReadBool(TStream& s) { return ReadU8(s) != 0; }

void WriteByte(TStream& s, std::uint8_t value) { PutLittleEndian<1>(s, value); }
void WriteByte(TStream& s, std::int8_t value) { PutLittleEndian<1>(s, static_cast<std::uint8_t>(value)); }
void WriteByte(TStream& s, bool value) { PutLittleEndian<1>(s, value ? 1 : 0); }
void WriteByte(TStream& s, char value) { PutLittleEndian<1>(s, static_cast<std::uint8_t>(value)); }
void ReadByte(TStream& s, std::uint8_t& value) { value = ReadU8(s); }
void ReadByte(TStream& s, std::int8_t& value) { value = static_cast<std::int8_t>(ReadU8(s)); }
void ReadByte(TStream& s, bool& value) { value = ReadU8(s) != 0; }
void ReadByte(TStream& s, char& value) { value = static_cast<char>(ReadU8(s)); }

void WriteWord(TStream& s, std::uint16_t value) { PutLittleEndian<2>(s, value); }
void WriteWord(TStream& s, std::int16_t value) { PutLittleEndian<2>(s, static_cast<std::uint16_t>(value)); }
void WriteWord(TStream& s, char16_t value) { PutLittleEndian<2>(s, value); }
void ReadWord(TStream& s, std::uint16_t& value) { value = ReadU16(s); }
void ReadWord(TStream& s, std::int16_t& value) { value = ReadI16(s); }
void ReadWord(TStream& s, char16_t& value) { value = static_cast<char16_t>(ReadU16(s)); }

void WriteInteger(TStream& s, std::int32_t value) { PutLittleEndian<4>(s, static_cast<std::uint32_t>(value)); }
void WriteInteger(TStream& s, std::uint32_t value) { PutLittleEndian<4>(s, value); }
void ReadInteger(TStream& s, std::int32_t& value) { value = ReadI32(s); }
void ReadInteger(TStream& s, std::uint32_t& value) { value = ReadU32(s); }

void WritePoint(TStream& s, const TPoint& value) {
    WriteInteger(s, value.X);
    WriteInteger(s, value.Y);
}

void ReadPoint(TStream& s, TPoint& value) {
    std::array<std::uint8_t, 8> bytes{};
    s.ReadExact(bytes.data(), bytes.size());  // one read: a cut point leaves the variable unchanged
    TMemoryStream m(bytes.data(), bytes.size());
    value.X = ReadI32(m);
    value.Y = ReadI32(m);
}

void WriteRect(TStream& s, const TRect& value) {
    WriteInteger(s, value.Left);
    WriteInteger(s, value.Top);
    WriteInteger(s, value.Right);
    WriteInteger(s, value.Bottom);
}

void ReadRect(TStream& s, TRect& value) {
    std::array<std::uint8_t, 16> bytes{};
    s.ReadExact(bytes.data(), bytes.size());
    TMemoryStream m(bytes.data(), bytes.size());
    value.Left = ReadI32(m);
    value.Top = ReadI32(m);
    value.Right = ReadI32(m);
    value.Bottom = ReadI32(m);
}

void WriteString(TStream& s, const std::u16string& value) {
    const std::uint64_t bytes = 2ull * value.size();
    if (bytes > 0x7FFFFFFFull) throw VekException("WriteString (Unicode): text too long to write.");
    WriteInteger(s, static_cast<std::int32_t>(bytes));
    for (char16_t c : value) WriteWord(s, c);
}

void ReadString(TStream& s, std::u16string& value) {
    const std::size_t count = ReadStringLength(s, "ReadString (Unicode)");
    std::vector<std::uint8_t> bytes(count);
    s.ReadExact(bytes.data(), count);
    std::u16string text(count / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    value = std::move(text);
}

void WriteAnsiString(TStream& s, const std::string& value) {
    if (value.size() > 0x7FFFFFFFull) throw VekException("WriteAnsiString: text too long to write.");
    WriteInteger(s, static_cast<std::int32_t>(value.size()));
    s.Write(value.data(), value.size());
}

void ReadAnsiString(TStream& s, std::string& value) {
    const std::size_t count = ReadStringLength(s, "ReadAnsiString");
    std::string text(count, '\0');
    s.ReadExact(text.data(), count);
    value = std::move(text);
}
