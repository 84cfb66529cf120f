#pragma once
// The parts of the doll being dressed in the doll room "DOLLS", which the workshop's work table
// shows as loose parts. Each choice is 1 to 4, 0 when not chosen; arms and legs give the choice
// of the first of the pair.
#include <cstdint>

class TRoomWorld;

struct TDollPartChoices {
    std::uint8_t Head = 0;
    std::uint8_t Torso = 0;
    std::uint8_t Arms = 0;
    std::uint8_t Legs = 0;
    friend bool operator==(const TDollPartChoices&, const TDollPartChoices&) = default;
};

class TDollPartsAnswer {
public:
    virtual ~TDollPartsAnswer() = default;
    virtual TDollPartChoices CurrentDollParts() const = 0;
};

// Nothing chosen while the house has no doll room; a choice above 4 is given as 0.
TDollPartChoices CurrentDollParts(const TRoomWorld& world);
