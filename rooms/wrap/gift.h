#pragma once
// One gift: what an activity made (its kind and variant), and how the child wrapped it: paper,
// ribbon, bow and the bow's place along the ribbon, and a name tag with a greeting in one of
// the configuration's tag languages. Gifts lie on the wrapping table, under the living-room
// tree and in the show room; they are never saved, so they last until the program ends.
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/node_list.h"
#include "rooms/questions/gift_table.h"

class TGameContext;

// Papers 1 to 4, ribbons 1 to 3, bows 1 to 3; 0 is none for each.
inline constexpr std::uint8_t kPaperCount = 4;
inline constexpr std::uint8_t kRibbonCount = 3;
inline constexpr std::uint8_t kBowCount = 3;
// The configuration's tag languages, 0 to 12.
inline constexpr std::uint8_t kTagLanguageCount = 13;
// The host's gift always greets in North American English.
inline constexpr std::uint8_t kNorthAmericanTag = 4;

class TGift : public TVekNode {
public:
    // A gift of kind 0 to 5 with its variant, in no paper, with a freshly chosen tag (language
    // and name) but not tagged. A kind outside 0 to 5 raises VekException.
    TGift(std::uint8_t kind, std::uint8_t detail, TGameContext& context);

    // A new gift of the same kind and detail with every other field copied, so the copy
    // keeps this gift's tag language, recipient and name id.
    std::unique_ptr<TGift> Clone(TGameContext& context) const;

    // A new tag language from the configuration's enabled ones, and a new name: one of the
    // configuration's own names when its list is in use and not empty, else a given name of
    // the game's string table (the recipient is then left as it was). The configuration and
    // the random numbers are the context's.
    void ChooseTag(TGameContext& context);
    // The name written on the tag: the recipient, or the given name of the name id.
    std::u16string TagName() const;

    // 1 for the train layout and the card game, 2 for the doll and the cookies, 3 for the
    // slate toy and the puzzle.
    static std::uint8_t SizeClassOf(std::uint8_t kind);

    std::uint8_t Kind = 0;
    std::uint8_t SizeClass = 1;
    std::uint8_t Paper = 0;
    std::uint8_t Ribbon = 0;
    std::uint8_t Bow = 0;
    // Percent of the bow's travel along its ribbon.
    std::int16_t BowPosition = 0;
    std::uint8_t Detail = 0;
    bool Tagged = false;
    std::u16string Recipient;
    std::uint8_t TagLanguage = 0;
    std::uint16_t NameId = 0;
    // The small tag's place relative to the gift's top-left corner.
    std::int32_t TagX = 0;
    std::int32_t TagY = 0;
};
