#pragma once
// The doll the child dresses in the doll room: four kinds of body part (torso, head, a pair of
// arms, a pair of legs) in four looks each, and up to three accessories worn over them (a
// robe or dress "R", a bow "X", a cap or hat "C"). Every position follows from the choices,
// so the doll is drawn the same wherever it appears: on the stage, in the album, on paper.
// All pieces come from one sheet, the room's graphics picture "dollgfx".
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "foundation/node_list.h"

class TAC8ImageData;
class TStream;

// Parts, numbered as the doll's setters take them.
inline constexpr int kDollTorso = 1;
inline constexpr int kDollHead = 2;
inline constexpr int kDollArm1 = 3;
inline constexpr int kDollArm2 = 4;
inline constexpr int kDollLeg1 = 5;
inline constexpr int kDollLeg2 = 6;
inline constexpr int kDollPartCount = 6;
inline constexpr std::uint8_t kDollChoiceCount = 4;
// Accessory choices: robes 1 to 6, the bow 1, caps 1 to 6; 0 wears none.
inline constexpr std::uint8_t kDollRobeCount = 6;
inline constexpr std::uint8_t kDollBowCount = 1;
inline constexpr std::uint8_t kDollCapCount = 6;

// The graphics picture the pieces are cut from.
inline constexpr const char* kDollSheetName = "dollgfx";

class TDoll : public TVekNode {
public:
    // Nothing chosen; the torso's place is already that of the first torso.
    TDoll();

    // The same choices and positions, not singing.
    std::unique_ptr<TDoll> Clone() const;

    // All six parts chosen.
    bool IsComplete() const;
    // Part 1 to 6 and choice 0 to 4; anything outside is ignored. Each setter recalculates
    // the positions.
    void SetPart(int part, std::uint8_t choice);
    void SetAccessoryR(std::uint8_t choice);
    void SetAccessoryX(std::uint8_t choice);
    void SetAccessoryC(std::uint8_t choice);

    // Part 1 to 6; 0 for another number.
    std::uint8_t Part(int part) const;
    TPoint PartPosition(int part) const;
    std::uint8_t AccessoryR() const { return FAccessories[0]; }
    std::uint8_t AccessoryX() const { return FAccessories[1]; }
    std::uint8_t AccessoryC() const { return FAccessories[2]; }
    // 0 R, 1 X, 2 C.
    TPoint AccessoryPosition(int which) const;

    // Draws the chosen parts and the worn accessories back to front (legs, arms, torso, robe,
    // head, bow, cap) with the doll's origin at `origin`, cut from the sheet.
    void Draw(TAC8ImageData& image, const TAC8ImageData& sheet, TPoint origin) const;

    // The doll's stream: a format byte 0, then each part's position and choice, the three
    // accessory choices and their positions. A format byte other than 0 or a choice outside
    // its table raises "Saved game is damaged." and leaves the doll as it was. The positions
    // read are not trusted: they are worked out again from the choices.
    void ReadFromStream(TStream& s);
    void WriteToStream(TStream& s) const;

    // Drawn with the singing head; not kept in the stream.
    bool Singing = false;

private:
    void Recalc();

    std::array<std::uint8_t, kDollPartCount> FParts{};
    std::array<TPoint, kDollPartCount> FPartPositions{};
    std::array<std::uint8_t, 3> FAccessories{};
    std::array<TPoint, 3> FAccessoryPositions{};
};

// Where each piece lies in the sheet; the room's pickers and the tests use the same table.
// Part 1 to 6 and choice 1 to 4; the empty rectangle for anything else.
TRect DollPartSource(int part, std::uint8_t choice, bool singing = false);
// 0 R, 1 X, 2 C; choice 1 up to the kind's count.
TRect DollAccessorySource(int which, std::uint8_t choice);
