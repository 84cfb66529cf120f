#include "rooms/wrap/gift.h"

#include "foundation/config.h"
#include "foundation/vek_exception.h"
#include "shell/game_context.h"
#include "shell/strings/game_string.h"

TGift::TGift(std::uint8_t kind, std::uint8_t detail, TGameContext& context) : Kind(kind), Detail(detail) {
    if (kind >= kGiftKinds) throw VekException("Error GF1 (gift kind out of range)");
    SizeClass = SizeClassOf(kind);
    ChooseTag(context);
}

std::uint8_t TGift::SizeClassOf(std::uint8_t kind) { return static_cast<std::uint8_t>(kind / 2 + 1); }

std::unique_ptr<TGift> TGift::Clone(TGameContext& context) const {
    auto copy = std::make_unique<TGift>(Kind, Detail, context);
    copy->SizeClass = SizeClass;
    copy->Paper = Paper;
    copy->Ribbon = Ribbon;
    copy->Bow = Bow;
    copy->BowPosition = BowPosition;
    copy->Tagged = Tagged;
    copy->Recipient = Recipient;
    copy->TagLanguage = TagLanguage;
    copy->NameId = NameId;
    copy->TagX = TagX;
    copy->TagY = TagY;
    return copy;
}

void TGift::ChooseTag(TGameContext& context) {
    platform::RandomNumbers& random = context.RandomNumbers();
    const TConfig* config = context.Services().Config;
    const int language = config != nullptr ? config->PickRandomTag(random) : random.Next(kTagLanguageCount);
    TagLanguage = static_cast<std::uint8_t>(language >= 0 && language < kTagLanguageCount ? language : 0);
    if (config != nullptr && config->UsesCustomList()) {
        Recipient = config->PickRandomName(random);
        // An own list the parent left empty: a given name of the game's table, so a tag never
        // goes out without a name.
        if (!Recipient.empty()) return;
    }
    NameId = static_cast<std::uint16_t>(FirstGivenName + random.Next(GivenNameCount));
}

std::u16string TGift::TagName() const { return !Recipient.empty() ? Recipient : GameString(NameId); }
