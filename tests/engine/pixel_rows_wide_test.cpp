// The wide run kernels must stop exactly where the plain ones do: the flood fill takes one or
// the other by processor, so a fault in either would fill a different region on some machines.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/graphics/pixel_rows_wide.h"

#if defined(ZORVIK_WIDE_ROWS)
namespace {

// Rows of long runs of one colour broken by a few others, as colouring pages have.
std::vector<std::uint8_t> RunsRow(std::mt19937& random, std::size_t width) {
    std::vector<std::uint8_t> row(width);
    std::size_t i = 0;
    while (i < width) {
        const std::size_t n = std::min<std::size_t>(width - i, random() % 3 == 0 ? random() % 4 : random() % 150);
        const auto value = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 3 : 0);
        std::fill_n(row.begin() + std::ptrdiff_t(i), n, value);
        i += n == 0 ? 1 : n;
    }
    return row;
}

TEST(PixelRowsWide, FillRunAndFindFirstAgreeWithThePlainKernels) {
    if (!pixel_rows::ProcessorHasWideRows()) GTEST_SKIP() << "no wide registers on this processor";
    std::mt19937 random(41);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t width = 1 + random() % 300;
        std::vector<std::uint8_t> plain = RunsRow(random, width);
        std::vector<std::uint8_t> wide = plain;
        const auto from = std::int32_t(random() % width);
        const auto limit = std::int32_t(from + random() % (width - std::size_t(from) + 1));
        const std::uint8_t target = plain[std::size_t(from)];

        // The search may read the row to its end, or only to the limit.
        const auto readable = std::int32_t(round % 2 == 0 ? width : std::size_t(limit));
        EXPECT_EQ(pixel_rows::FindFirstWide(wide.data(), from, limit, readable, 1),
                  pixel_rows::FindFirst(plain.data(), from, limit, 1));
        EXPECT_EQ(pixel_rows::FillRunWide(wide.data(), from, limit, target, 7),
                  pixel_rows::FillRun(plain.data(), from, limit, target, 7));
        ASSERT_EQ(wide, plain) << "round " << round << " from " << from << " limit " << limit;
    }
}

// The fill's search for the next run starts where FillRunAndLook says one may start; a pixel
// of the colour it skipped would leave part of a region unfilled.
TEST(PixelRowsWide, FillRunAndLookSkipsNoPixelOfTheColour) {
    if (!pixel_rows::ProcessorHasWideRows()) GTEST_SKIP() << "no wide registers on this processor";
    std::mt19937 random(4141);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t width = 1 + random() % 300;
        const std::vector<std::uint8_t> before = RunsRow(random, width);
        std::vector<std::uint8_t> row = before;
        const auto from = std::int32_t(random() % width);
        const auto limit = std::int32_t(from + random() % (width - std::size_t(from) + 1));
        const std::uint8_t target = before[std::size_t(from)];

        const pixel_rows::TRunEnd run = pixel_rows::FillRunAndLook(row.data(), from, limit, target, 7);
        ASSERT_LE(run.End, run.Next) << "round " << round;
        ASSERT_LE(run.Next, limit) << "round " << round;
        for (std::int32_t x = run.End; x < run.Next; ++x)
            ASSERT_NE(before[std::size_t(x)], target) << "round " << round << " skipped column " << x;
    }
}

// The fill takes a row's whole seed as one block when SpanHoldsWide says it holds the old
// colour throughout: a wrong yes would colour pixels of another colour, a wrong no only costs
// time. FillSpanWide must touch exactly [from, to).
TEST(PixelRowsWide, WholeSpansAgreeWithThePlainKernels) {
    if (!pixel_rows::ProcessorHasWideRows()) GTEST_SKIP() << "no wide registers on this processor";
    std::mt19937 random(4242);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t width = 16 + random() % 300;
        std::vector<std::uint8_t> row(width, 0);
        // Mostly one colour with now and then a single other pixel, anywhere, so that the
        // answer turns on one lane of one block.
        if (round % 2 == 0) row[random() % width] = 1;
        const auto from = std::int32_t(random() % (width - 15));
        const auto to = std::int32_t(from + 16 + random() % (width - std::size_t(from) - 15));
        EXPECT_EQ(pixel_rows::SpanHoldsWide(row.data(), from, to, 0), pixel_rows::FindFirstNot(row.data(), from, to, 0) == to)
            << "round " << round << " from " << from << " to " << to;

        std::vector<std::uint8_t> expected = row;
        std::fill(expected.begin() + from, expected.begin() + to, 9);
        pixel_rows::FillSpanWide(row.data(), from, to, 9);
        ASSERT_EQ(row, expected) << "round " << round << " from " << from << " to " << to;
    }
}

}  // namespace
#endif
