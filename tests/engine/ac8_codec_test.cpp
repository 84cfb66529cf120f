// The strip decoder against hand-written stored bytes: every line code and escape, the
// run stream and raw rows, and the way damaged strips fail.
#include <gtest/gtest.h>

#include "ac8_test_records.h"
#include "engine/graphics/ac8_codec.h"
#include "engine/graphics/ac8_exception.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t A = 0xF0;
constexpr std::uint8_t B = 0xF1;

// Decodes one strip of `rows` rows of `width` pixels; returns its rows bottom row first,
// without padding, after checking that the padding was cleared.
Bytes Decode(const Bytes& stored, std::uint32_t width, std::uint32_t rows, std::uint8_t flags = AC8FlagEncoded) {
    const std::uint32_t stride = (width + 3) / 4 * 4;
    Bytes out(std::size_t(rows) * stride, 0xCC);
    DecodeSegment(stored, A, B, flags, {width, rows, stride}, out.data());
    Bytes pixels;
    for (std::uint32_t i = 0; i < rows; ++i) {
        for (std::uint32_t x = width; x < stride; ++x) EXPECT_EQ(out[i * stride + x], 0) << "padding of row " << i;
        pixels.insert(pixels.end(), out.begin() + i * stride, out.begin() + i * stride + width);
    }
    return pixels;
}

std::string DecodeError(const Bytes& stored, std::uint32_t width, std::uint32_t rows,
                        std::uint8_t flags = AC8FlagEncoded) {
    try {
        Decode(stored, width, rows, flags);
    } catch (const AC8Exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(AC8Decode, LineCodesFillRows) {
    // Row 0 literal; row 1 the same as row 0; row 2 one colour; row 3 escape-coded literals.
    EXPECT_EQ(Decode({0, 1, 2, 3, 4, 5, 7, 6, 9, 1, 8, 7, 6, 5, 4}, 5, 4),
              (Bytes{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 9, 9, 9, 9, 9, 8, 7, 6, 5, 4}));
    // Codes 3, 4 and 5 mean what code 1 means.
    for (std::uint8_t code : {1, 3, 4, 5}) EXPECT_EQ(Decode({code, 1, 2, 3}, 3, 1), (Bytes{1, 2, 3})) << int(code);
    // Code 2: escape-coded bytes, then the whole row XORed with the row beneath.
    EXPECT_EQ(Decode({0, 1, 2, 3, 4, 2, 0, 3, 0, 6}, 4, 2), (Bytes{1, 2, 3, 4, 1, 1, 3, 2}));
}

TEST(AC8Decode, PrefixCopyIsFollowedByAnotherLineCode) {
    // Eight bytes from the row beneath, then code 6 fills the rest with 5.
    const Bytes row0{0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    Bytes stored = row0;
    stored.insert(stored.end(), {8, 6, 5});
    EXPECT_EQ(Decode(stored, 12, 2),
              (Bytes{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 10, 11, 12, 13, 14, 15, 16, 17, 5, 5, 5, 5}));
    // Prefix copies chain: 8 bytes, then 9 more, then a literal byte.
    Bytes wide(19, 0);
    Bytes chained{0};
    for (int i = 0; i < 18; ++i) chained.push_back(static_cast<std::uint8_t>(i));
    chained.insert(chained.end(), {8, 9, 0, 77});
    const Bytes decoded = Decode(chained, 18, 2);
    EXPECT_EQ(Bytes(decoded.begin() + 18, decoded.begin() + 35), Bytes(decoded.begin(), decoded.begin() + 17));
    EXPECT_EQ(decoded[35], 77);
}

TEST(AC8Decode, EscapesProduceRunsAndCopies) {
    EXPECT_EQ(Decode({1, B, A, 7}, 2, 1), (Bytes{B, 7}));              // B, A: one B
    EXPECT_EQ(Decode({1, B, B, 7}, 3, 1), (Bytes{B, B, 7}));           // B, B: two B
    EXPECT_EQ(Decode({1, B, 9, 7}, 4, 1), (Bytes{9, 9, 9, 7}));        // B, x: three x
    EXPECT_EQ(Decode({1, A, 0, 7}, 2, 1), (Bytes{A, 7}));              // A, 0: one A
    EXPECT_EQ(Decode({1, A, 1, 7}, 3, 1), (Bytes{A, A, 7}));           // A, 1: two A
    EXPECT_EQ(Decode({1, A, 5, 3}, 5, 1), (Bytes{3, 3, 3, 3, 3}));     // A, n, x: n times x
    EXPECT_EQ(Decode({1, A, 3, A, 1}, 4, 1), (Bytes{A, A, A, 1}));     // the run's byte is taken as it is
    // A, 2, m copies m bytes of the row beneath at the same columns.
    EXPECT_EQ(Decode({0, 1, 2, 3, 4, 5, 1, 9, A, 2, 3, 8}, 5, 2), (Bytes{1, 2, 3, 4, 5, 9, 2, 3, 4, 8}));
    // Also in narrow pictures, where the row beneath is closer than a copy block.
    EXPECT_EQ(Decode({0, 1, 2, 3, 4, 5, 6, 1, A, 2, 6, 1, A, 2, 0, 6, 7}, 6, 4),
              (Bytes{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7}));
}

TEST(AC8Decode, CopyOfTheRestAfterFilledColumns) {
    // A, 2, 0 in a row whose first 10 bytes are filled copies the other Width - 10.
    Bytes stored{0};
    for (int i = 0; i < 16; ++i) stored.push_back(static_cast<std::uint8_t>(100 + i));
    stored.insert(stored.end(), {1, A, 10, 3, A, 2, 0});
    const Bytes decoded = Decode(stored, 16, 2);
    EXPECT_EQ(Bytes(decoded.begin() + 16, decoded.begin() + 26), Bytes(10, 3));
    EXPECT_EQ(Bytes(decoded.begin() + 26, decoded.end()), Bytes(decoded.begin() + 10, decoded.begin() + 16));
}

TEST(AC8Decode, DamagedRowsFail) {
    const std::string output = "Decode: output line overflow";
    const std::string source = "Decode: source buffer overflow";
    const std::string invalid = "Decode: invalid line code";
    EXPECT_EQ(DecodeError({1, 1, 2, B, 5}, 4, 1), output);        // 2 + 3 > 4
    EXPECT_EQ(DecodeError({1, 1, A, 4, 5}, 4, 1), output);        // 1 + 4 > 4
    EXPECT_EQ(DecodeError({0, 1, 2, 3, 9, 1, 2, 3}, 3, 2), output);  // a prefix of 9 in 3 columns
    EXPECT_EQ(DecodeError({0, 1, 2, 3, 1, 1, A, 2, 3}, 3, 2), output);  // a copy past the row end
    EXPECT_EQ(DecodeError({0, 1, 2, 3}, 3, 2), source);           // stored bytes end before the last row
    EXPECT_EQ(DecodeError({0, 1, 2}, 3, 1), source);              // a literal row cut short
    EXPECT_EQ(DecodeError({6}, 3, 1), source);                    // a fill without its byte
    EXPECT_EQ(DecodeError({1, 1, A, 5}, 3, 1), source);           // a run without its byte
    EXPECT_EQ(DecodeError({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 8}, 9, 2), source);  // a prefix copy needs a next code
    for (std::uint8_t code : {2, 7, 8, 200, 255}) EXPECT_EQ(DecodeError({code, 1, 1, 1}, 3, 1), invalid) << int(code);
    // No row lies beneath a strip's first row.
    EXPECT_NE(DecodeError({1, A, 2, 1}, 3, 1).find("Decode:"), std::string::npos);
}

TEST(AC8Decode, RawRowsHaveNoLineCodes) {
    EXPECT_EQ(Decode({7, 6, 5, 4, 3, 2, 1, 0, A, B}, 5, 2, AC8FlagEncoded | AC8FlagRawRows),
              (Bytes{7, 6, 5, 4, 3, 2, 1, 0, A, B}));
    EXPECT_EQ(DecodeError({1, 2, 3, 4, 5, 6, 7}, 5, 2, AC8FlagEncoded | AC8FlagRawRows),
              "Decode: source buffer overflow");
}

TEST(AC8Decode, RunStreamCrossesRowEnds) {
    const std::uint8_t flags = AC8FlagEncoded | AC8FlagRunStream;
    // A run of 5 across the end of a 3-pixel row; A, 0 and A, 1; B is a plain byte here.
    EXPECT_EQ(Decode({A, 5, 4, A, 0, A, 1, B, 2}, 3, 3, flags), (Bytes{4, 4, 4, 4, 4, A, A, A, B}));
    // A run still pending when the strip is full is dropped.
    EXPECT_EQ(Decode({1, A, 200, 9}, 2, 2, flags), (Bytes{1, 9, 9, 9}));
    EXPECT_EQ(DecodeError({1, 2, 3}, 2, 2, flags), "Decode: source buffer overflow");
    EXPECT_EQ(DecodeError({A, 5}, 3, 3, flags), "Decode: source buffer overflow");
}

// Every strip's first row has no previous row, not only the picture's bottom row.
TEST(AC8Decode, FirstRowOfALaterStripHasNoPreviousRow) {
    // 40000 x 3 has three strips of one row each.
    TTestRecord record;
    record.Width = 40000;
    record.Height = 3;
    record.Strips = {{A, B, AC8FlagEncoded, {6, 1}}, {A, B, AC8FlagEncoded, {6, 2}}, {A, B, AC8FlagEncoded, {6, 3}}};
    {
        TMemoryStream s(record.Bytes());
        TAC8Image image;
        image.LoadFromStream(s);
        image.DecodeAll();
        EXPECT_EQ(image.Row(0)[0], 3);  // the last strip holds the top row
        EXPECT_EQ(image.Row(2)[39999], 1);
    }
    for (const Bytes& bad : {Bytes{7}, Bytes{1, A, 2, 0}, Bytes{2, 1}}) {
        record.Strips[1].Bytes = bad;
        TMemoryStream s(record.Bytes());
        TAC8Image image;
        image.LoadFromStream(s);
        EXPECT_THROW(image.DecodeAll(), AC8Exception);
        // A failed decode leaves the image empty.
        EXPECT_EQ(image.StoredState(), AC8StateEmpty);
        EXPECT_EQ(image.Pixels(), nullptr);
    }
}

}  // namespace
