#pragma once
// The puzzle room's "current-puzzle number", which the workshop's work table and the doll
// room's stage show: the size of the puzzle on the machine minus 1 (1 to 3), 0 with none.
class TRoomWorld;

class TCurrentPuzzleAnswer {
public:
    virtual ~TCurrentPuzzleAnswer() = default;
    virtual int CurrentPuzzleNumber() const = 0;
};

// 0 while the house has no puzzle room "PUZZLE"; the answer is kept within 0 to 3.
int CurrentPuzzleNumber(const TRoomWorld& world);
