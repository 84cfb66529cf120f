// The game's strip decoder against the plain one: strips the encoder wrote, then the same
// strips damaged at random, at widths around the decoder's block sizes. Each must give the
// same pixels or the same message; the strip buffer is exactly its size, so a block move
// that strays past it shows under the sanitizers.
#include <gtest/gtest.h>

#include <random>

#include "engine/graphics/ac8_codec.h"
#include "engine/graphics/ac8_exception.h"
#include "plain_strip_decoder.h"
#include "tools/ac8/ac8_encoder.h"

namespace {

using plain_strip::Bytes;

struct TStrip {
    Bytes Rows;  // plain rows, bottom first, padding 0
    TAC8StripLayout Layout;
};

// Rows the encoder turns into every kind of code: flat rows, rows like the one beneath with
// a few changes, short and long runs (of escape bytes too), dithering and noise.
TStrip RandomStrip(std::mt19937& rng, std::uint32_t width, std::uint32_t rows) {
    const std::uint32_t stride = (width + 3) / 4 * 4;
    TStrip strip{Bytes(std::size_t(rows) * stride, 0), {width, rows, stride}};
    std::uint8_t colours[4];
    for (auto& c : colours) c = static_cast<std::uint8_t>(rng() % 6);  // few values: some are escapes
    for (std::uint32_t i = 0; i < rows; ++i) {
        std::uint8_t* row = strip.Rows.data() + std::size_t(i) * stride;
        const std::uint8_t* beneath = i > 0 ? row - stride : nullptr;
        const std::uint32_t kind = rng() % 6;
        for (std::uint32_t x = 0; x < width; ++x) {
            switch (kind) {
                case 0: row[x] = colours[0]; break;
                case 1: row[x] = beneath && rng() % 23 != 0 ? beneath[x] : colours[rng() % 4]; break;
                case 2: row[x] = x > 0 && rng() % 40 != 0 ? row[x - 1] : colours[rng() % 4]; break;
                case 3: row[x] = colours[(x + i) % 2]; break;
                case 4: row[x] = static_cast<std::uint8_t>(rng()); break;
                default: row[x] = x > 0 && rng() % 4 != 0 ? row[x - 1] : static_cast<std::uint8_t>(rng()); break;
            }
        }
    }
    return strip;
}

// Both decoders on the same stored bytes; true when they agree.
::testing::AssertionResult Agree(const Bytes& stored, const TAC8EncodedStrip& header, const TAC8StripLayout& layout) {
    const plain_strip::TResult expected = plain_strip::Decode(stored, header.EscapeA, header.EscapeB, header.Flags,
                                                              layout.Width, layout.Rows, layout.RowStride);
    Bytes out(std::size_t(layout.Rows) * layout.RowStride, 0xCC);
    std::string error;
    try {
        DecodeSegment(stored, header.EscapeA, header.EscapeB, header.Flags, layout, out.data());
    } catch (const AC8Exception& e) {
        error = e.what();
    }
    if (error != expected.Error)
        return ::testing::AssertionFailure() << "message \"" << error << "\", expected \"" << expected.Error << "\"";
    if (error.empty() && out != expected.Rows) return ::testing::AssertionFailure() << "different pixels";
    return ::testing::AssertionSuccess();
}

const TAC8StripCoding kCodings[] = {TAC8StripCoding::Auto, TAC8StripCoding::RawRows, TAC8StripCoding::RunStream};

TEST(AC8DecoderAgreement, EncodedStripsAtEveryWeightAndWidth) {
    std::mt19937 rng(4141);
    const std::uint32_t weights[] = {0, 4, AC8DefaultTokenWeight, AC8MaxTokenWeight};
    for (int round = 0; round < 300; ++round) {
        // Narrow strips put the row beneath closer than a block; wide ones reach the long paths.
        const std::uint32_t width = round % 3 == 0 ? 1 + rng() % 40 : 1 + rng() % 700;
        const std::uint32_t rows = 1 + rng() % 12;
        const TStrip strip = RandomStrip(rng, width, rows);
        for (const auto coding : kCodings) {
            const TAC8EncodedStrip encoded = EncodeStrip(strip.Rows.data(), strip.Layout, coding, weights[round % 4]);
            if ((encoded.Flags & AC8FlagEncoded) == 0) continue;
            SCOPED_TRACE(testing::Message() << width << " x " << rows << " flags " << int(encoded.Flags));
            ASSERT_TRUE(Agree(encoded.Bytes, encoded, strip.Layout));
            // And the pixels are the encoder's own.
            Bytes out(strip.Rows.size());
            DecodeSegment(encoded.Bytes, encoded.EscapeA, encoded.EscapeB, encoded.Flags, strip.Layout, out.data());
            ASSERT_EQ(out, strip.Rows);
        }
    }
}

TEST(AC8DecoderAgreement, DamagedStripsFailAlikeOrDecodeAlike) {
    std::mt19937 rng(4242);
    int failures = 0, successes = 0;
    for (int round = 0; round < 1500; ++round) {
        const std::uint32_t width = round % 2 == 0 ? 1 + rng() % 24 : 1 + rng() % 400;
        const std::uint32_t rows = 1 + rng() % 6;
        const TStrip strip = RandomStrip(rng, width, rows);
        const TAC8EncodedStrip encoded = EncodeStrip(strip.Rows.data(), strip.Layout, kCodings[round % 3], round % 20);
        if ((encoded.Flags & AC8FlagEncoded) == 0) continue;
        Bytes stored = encoded.Bytes;
        // Changed bytes (often into escapes or line codes), then perhaps cut short or lengthened.
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < changes && !stored.empty(); ++i) {
            const std::uint8_t choices[] = {encoded.EscapeA, encoded.EscapeB, 0, 1, 2, 6, 7, 8,
                                            static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng() % 40)};
            stored[rng() % stored.size()] = choices[rng() % 10];
        }
        if (rng() % 4 == 0) stored.resize(rng() % (stored.size() + 1));
        if (rng() % 8 == 0) stored.push_back(static_cast<std::uint8_t>(rng()));
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << width << " x " << rows);
        ASSERT_TRUE(Agree(stored, encoded, strip.Layout));
        (plain_strip::Decode(stored, encoded.EscapeA, encoded.EscapeB, encoded.Flags, width, rows,
                             strip.Layout.RowStride).Error.empty() ? successes : failures)++;
    }
    // Both outcomes were reached often enough to mean something.
    EXPECT_GT(failures, 200);
    EXPECT_GT(successes, 100);
}

// Hand-made streams the encoder never writes: equal escapes, a prefix copy ending at the row
// end, code 2 after a prefix copy, runs to the very last byte of the strip.
TEST(AC8DecoderAgreement, ConstructsOnlyOtherWritersUse) {
    const TAC8StripLayout layout{9, 2, 12};
    const auto agree = [&](std::uint8_t a, std::uint8_t b, std::uint8_t flags, const Bytes& stored) {
        SCOPED_TRACE(testing::Message() << "stored bytes " << ::testing::PrintToString(stored));
        EXPECT_TRUE(Agree(stored, {a, b, flags, {}}, layout));
    };
    const Bytes row0{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const auto withRow0 = [&](Bytes rest) {
        Bytes stored = row0;
        stored.insert(stored.end(), rest.begin(), rest.end());
        return stored;
    };
    agree(5, 5, AC8FlagEncoded, withRow0({1, 5, 5, 5, 9, 1, 2, 3, 4, 5}));
    agree(5, 5, AC8FlagEncoded, withRow0({1, 5, 3, 5, 2, 0}));
    agree(250, 251, AC8FlagEncoded, withRow0({9, 7}));
    agree(250, 251, AC8FlagEncoded, withRow0({9, 0}));
    agree(250, 251, AC8FlagEncoded, withRow0({9, 1}));
    agree(250, 251, AC8FlagEncoded, withRow0({9, 9}));
    agree(250, 251, AC8FlagEncoded, withRow0({8, 2, 3}));
    agree(250, 251, AC8FlagEncoded, withRow0({1, 250, 9, 4}));
    agree(250, 251, AC8FlagEncoded | AC8FlagRunStream, {250, 18, 3});
    agree(250, 251, AC8FlagEncoded | AC8FlagRunStream, {250, 17, 3});
    agree(250, 251, AC8FlagEncoded | AC8FlagRunStream, {250, 255, 3});
}

}  // namespace
