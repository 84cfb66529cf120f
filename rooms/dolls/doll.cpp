#include "rooms/dolls/doll.h"

#include "engine/graphics/ac8_image_data.h"
#include "foundation/stream_values.h"
#include "shell/record_reading.h"

using namespace record_reading;

namespace {

using TFour = std::array<TPoint, 4>;

constexpr TRect R(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) { return TRect{l, t, r, b}; }

// Sheet rectangles by part (torso, head, arm 1, arm 2, leg 1, leg 2) and choice.
constexpr std::array<std::array<TRect, 4>, kDollPartCount> kPartSources{{
    {R(0, 42, 49, 103), R(49, 42, 98, 103), R(98, 47, 146, 106), R(146, 43, 195, 103)},
    {R(0, 0, 42, 42), R(42, 0, 84, 42), R(98, 0, 142, 47), R(142, 0, 194, 43)},
    {R(0, 103, 34, 134), R(0, 134, 31, 165), R(65, 103, 90, 147), R(115, 106, 142, 148)},
    {R(34, 103, 65, 134), R(31, 134, 65, 165), R(90, 106, 115, 150), R(142, 106, 169, 148)},
    {R(0, 165, 28, 217), R(169, 103, 197, 154), R(119, 148, 144, 208), R(65, 150, 92, 209)},
    {R(28, 165, 56, 217), R(169, 154, 197, 204), R(144, 148, 169, 208), R(92, 150, 119, 209)},
}};
constexpr std::array<TRect, 4> kSingingHeads{R(0, 442, 42, 486), R(42, 442, 84, 485), R(84, 437, 128, 484),
                                             R(128, 442, 180, 489)};

// The torso's place from the doll's origin, by torso choice.
constexpr TFour kTorsoPositions{{{26, 65}, {26, 65}, {27, 71}, {26, 68}}};

// Offsets from the torso of the head, arms and legs: [part - 2][torso choice - 1][choice - 1].
constexpr std::array<std::array<TFour, 4>, 5> kPartOffsets{{
    {{{{{2, -32}, {2, -32}, {2, -30}, {-1, -32}}},
      {{{2, -32}, {2, -32}, {2, -30}, {-1, -32}}},
      {{{1, -32}, {1, -32}, {2, -28}, {-2, -30}}},
      {{{2, -32}, {2, -32}, {2, -31}, {-1, -33}}}}},
    {{{{{-26, 8}, {-23, 8}, {-19, 8}, {-20, 8}}},
      {{{-26, 8}, {-23, 8}, {-19, 8}, {-20, 8}}},
      {{{-26, 8}, {-23, 8}, {-20, 8}, {-20, 8}}},
      {{{-28, 8}, {-23, 7}, {-20, 7}, {-22, 8}}}}},
    {{{{{41, 8}, {41, 8}, {43, 8}, {42, 8}}},
      {{{41, 8}, {41, 8}, {43, 8}, {42, 8}}},
      {{{40, 7}, {40, 7}, {43, 8}, {41, 8}}},
      {{{43, 8}, {41, 7}, {44, 7}, {43, 8}}}}},
    {{{{{-9, 44}, {-9, 45}, {-12, 46}, {-4, 47}}},
      {{{-9, 44}, {-9, 45}, {-12, 46}, {-4, 47}}},
      {{{-7, 42}, {-7, 42}, {-10, 40}, {-3, 44}}},
      {{{-8, 44}, {-8, 44}, {-11, 45}, {-4, 46}}}}},
    {{{{{33, 44}, {32, 46}, {41, 46}, {30, 47}}},
      {{{33, 44}, {32, 46}, {41, 46}, {30, 47}}},
      {{{28, 42}, {27, 42}, {34, 40}, {23, 44}}},
      {{{33, 44}, {33, 45}, {38, 45}, {30, 46}}}}},
}};

// Accessory offsets and sheet rectangles: robes and the bow from the torso by torso choice,
// caps from the head by head choice.
struct TAccessory {
    TFour Offsets;
    TRect Source;
};
constexpr std::array<TAccessory, kDollRobeCount> kRobes{{
    {{{{-11, 3}, {-10, 4}, {-12, 8}, {-10, 5}}}, R(86, 209, 158, 275)},
    {{{{-16, 2}, {-18, 5}, {-19, 2}, {-16, 4}}}, R(0, 294, 86, 371)},
    {{{{-13, 3}, {-13, 3}, {-14, 8}, {-12, 5}}}, R(0, 371, 75, 442)},
    {{{{-18, 3}, {-19, 6}, {-19, 5}, {-20, 5}}}, R(86, 296, 172, 363)},
    {{{{-17, 4}, {-18, 5}, {-19, 5}, {-18, 5}}}, R(0, 217, 86, 294)},
    {{{{2, 34}, {2, 35}, {1, 34}, {1, 36}}}, R(86, 363, 135, 394)},
}};
constexpr std::array<TAccessory, kDollBowCount> kBows{{
    {{{{8, 6}, {8, 6}, {7, 10}, {9, 6}}}, R(86, 275, 118, 291)},
}};
constexpr std::array<TAccessory, kDollCapCount> kCaps{{
    {{{{0, -4}, {0, -4}, {1, -10}, {4, -3}}}, R(118, 275, 161, 296)},
    {{{{-22, -17}, {-22, -17}, {-20, -20}, {-18, -14}}}, R(134, 399, 194, 442)},
    {{{{4, -15}, {4, -15}, {6, -20}, {7, -15}}}, R(75, 394, 134, 437)},
    {{{{1, -42}, {1, -42}, {4, -48}, {7, -43}}}, R(158, 208, 195, 267)},
    {{{{3, -11}, {3, -11}, {4, -12}, {8, -10}}}, R(161, 267, 195, 293)},
    {{{{-10, -23}, {-10, -23}, {-5, -25}, {-5, -22}}}, R(135, 363, 186, 399)},
}};

constexpr std::array<std::uint8_t, 3> kAccessoryCounts{kDollRobeCount, kDollBowCount, kDollCapCount};

const TAccessory* AccessoryOf(int which, std::uint8_t choice) {
    if (which < 0 || which > 2 || choice < 1 || choice > kAccessoryCounts[std::size_t(which)]) return nullptr;
    const std::size_t index = choice - 1u;
    if (which == 0) return &kRobes[index];
    if (which == 1) return &kBows[index];
    return &kCaps[index];
}

TPoint Plus(TPoint a, TPoint b) { return TPoint{a.X + b.X, a.Y + b.Y}; }

// A choice counting as 1 where a table needs one and none is made.
std::size_t Row(std::uint8_t choice) { return choice == 0 ? 0 : choice - 1u; }

}  // namespace

TRect DollPartSource(int part, std::uint8_t choice, bool singing) {
    if (part < 1 || part > kDollPartCount || choice < 1 || choice > kDollChoiceCount) return TRect{};
    if (singing && part == kDollHead) return kSingingHeads[choice - 1u];
    return kPartSources[std::size_t(part - 1)][choice - 1u];
}

TRect DollAccessorySource(int which, std::uint8_t choice) {
    const TAccessory* accessory = AccessoryOf(which, choice);
    return accessory != nullptr ? accessory->Source : TRect{};
}

TDoll::TDoll() { Recalc(); }

std::unique_ptr<TDoll> TDoll::Clone() const {
    auto copy = std::make_unique<TDoll>();
    copy->FParts = FParts;
    copy->FPartPositions = FPartPositions;
    copy->FAccessories = FAccessories;
    copy->FAccessoryPositions = FAccessoryPositions;
    return copy;
}

bool TDoll::IsComplete() const {
    for (const std::uint8_t choice : FParts)
        if (choice == 0) return false;
    return true;
}

void TDoll::SetPart(int part, std::uint8_t choice) {
    if (part < 1 || part > kDollPartCount || choice > kDollChoiceCount) return;
    FParts[std::size_t(part - 1)] = choice;
    Recalc();
}

void TDoll::SetAccessoryR(std::uint8_t choice) {
    if (choice > kDollRobeCount) return;
    FAccessories[0] = choice;
    Recalc();
}

void TDoll::SetAccessoryX(std::uint8_t choice) {
    if (choice > kDollBowCount) return;
    FAccessories[1] = choice;
    Recalc();
}

void TDoll::SetAccessoryC(std::uint8_t choice) {
    if (choice > kDollCapCount) return;
    FAccessories[2] = choice;
    Recalc();
}

std::uint8_t TDoll::Part(int part) const {
    return part >= 1 && part <= kDollPartCount ? FParts[std::size_t(part - 1)] : 0;
}

TPoint TDoll::PartPosition(int part) const {
    return part >= 1 && part <= kDollPartCount ? FPartPositions[std::size_t(part - 1)] : TPoint{};
}

TPoint TDoll::AccessoryPosition(int which) const {
    return which >= 0 && which <= 2 ? FAccessoryPositions[std::size_t(which)] : TPoint{};
}

void TDoll::Recalc() {
    const std::size_t torso = Row(FParts[0]);
    const TPoint torsoAt = kTorsoPositions[torso];
    FPartPositions[0] = torsoAt;
    for (std::size_t part = 1; part < kDollPartCount; ++part) {
        const std::uint8_t choice = FParts[part];
        FPartPositions[part] = choice == 0 ? TPoint{} : Plus(torsoAt, kPartOffsets[part - 1][torso][choice - 1u]);
    }
    // Caps sit on the head, or where a first head would be.
    const std::size_t head = Row(FParts[1]);
    const TPoint headAt = Plus(torsoAt, kPartOffsets[0][torso][head]);
    for (int which = 0; which < 3; ++which) {
        const TAccessory* accessory = AccessoryOf(which, FAccessories[std::size_t(which)]);
        TPoint& at = FAccessoryPositions[std::size_t(which)];
        if (accessory == nullptr)
            at = TPoint{};
        else if (which == 2)
            at = Plus(headAt, accessory->Offsets[head]);
        else
            at = Plus(torsoAt, accessory->Offsets[torso]);
    }
}

void TDoll::Draw(TAC8ImageData& image, const TAC8ImageData& sheet, TPoint origin) const {
    const auto part = [&](int number) {
        const std::uint8_t choice = Part(number);
        if (choice == 0) return;
        image.Blit(Plus(origin, PartPosition(number)), sheet, DollPartSource(number, choice, Singing));
    };
    const auto accessory = [&](int which) {
        const std::uint8_t choice = FAccessories[std::size_t(which)];
        if (choice == 0) return;
        image.Blit(Plus(origin, AccessoryPosition(which)), sheet, DollAccessorySource(which, choice));
    };
    part(kDollLeg1);
    part(kDollLeg2);
    part(kDollArm1);
    part(kDollArm2);
    part(kDollTorso);
    accessory(0);
    part(kDollHead);
    accessory(1);
    accessory(2);
}

void TDoll::WriteToStream(TStream& s) const {
    // The format byte is the plain node's class id.
    WriteByte(s, ClassId);
    for (std::size_t part = 0; part < kDollPartCount; ++part) {
        WritePoint(s, FPartPositions[part]);
        WriteByte(s, FParts[part]);
    }
    for (const std::uint8_t choice : FAccessories) WriteByte(s, choice);
    for (const TPoint& at : FAccessoryPositions) WritePoint(s, at);
}

void TDoll::ReadFromStream(TStream& s) {
    ReadMarker(s, 0);
    std::array<std::uint8_t, kDollPartCount> parts{};
    TPoint ignored;
    for (std::uint8_t& choice : parts) {
        ReadPoint(s, ignored);
        choice = ReadU8In(s, 0, kDollChoiceCount);
    }
    std::array<std::uint8_t, 3> accessories{};
    for (std::size_t which = 0; which < 3; ++which) {
        accessories[which] = ReadU8In(s, 0, kAccessoryCounts[which]);
    }
    for (int which = 0; which < 3; ++which) ReadPoint(s, ignored);
    FParts = parts;
    FAccessories = accessories;
    Singing = false;
    Recalc();
}
