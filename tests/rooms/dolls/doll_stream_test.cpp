// The doll's stream, which the album keeps: written and read back byte for byte, every damaged
// value refused with the game's message, and the positions always those of the choices.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "rooms/dolls/doll.h"
#include "shell/qe_exception.h"
#include "tests/support/record_framing.h"

namespace {

std::vector<std::uint8_t> Bytes(const TDoll& doll) {
    TMemoryStream s;
    doll.WriteToStream(s);
    return s.Bytes();
}

// A stream of the doll's form, built by hand: six choices, three accessories, positions given.
std::vector<std::uint8_t> DollStream(std::uint8_t marker, std::array<std::uint8_t, 6> parts,
                                     std::array<std::uint8_t, 3> accessories, TPoint position = {}) {
    TMemoryStream s;
    WriteByte(s, marker);
    for (const std::uint8_t choice : parts) {
        WritePoint(s, position);
        WriteByte(s, choice);
    }
    for (const std::uint8_t choice : accessories) WriteByte(s, choice);
    for (int i = 0; i < 3; ++i) WritePoint(s, position);
    return s.Bytes();
}

void Dress(TDoll& doll) {
    doll.SetPart(kDollTorso, 3);
    doll.SetPart(kDollHead, 4);
    doll.SetPart(kDollArm1, 2);
    doll.SetPart(kDollArm2, 2);
    doll.SetPart(kDollLeg1, 1);
    doll.SetPart(kDollLeg2, 1);
    doll.SetAccessoryR(6);
    doll.SetAccessoryX(1);
    doll.SetAccessoryC(3);
}

void ExpectDamaged(const std::vector<std::uint8_t>& bytes, const char* why) {
    TDoll doll;
    Dress(doll);
    const std::vector<std::uint8_t> before = Bytes(doll);
    TMemoryStream s(bytes);
    try {
        doll.ReadFromStream(s);
        ADD_FAILURE() << why << ": accepted";
    } catch (const QEException& e) {
        EXPECT_STREQ(e.what(), "Saved game is damaged.") << why;
    }
    EXPECT_EQ(Bytes(doll), before) << why << ": a failed read leaves the doll as it was";
}

TEST(DollStream, ADressedDollIsEightyTwoBytesReadBackExactly) {
    TDoll doll;
    Dress(doll);
    EXPECT_EQ(Bytes(doll).size(), 82u) << "1 + 6 x (8 + 1) + 3 + 3 x 8";
    TDoll read;
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { doll.WriteToStream(s); },
                                                  [&](TStream& s) { read.ReadFromStream(s); },
                                                  [&](TStream& s) { read.WriteToStream(s); }),
              "");
    EXPECT_EQ(read.Part(kDollHead), 4);
    EXPECT_EQ(read.AccessoryC(), 3);
    // Format byte, then the torso's place (27, 71) and its choice.
    const std::vector<std::uint8_t> bytes = Bytes(doll);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 10),
              (std::vector<std::uint8_t>{0, 27, 0, 0, 0, 71, 0, 0, 0, 3}));
}

TEST(DollStream, AnEmptyDollKeepsTheTorsosPlaceAndNothingElse) {
    const std::vector<std::uint8_t> expected = DollStream(0, {0, 0, 0, 0, 0, 0}, {0, 0, 0});
    std::vector<std::uint8_t> withTorso = expected;
    withTorso[1] = 26;
    withTorso[5] = 65;
    EXPECT_EQ(Bytes(TDoll()), withTorso);
}

TEST(DollStream, DamagedValuesAreRefused) {
    ExpectDamaged(DollStream(1, {1, 1, 1, 1, 1, 1}, {0, 0, 0}), "format byte 1");
    ExpectDamaged(DollStream(13, {1, 1, 1, 1, 1, 1}, {0, 0, 0}), "a bauble's class id");
    ExpectDamaged(DollStream(0, {5, 1, 1, 1, 1, 1}, {0, 0, 0}), "torso 5");
    ExpectDamaged(DollStream(0, {1, 1, 1, 1, 1, 255}, {0, 0, 0}), "second leg 255");
    ExpectDamaged(DollStream(0, {1, 1, 1, 1, 1, 1}, {7, 0, 0}), "robe 7");
    ExpectDamaged(DollStream(0, {1, 1, 1, 1, 1, 1}, {0, 2, 0}), "bow 2");
    ExpectDamaged(DollStream(0, {1, 1, 1, 1, 1, 1}, {0, 0, 7}), "cap 7");
    std::vector<std::uint8_t> cut = DollStream(0, {1, 1, 1, 1, 1, 1}, {1, 1, 1});
    cut.pop_back();
    TDoll doll;
    TMemoryStream s(cut);
    EXPECT_THROW(doll.ReadFromStream(s), VekException);
    EXPECT_EQ(doll.Part(kDollHead), 0) << "a short stream changes nothing";
}

TEST(DollStream, PositionsReadAreWorkedOutAgainFromTheChoices) {
    // Far-away positions in a stream cannot move the doll's pieces off its picture.
    TMemoryStream s(DollStream(0, {2, 1, 3, 3, 4, 4}, {1, 1, 6}, TPoint{INT32_MAX, INT32_MIN}));
    TDoll doll;
    doll.ReadFromStream(s);
    EXPECT_EQ(doll.PartPosition(kDollTorso), (TPoint{26, 65}));
    EXPECT_EQ(doll.PartPosition(kDollArm1), (TPoint{7, 73}));
    EXPECT_EQ(doll.PartPosition(kDollLeg2), (TPoint{56, 112}));
    EXPECT_EQ(doll.AccessoryPosition(0), (TPoint{16, 69}));
    EXPECT_EQ(doll.AccessoryPosition(2), (TPoint{18, 10}));
}

TEST(DollParts, ArmsAndLegsFollowTheirTorsoAndCapsTheirHead) {
    TDoll doll;
    EXPECT_FALSE(doll.IsComplete());
    doll.SetPart(kDollTorso, 4);
    doll.SetPart(kDollArm2, 3);
    doll.SetPart(kDollLeg1, 2);
    EXPECT_EQ(doll.PartPosition(kDollArm2), (TPoint{26 + 44, 68 + 7}));
    EXPECT_EQ(doll.PartPosition(kDollLeg1), (TPoint{26 - 8, 68 + 44}));
    // A cap without a head sits where the first head would.
    doll.SetAccessoryC(1);
    EXPECT_EQ(doll.AccessoryPosition(2), (TPoint{26 + 2 + 0, 68 - 32 - 4}));
    doll.SetPart(kDollHead, 4);
    EXPECT_EQ(doll.AccessoryPosition(2), (TPoint{26 - 1 + 4, 68 - 33 - 3}));
    // A new torso moves everything on it.
    doll.SetPart(kDollTorso, 3);
    EXPECT_EQ(doll.PartPosition(kDollHead), (TPoint{27 - 2, 71 - 30}));
    EXPECT_EQ(doll.PartPosition(kDollArm2), (TPoint{27 + 43, 71 + 8}));
    // Out of range changes nothing.
    doll.SetPart(7, 1);
    doll.SetPart(kDollHead, 5);
    doll.SetAccessoryR(7);
    EXPECT_EQ(doll.Part(kDollHead), 4);
    EXPECT_EQ(doll.AccessoryR(), 0);
}

TEST(DollParts, ACloneHasTheSameDollButDoesNotSing) {
    TDoll doll;
    Dress(doll);
    doll.Singing = true;
    const auto copy = doll.Clone();
    EXPECT_EQ(Bytes(*copy), Bytes(doll));
    EXPECT_FALSE(copy->Singing);
    EXPECT_TRUE(copy->IsComplete());
}

TEST(DollParts, EveryPieceLiesInsideTheSheet) {
    const TRect sheet{0, 0, 200, 490};
    for (int part = 1; part <= kDollPartCount; ++part)
        for (std::uint8_t choice = 1; choice <= kDollChoiceCount; ++choice)
            for (const bool singing : {false, true}) {
                const TRect r = DollPartSource(part, choice, singing);
                EXPECT_FALSE(IsRectEmpty(r));
                EXPECT_EQ(IntersectRects(r, sheet), r) << part << " " << int(choice);
            }
    const std::uint8_t counts[] = {kDollRobeCount, kDollBowCount, kDollCapCount};
    for (int which = 0; which < 3; ++which)
        for (std::uint8_t choice = 1; choice <= counts[which]; ++choice)
            EXPECT_EQ(IntersectRects(DollAccessorySource(which, choice), sheet), DollAccessorySource(which, choice));
    EXPECT_TRUE(IsRectEmpty(DollPartSource(kDollHead, 0)));
    EXPECT_TRUE(IsRectEmpty(DollAccessorySource(1, 2)));
}

}  // namespace
