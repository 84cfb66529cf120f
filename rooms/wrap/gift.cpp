#include "rooms/wrap/gift.h"

#include "foundation/config.h"
#include "foundation/vek_exception.h"
#include "platform/random.h"
#include "shell/game_services.h"
#include "shell/strings/game_string.h"

TGift::TGift(std::uint8_t kind, std::uint8_t detail) : Kind(kind), Detail(detail) {
    if (kind >= kGiftKinds) throw VekException("Error GF1 (gift kind out of range)");
    SizeClass = SizeClassOf(kind);
    ChooseTag();
}

std::uint8_t TGift::SizeClassOf(std::uint8_t kind) { return static_cast<std::uint8_t>(kind / 2 + 1); }

std::unique_ptr<TGift> TGift::Clone() const {
    auto copy = std::make_unique<TGift>(Kind, Detail);
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

void TGift::ChooseTag() {
    const TConfig* config = GameServices().Config;
    const int language = config != nullptr ? config->PickRandomTag() : platform::Random(kTagLanguageCount);
    TagLanguage = static_cast<std::uint8_t>(language >= 0 && language < kTagLanguageCount ? language : 0);
    if (config != nullptr && config->UsesCustomList()) {
        Recipient = config->PickRandomName();
        // An own list the parent left empty: a given name of the game's table, so a tag never
        // goes out without a name.
        if (!Recipient.empty()) return;
    }
    NameId = static_cast<std::uint16_t>(FirstGivenName + platform::Random(GivenNameCount));
}

std::u16string TGift::TagName() const { return !Recipient.empty() ? Recipient : GameString(NameId); }
