#pragma once
// The wrapping table "WRAP", as the activity rooms see it: what a room's WRAP command puts on
// the table, and the kinds of gift the rooms of the house make.
#include <cstdint>

class TRoomWorld;

// Gift kinds: what lies in the open box, and the gift's size class.
inline constexpr std::uint8_t kTrainGift = 0;
inline constexpr std::uint8_t kCardGameGift = 1;
inline constexpr std::uint8_t kDollGift = 2;
inline constexpr std::uint8_t kCookieGift = 3;
inline constexpr std::uint8_t kSlateToyGift = 4;
inline constexpr std::uint8_t kPuzzleGift = 5;
inline constexpr std::uint8_t kGiftKinds = 6;

class TGiftTable {
public:
    virtual ~TGiftTable() = default;
    // A new gift of `kind` with its variant `detail` (doll head - 1, puzzle size - 2, else 0)
    // on the table; the gift already there is carried on as the wrapping room's rules say.
    virtual void SetGift(std::uint8_t kind, std::uint8_t detail) = 0;
};

// An activity room's WRAP: the new gift goes onto the table of the room "WRAP" and the world
// goes there. Without a wrapping room nothing happens and false is returned, so the room keeps
// what the child made.
bool WrapAsGift(TRoomWorld& world, std::uint8_t kind, std::uint8_t detail);

// Each room that makes gifts registers its kind with the number of details it uses (1 when
// the detail is always 0). An unregistered kind, or a detail outside its count, is refused by
// WrapAsGift (false).
void RegisterGiftKind(std::uint8_t kind, std::uint8_t detailCount);
// The number of details of a registered kind; 0 for a kind no room registered.
std::uint8_t GiftDetailCount(std::uint8_t kind);
