#pragma once
// Reading text line by line from a stream, one byte (ANSI, code page 1252) or one UTF-16
// code unit at a time. A line feed ends a line; characters 32..126 and 160..255 are kept and
// every other unit (carriage return, tab, controls, 127..159, and above 255) is dropped.
// Lines have no length limit. A last line without a line feed is returned too; the end of
// input shows as `false` on the call after it.
#include <string>

class TStream;

bool StreamReadLine(TStream& s, bool ansi, std::u16string& line);
