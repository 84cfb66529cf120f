#pragma once
// The living room "LIVING", as the wrapping table sees it: a gift wrapped on the table is
// carried under the living-room tree.
class TRoomWorld;

class TWrappedGiftCollector {
public:
    virtual ~TWrappedGiftCollector() = default;
    // Takes a finished gift from the wrapping table (one in paper goes under the tree, an
    // unwrapped one is freed). Force collects it even while the living room shows its far end
    // after an activity.
    virtual void CollectWrappedGift(bool force) = 0;
};

// Asks the room "LIVING" to collect; nothing happens when the house has no such room (the
// wrapping table then drops the gift itself).
void CollectWrappedGift(TRoomWorld& world, bool force);
