#pragma once
// Hand-made image records for the tests: strips given as stored bytes, header fields as
// wanted, so damaged records are as easy to write as good ones.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/ac8_image.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"

struct TTestStrip {
    std::uint8_t EscapeA = 0;
    std::uint8_t EscapeB = 0;
    std::uint8_t Flags = AC8FlagEncoded;
    std::vector<std::uint8_t> Bytes;
};

struct TTestRecord {
    std::string Name = "test";
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t StoredState = AC8StateEncoded;
    std::uint16_t Version = AC8ImageVersion;
    std::vector<TTestStrip> Strips;
    int SegmentCountDelta = 0;  // to write a count other than the number of strips

    std::vector<std::uint8_t> Bytes() const {
        TMemoryStream s;
        std::string name = Name;
        name.resize(8, '\0');
        s.Write(name.data(), 8);
        WriteWord(s, Width);
        WriteWord(s, Height);
        WriteByte(s, static_cast<std::uint8_t>(Strips.size() + SegmentCountDelta));
        WriteByte(s, StoredState);
        WriteByte(s, std::uint8_t{0});
        WriteByte(s, std::uint8_t{0});
        WriteWord(s, Version);
        std::uint32_t end = 18 + 4 * static_cast<std::uint32_t>(Strips.size());
        for (const auto& strip : Strips) {
            end += 3 + static_cast<std::uint32_t>(strip.Bytes.size());
            WriteInteger(s, end);
        }
        for (const auto& strip : Strips) {
            const std::uint8_t header[3] = {strip.EscapeA, strip.EscapeB, strip.Flags};
            s.Write(header, 3);
            s.Write(strip.Bytes.data(), strip.Bytes.size());
        }
        return s.TakeBytes();
    }
};

// Rows of a picture from the top, without padding.
inline std::vector<std::uint8_t> PictureRows(const TAC8Image& image) {
    std::vector<std::uint8_t> rows;
    for (std::uint32_t y = 0; y < image.Height(); ++y) rows.insert(rows.end(), image.Row(y), image.Row(y) + image.Width());
    return rows;
}
