// The checked readers every saved and album record reads through: the bounds they are given
// are allowed, one past them is damage, and damage says so in the game's own words while a
// record that ends early keeps the stream's error.
#include "shell/record_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/stream.h"
#include "shell/qe_exception.h"

namespace {

using namespace record_reading;

const std::string kDamaged = "Saved game is damaged.";

template <class Read>
std::string ErrorOf(std::vector<std::uint8_t> bytes, Read read) {
    TMemoryStream s(std::move(bytes));
    try {
        read(s);
    } catch (const QEException& e) {
        return e.what();
    } catch (const VekException&) {
        return "ended early";
    }
    return "";
}

TEST(RecordReading, BoundsAreIncludedAndOnePastThemIsDamage) {
    const auto byteIn = [](TStream& s) { (void)ReadU8In(s, 8, 39); };
    EXPECT_EQ(ErrorOf({8}, byteIn), "");
    EXPECT_EQ(ErrorOf({39}, byteIn), "");
    EXPECT_EQ(ErrorOf({7}, byteIn), kDamaged);
    EXPECT_EQ(ErrorOf({40}, byteIn), kDamaged);

    // Little-endian and signed: -1 and 32767 at the edges of 0..32764.
    const auto wordIn = [](TStream& s) { (void)ReadI16In(s, 0, 32764); };
    EXPECT_EQ(ErrorOf({0xFC, 0x7F}, wordIn), "");
    EXPECT_EQ(ErrorOf({0xFD, 0x7F}, wordIn), kDamaged);
    EXPECT_EQ(ErrorOf({0xFF, 0xFF}, wordIn), kDamaged);
    // Unsigned: 0xFFFF is far past 101, not below it.
    const auto countIn = [](TStream& s) { (void)ReadU16In(s, 0, 101); };
    EXPECT_EQ(ErrorOf({101, 0}, countIn), "");
    EXPECT_EQ(ErrorOf({102, 0}, countIn), kDamaged);
    EXPECT_EQ(ErrorOf({0xFF, 0xFF}, countIn), kDamaged);

    TMemoryStream flags(std::vector<std::uint8_t>{0, 1});
    EXPECT_FALSE(ReadFlag(flags));
    EXPECT_TRUE(ReadFlag(flags));
    EXPECT_EQ(ErrorOf({2}, [](TStream& s) { (void)ReadFlag(s); }), kDamaged);
    EXPECT_EQ(ErrorOf({14}, [](TStream& s) { ReadMarker(s, 14); }), "");
    EXPECT_EQ(ErrorOf({13}, [](TStream& s) { ReadMarker(s, 14); }), kDamaged);
}

TEST(RecordReading, ARecordThatEndsEarlyIsNotCalledDamaged) {
    EXPECT_EQ(ErrorOf({}, [](TStream& s) { (void)ReadFlag(s); }), "ended early");
    EXPECT_EQ(ErrorOf({0x01}, [](TStream& s) { (void)ReadI16In(s, 0, 5); }), "ended early");
}

}  // namespace
