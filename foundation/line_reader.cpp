#include "line_reader.h"

#include <array>

#include "stream.h"
#include "text.h"

namespace {
bool Kept(unsigned unit) { return (unit >= 32 && unit <= 126) || (unit >= 160 && unit <= 255); }
}  // namespace

bool StreamReadLine(TStream& s, bool ansi, std::u16string& line) {
    line.clear();
    std::string bytes;  // kept ANSI bytes, converted once at the end
    bool gotAny = false;
    for (;;) {
        unsigned unit = 0;
        if (ansi) {
            std::uint8_t b = 0;
            if (s.Read(&b, 1) != 1) break;
            unit = b;
        } else {
            std::array<std::uint8_t, 2> b{};
            const std::size_t n = s.Read(b.data(), 2);
            if (n != 2) break;  // a lone trailing byte is not a character
            unit = static_cast<unsigned>(b[0] | (b[1] << 8));
        }
        gotAny = true;
        if (unit == 10) {
            if (ansi) line = AnsiToUtf16(bytes);
            return true;
        }
        if (!Kept(unit)) continue;
        if (ansi) bytes.push_back(static_cast<char>(unit));
        else line.push_back(static_cast<char16_t>(unit));
    }
    if (ansi) line = AnsiToUtf16(bytes);
    return gotAny;
}
