#pragma once
// Moving single values between variables and streams: little-endian, back to back, no
// padding. Every fixed-width read is checked (a short stream throws VekException); the two
// string readers also refuse impossible lengths before reading.
#include <cstdint>
#include <string>

#include "geometry.h"
#include "stream.h"

void WriteByte(TStream& s, std::uint8_t value);
void WriteByte(TStream& s, std::int8_t value);
void WriteByte(TStream& s, bool value);
void WriteByte(TStream& s, char value);
void ReadByte(TStream& s, std::uint8_t& value);
void ReadByte(TStream& s, std::int8_t& value);
void ReadByte(TStream& s, bool& value);  // any non-zero byte reads as true
void ReadByte(TStream& s, char& value);

void WriteWord(TStream& s, std::uint16_t value);
void WriteWord(TStream& s, std::int16_t value);
void WriteWord(TStream& s, char16_t value);
void ReadWord(TStream& s, std::uint16_t& value);
void ReadWord(TStream& s, std::int16_t& value);
void ReadWord(TStream& s, char16_t& value);

void WriteInteger(TStream& s, std::int32_t value);
void WriteInteger(TStream& s, std::uint32_t value);
void ReadInteger(TStream& s, std::int32_t& value);
void ReadInteger(TStream& s, std::uint32_t& value);

void WritePoint(TStream& s, const TPoint& value);
void ReadPoint(TStream& s, TPoint& value);
void WriteRect(TStream& s, const TRect& value);
void ReadRect(TStream& s, TRect& value);

// UTF-16 text after a signed 32-bit byte count. An odd count consumes all its bytes and
// keeps the whole code units.
void WriteString(TStream& s, const std::u16string& value);
void ReadString(TStream& s, std::u16string& value);
// 8-bit text after a signed 32-bit length; the bytes are in code page 1252 and are kept as
// they are (convert with AnsiToUtf16 or AnsiToUtf8 where text is needed).
void WriteAnsiString(TStream& s, const std::string& value);
void ReadAnsiString(TStream& s, std::string& value);

// Value-returning forms for readers that do not need an existing variable.
std::uint8_t ReadU8(TStream& s);
std::uint16_t ReadU16(TStream& s);
std::int16_t ReadI16(TStream& s);
std::int32_t ReadI32(TStream& s);
std::uint32_t ReadU32(TStream& s);
bool ReadBool(TStream& s);
