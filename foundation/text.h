#pragma once
// Text conversions, kept in one place. Shown and stored text is UTF-16 (std::u16string);
// IDs, script words, image names and paths are UTF-8 (std::string). The "ANSI" code page
// of the stored formats is Windows code page 1252.
#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view text);   // malformed bytes become U+FFFD
std::string Utf16ToUtf8(std::u16string_view text);   // lone surrogates become U+FFFD

std::u16string AnsiToUtf16(std::string_view bytes);  // code page 1252
std::string Utf16ToAnsi(std::u16string_view text);   // characters outside 1252 become '?'
std::string AnsiToUtf8(std::string_view bytes);
std::string Utf8ToAnsi(std::string_view text);

// Case mapping of the 26 unaccented Latin letters only; everything else is left alone.
char16_t UpperAscii(char16_t c);
char16_t LowerAscii(char16_t c);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
std::u16string UpperAscii(std::u16string_view text);
std::u16string LowerAscii(std::u16string_view text);
