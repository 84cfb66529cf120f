// The framing check every room and snapshot record goes through: it must catch a reader that
// takes a byte too few or too many, or that reads back into something else, and pass every
// room kind the game registers.
#include "tests/support/record_framing.h"

#include <gtest/gtest.h>

#include "foundation/stream_values.h"
#include "rooms/game_classes.h"
#include "shell/room_kinds.h"
#include "test_world.h"

namespace {

using testing_support::CheckRecordFraming;
using testing_support::CheckRoomRecordFraming;

// A room keeping two words, whose reading can be made to go wrong in the ways that matter.
class TTwoWordRoom : public TRoom {
public:
    enum class TReading { Right, OneByteShort, OneByteLong, SwapsWords };
    explicit TTwoWordRoom(TReading reading = TReading::Right) : TRoom("WORDS"), Reading(reading) {}

    void WriteData(TStream& s) override {
        WriteWord(s, First);
        WriteWord(s, Second);
    }
    void ReadData(TStream& s) override {
        First = ReadU16(s);
        switch (Reading) {
            case TReading::Right: Second = ReadU16(s); break;
            case TReading::OneByteShort: Second = ReadU8(s); break;
            case TReading::OneByteLong:
                Second = ReadU16(s);
                ReadU8(s);
                break;
            case TReading::SwapsWords:
                Second = First;
                First = ReadU16(s);
                break;
        }
    }

    TReading Reading;
    std::uint16_t First = 0;
    std::uint16_t Second = 0;
};

TEST(RecordFraming, CatchesReadersThatTakeTooFewOrTooManyBytesOrReadBackWrong) {
    TTwoWordRoom written;
    written.First = 7;
    written.Second = 300;

    TTwoWordRoom right;
    EXPECT_EQ(CheckRoomRecordFraming(written, right), "");
    EXPECT_EQ(right.Second, 300);

    TTwoWordRoom shortReader(TTwoWordRoom::TReading::OneByteShort);
    EXPECT_NE(CheckRoomRecordFraming(written, shortReader), "");
    TTwoWordRoom longReader(TTwoWordRoom::TReading::OneByteLong);
    EXPECT_NE(CheckRoomRecordFraming(written, longReader), "");
    TTwoWordRoom swapping(TTwoWordRoom::TReading::SwapsWords);
    EXPECT_NE(CheckRoomRecordFraming(written, swapping), "");
}

TEST(RecordFraming, AReaderThatFailsIsReportedNotThrown) {
    const std::string failure = CheckRecordFraming([](TStream& s) { WriteByte(s, std::uint8_t{1}); },
                                                   [](TStream&) { throw VekException("Saved game is damaged."); },
                                                   [](TStream&) {});
    EXPECT_NE(failure.find("Saved game is damaged."), std::string::npos);
}

TEST(RecordFraming, EveryRegisteredRoomKindKeepsAFramedRecord) {
    RegisterGameClasses();
    const std::vector<std::string> kinds = RegisteredRoomKinds();
    ASSERT_FALSE(kinds.empty());
    TTestWorld world;
    for (const std::string& kind : kinds) {
        std::unique_ptr<TRoom> first, second;
        try {
            first = CreateRoomOfKind(kind, "A" + kind);
            second = CreateRoomOfKind(kind, "B" + kind);
        } catch (const VekException&) {
            continue;  // a room that needs the game's data files (the slate's map); its own tests check it
        }
        TRoom* room = world.AddRoom(std::move(first));
        TRoom* fresh = world.AddRoom(std::move(second));
        EXPECT_EQ(CheckRoomRecordFraming(*room, *fresh), "") << "room kind \"" << kind << "\"";
    }
}

}  // namespace
