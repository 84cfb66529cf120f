#include "rooms/living/living_room.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/picture_handles.h"
#include "engine/sound/midi_player.h"
#include "platform/clock.h"
#include "rooms/album/album_room.h"
#include "rooms/living/living_pieces.h"
#include "rooms/living/living_words.h"
#include "rooms/questions/house_tree.h"
#include "rooms/questions/toys_in_repair.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/game_services.h"
#include "shell/hit_box.h"
#include "shell/music_ended.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/game_context.h"
#include "shell/songs.h"
#include "shell/timer_codes.h"

using namespace living;
namespace words = living_words;

namespace {

// Timer delays, in ticks.
constexpr std::int32_t kFirstFireDelay = 10;
constexpr std::int32_t kFireDelay = 2;
constexpr std::int32_t kFirstTwinkleDelay = 11;
constexpr std::int32_t kTwinkleDelay = 3;
constexpr std::int32_t kClockDelay = 300;
constexpr std::int32_t kFirstPendulumDelay = 28;
constexpr std::int32_t kPendulumDelay = 19;
constexpr std::int32_t kCuckooAfterTimer = 5;
constexpr std::int32_t kCuckooStepDelay = 3;
constexpr std::int32_t kCuckooCallDelay = 15;
constexpr std::int32_t kRadioBlinkDelay = 7;
constexpr std::int32_t kRadioBlinkOnEntry = 15;

// Sounds.
constexpr std::int32_t kSoundGiftShown = 13;
constexpr std::int32_t kSoundCuckooCall = 15;
constexpr std::int32_t kSoundFirstTalk = 18;
constexpr std::int32_t kSoundFirstAnnouncement = 21;
constexpr int kTalkCount = 3;
// The sound-list entries the announcements play as, which end in "ENDOFSOUND".
constexpr int kFirstAnnouncementEntry = 22;
constexpr int kLastAnnouncementEntry = 24;

// The cuckoo's frames: 0 inside the clock to 4 all the way out; it calls at 3.
constexpr std::int16_t kBirdInside = 0;
constexpr std::int16_t kBirdOut = 4;
constexpr std::int16_t kBirdCalls = 3;
constexpr std::uint16_t kNoMinute = 60;
constexpr std::uint16_t kCallsAtTwelve = 12;

// The host's gift: always tagged in North American English, to one of four friends.
constexpr std::array<std::u16string_view, 4> kHostRecipients{u"Mrs. Fennick", u"Pomwick", u"The littlest elf",
                                                             u"Uncle Juvrel"};
constexpr std::uint8_t kHostPaper = 2;
constexpr std::int32_t kHostTagX = 30;
constexpr std::int32_t kHostTagY = 5;

constexpr TRect ShiftedBy(const TRect& r, std::int32_t dx) { return TRect{r.Left - dx, r.Top, r.Right - dx, r.Bottom}; }

std::string GiftBoxName(int slot) { return std::string(words::kGiftStem) + std::to_string(slot); }

// The slot number of a gift box ("GIFT" and 1 to 11); 0 for any other name.
int GiftSlotOf(const std::string& sender) {
    constexpr std::size_t stem = words::kGiftStem.size();
    if (sender.size() < stem + 1 || sender.size() > stem + 2 || sender.compare(0, stem, words::kGiftStem) != 0) return 0;
    int slot = 0;
    const auto [end, error] = std::from_chars(sender.data() + stem, sender.data() + sender.size(), slot);
    if (error != std::errc{} || end != sender.data() + sender.size()) return 0;
    return slot >= 1 && slot <= kGiftSlots ? slot : 0;
}

// The sound-list entry an "ENDOFSOUND" names, as a byte; text that is no number is 0.
int SoundEntryOf(const std::string& text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return static_cast<int>(value & 0xFFu);
}

platform::TimeOfDay LocalTime(const TGameServices& services) {
    const platform::Clock* clock = services.Clock;
    platform::TimeOfDay t = clock != nullptr ? clock->LocalTimeOfDay() : platform::SystemTimeOfDay();
    // The hands come from cells of the sheet: a time outside the day must not reach past them.
    t.Hour = std::clamp(t.Hour, 0, 23);
    t.Minute = std::clamp(t.Minute, 0, 59);
    return t;
}

bool SongsEnabled(const TGameServices& services) {
    const TMidiPlayer* songs = services.Songs;
    return songs != nullptr && songs->Enabled();
}

bool SongPlaying(const TGameServices& services) {
    const TMidiPlayer* songs = services.Songs;
    return songs != nullptr && songs->CurrentTag() > 0;
}

}  // namespace

TLivingRoom::TLivingRoom(std::string_view name) : TWideRoom(name) {
    SetAuxImageName("livgfx");
    Width = static_cast<std::uint16_t>(kRoomWidth);
    Flags |= kRoomSnapEnabled;
}

TLivingRoom::~TLivingRoom() = default;

std::int32_t TLivingRoom::GiftCount() const { return FGifts.CachedCount(); }

const TGift* TLivingRoom::GiftInSlot(int slot) const {
    if (slot < 1 || slot > GiftCount()) return nullptr;
    return FGifts.GetNode(slot);
}

// --- Entering and leaving ---

void TLivingRoom::Enter(const std::string& fromRoom) {
    TWideRoom::Enter(fromRoom);
    FClockPresent = !ClockInRepair(World());
    FRadioPresent = !RadioInRepair(World());
    AddTimer(TTimerCode::Animate, kFirstFireDelay);
    AddTimer(TTimerCode::Flash, kFirstTwinkleDelay);
    TFrameSet& pendulum = FindFrameSetOrFail(FrameSets(), words::kPendulum);
    TFrameSet& bird = FindFrameSetOrFail(FrameSets(), words::kCuckooBird);
    pendulum.Visible = FClockPresent;
    bird.Visible = FClockPresent;
    FCallsLeft = 0;
    FMinuteShown = kNoMinute;
    FLastCuckooMinute = kNoMinute;
    FBirdGoingOut = false;
    // A visit ended while the cuckoo was out leaves no bird hanging from the clock: its
    // steps died with the room's timers.
    bird.CurrentFrame = kBirdInside;
    // The pendulum's two pairs of frames: each visit shows the other pair.
    pendulum.CurrentFrame = static_cast<std::int16_t>(pendulum.CurrentFrame ^ 2);
    FindFrameSetOrFail(FrameSets(), words::kSlateToyHome).CurrentFrame = SlateToyInRepair(World()) ? 0 : 1;
    // Coming back from an activity with the view away from the tree leaves the wrapped gift on
    // its table until the child scrolls back.
    FCameFromActivity = !fromRoom.empty() && words::kActivityRooms.find("!" + fromRoom + "!") != std::string_view::npos;
    CollectWrappedGift(false);
    if (FClockPresent) {
        AddTimer(TTimerCode::Timer, kClockDelay);
        AddTimer(TTimerCode::Tick, kFirstPendulumDelay);
    }
    if ((World().GetFlags() & kWorldLivingMusic) != 0) {
        RemoveTimer(TTimerCode::RadioFlash);
        AddTimer(TTimerCode::RadioFlash, kRadioBlinkOnEntry);
    } else {
        FRadioMode = 0;
    }
    UpdateScrollButtons();
}

void TLivingRoom::ReleaseGraphics(bool final) {
    TWideRoom::ReleaseGraphics(final);
    FHostGift.reset();
    if (final) {
        // The tree room may already be gone while the house is taken down; it frees its own.
        FGifts.Clear();
    } else if (GetWorld() != nullptr) {
        ReleaseHouseTreePictures(*GetWorld());
    }
}

// --- Boxes ---

void TLivingRoom::UpdateRoomBoxes() {
    const bool atTree = ScrollOffset == 0;
    // A way to a room the house does not have leads nowhere.
    for (auto* box : NodesOf<THitBox>(HitBoxes()))
        if (const auto* way = dynamic_cast<const TGoBox*>(box))
            box->SetEnabled(World().FindRoom(way->GetTarget()) != nullptr && (box->GetID() != words::kTreeWay || atTree));
    FindNodeOrFail<THitBox>(HitBoxes(), words::kRadioBox).SetEnabled(FRadioPresent);
    for (int slot = 1; slot <= kGiftSlots; ++slot)
        FindNodeOrFail<THitBox>(HitBoxes(), GiftBoxName(slot)).SetEnabled(atTree && slot <= GiftCount());
}

void TLivingRoom::UpdateScrollButtons() {
    UpdateRoomBoxes();
    TWideRoom::UpdateScrollButtons();
}

// --- The wrapping table ---

void TLivingRoom::CollectWrappedGift(bool force) {
    TWrapRoom* table = GetWorld() != nullptr ? FindWrapRoom(*GetWorld(), kWrapRoomName) : nullptr;
    int state = table != nullptr ? table->GiftState() : 0;
    if (force || !FCameFromActivity || ScrollOffset == 0) {
        if (state >= 2) {
            if (std::unique_ptr<TGift> gift = table->TakeGift()) {
                FGifts.Append(std::move(gift));
                if (FGifts.CachedCount() > kGiftSlots) FGifts.RemoveFirst();
            }
        } else if (state == 1) {
            table->DropGift();
        }
        state = 0;
    }
    SetFrame(words::kSlateToyOnTable, table != nullptr && table->SlateOnTable() ? 0 : 1);
    SetFrame(words::kTableGift, static_cast<std::int16_t>(std::clamp(state, 0, 5)));
    MakeHostGift();
}

void TLivingRoom::MakeHostGift() {
    FHostGift.reset();
    auto gift = std::make_unique<TGift>(static_cast<std::uint8_t>(Random(kGiftKinds)), std::uint8_t{0}, Context());
    // Set, not drawn from the configuration: the host writes in one language whatever the
    // child's settings allow.
    gift->TagLanguage = kNorthAmericanTag;
    gift->Paper = kHostPaper;
    gift->Ribbon = static_cast<std::uint8_t>(1 + Random(kRibbonCount));
    gift->Bow = 0;
    gift->Tagged = true;
    gift->TagX = kHostTagX;
    gift->TagY = kHostTagY;
    gift->Recipient = std::u16string(kHostRecipients[static_cast<std::size_t>(Random(4))]);
    FHostGift = std::move(gift);
}

void TLivingRoom::ShowGiftOf(const TGift* gift) {
    TWrapRoom* show = FindWrapRoom(World(), kShowRoomName);
    if (gift == nullptr || show == nullptr) return;
    show->ShowGift(gift->Clone(Context()));
    World().GoRoom(kShowRoomName);
    PlaySound(kSoundGiftShown);
}

// --- Command words ---

void TLivingRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == words::kTwinkleTimer) {
        if ((World().GetFlags() & kWorldIdle) != 0)
            if (TAC8ImageData* view = ShownView())
                TwinkleHouseTree(World(), *view, TPoint{kTreeOrigin.X - ScrollOffset, kTreeOrigin.Y});
        AddTimer(TTimerCode::Flash, kTwinkleDelay);
    } else if (sender == words::kFireTimer) {
        if ((World().GetFlags() & kWorldIdle) != 0) {
            TFrameSet& fire = FindFrameSetOrFail(FrameSets(), words::kFire);
            SetFrame(words::kFire, static_cast<std::int16_t>(Random(fire.GetFrameCount())));
        }
        AddTimer(TTimerCode::Animate, kFireDelay);
    } else if (script == words::kShowGift) {
        // Characters beyond the box names of the slots are ignored, as is a slot without a gift.
        if (const int slot = GiftSlotOf(sender); slot != 0) ShowGiftOf(GiftInSlot(slot));
    } else if (script == words::kShowHostGift) {
        ShowGiftOf(FHostGift.get());
    } else if (sender == words::kPendulumTimer) {
        TFrameSet& pendulum = FindFrameSetOrFail(FrameSets(), words::kPendulum);
        SetFrame(words::kPendulum, static_cast<std::int16_t>(pendulum.CurrentFrame ^ 1));
        AddTimer(TTimerCode::Tick, kPendulumDelay);
    } else if (sender == words::kClockTimer) {
        OnClockTimer();
    } else if (script == words::kCallCuckoo) {
        // A clock away for repair has no cuckoo to click.
        if (FClockPresent) {
            RemoveTimer(TTimerCode::Cuckoo);
            FCallsLeft = 0;
            AddTimer(TTimerCode::Cuckoo, 1);
        }
    } else if (sender == words::kCuckooTimer) {
        CuckooStep();
    } else if (sender == words::kScrollLeft || sender == words::kScrollRight) {
        Scroll(script, sender);
    } else if (sender == words::kSnap) {
        if (SnapHouseTree(World())) RunScript("", std::string(room_words::kSnapFlash));
    } else if (script == words::kRadio) {
        FRadioMode = static_cast<std::uint8_t>((FRadioMode + 1) % 3);
        RedrawRadio();
        StartRadio();
    } else if (script == room_words::kEndOfSound) {
        SoundEnded(sender);
    } else if (sender == words::kMusicEnded) {
        MusicStopped();
    } else if (sender == words::kRadioBlinkTimer) {
        FRadioLight = !FRadioLight;
        RedrawRadio();
        RemoveTimer(TTimerCode::RadioFlash);
        AddTimer(TTimerCode::RadioFlash, kRadioBlinkDelay);
    } else if (sender == room_words::kTutor) {
        World().GoRoom(words::kHelpPage);
    } else {
        TWideRoom::RunScript(script, sender);
    }
}

void TLivingRoom::Scroll(const std::string& script, const std::string& sender) {
    const bool wasAtTree = ScrollOffset == 0;
    if (sender == words::kScrollLeft) CollectWrappedGift(true);
    TWideRoom::RunScript(script, sender);
    UpdateRoomBoxes();
    const bool atTree = ScrollOffset == 0;
    if (atTree != wasAtTree) {
        // The camera is offered only while the tree is in view.
        if (atTree)
            Flags |= kRoomSnapEnabled;
        else
            Flags &= static_cast<std::uint16_t>(~kRoomSnapEnabled);
        World().UpdateActionButtons(*this);
    }
}

// --- The clock ---

void TLivingRoom::OnClockTimer() {
    if (FClockPresent) {
        if (TAC8ImageData* view = ShownView(); view != nullptr && AuxImage() != nullptr)
            DrawClock(*view);
        else
            ReadClockMinute();
    }
    AddTimer(TTimerCode::Timer, kClockDelay);
    if (FMinuteShown != 0)
        FCallsLeft = 0;
    else if (FCallsLeft == 0)
        FCallsLeft = kCallsAtTwelve;
    if (FMinuteShown < kNoMinute && FMinuteShown % 15 == 0 && FMinuteShown != FLastCuckooMinute) {
        AddTimer(TTimerCode::Cuckoo, kCuckooAfterTimer);
        FLastCuckooMinute = FMinuteShown;
    }
}

platform::TimeOfDay TLivingRoom::ReadClockMinute() {
    const platform::TimeOfDay now = LocalTime(GameServices());
    if (now.Minute != FMinuteShown) {
        FCallsLeft = static_cast<std::uint16_t>(now.Hour % 12);
        FMinuteShown = static_cast<std::uint16_t>(now.Minute);
    }
    return now;
}

void TLivingRoom::DrawClock(TAC8ImageData& view) {
    const TAC8ImageData& sheet = *AuxImage();
    const platform::TimeOfDay now = ReadClockMinute();
    const TPoint face{kClockFaceAt.X - ScrollOffset, kClockFaceAt.Y};
    view.Blit(face, sheet, kClockFace);
    const TPoint hands = PointAdd(face, kHandOffset);
    view.Blit(hands, sheet, kHandDisc);
    view.Blit(hands, sheet, HourHandCell(now.Hour, now.Minute));
    view.Blit(hands, sheet, MinuteHandCell(now.Minute));
}

void TLivingRoom::CuckooStep() {
    TFrameSet& bird = FindFrameSetOrFail(FrameSets(), words::kCuckooBird);
    std::int16_t f = std::clamp<std::int16_t>(bird.CurrentFrame, kBirdInside, kBirdOut);
    if (f == kBirdInside || f == kBirdOut) FBirdGoingOut = f == kBirdInside;
    std::int32_t delay = kCuckooStepDelay;
    f = static_cast<std::int16_t>(FBirdGoingOut && f < kBirdOut ? f + 1 : f - 1);
    SetFrame(words::kCuckooBird, f);
    if (f == kBirdCalls) {
        if (FBirdGoingOut || FCallsLeft > 0) PlaySound(kSoundCuckooCall);
        if (FCallsLeft > 0) {
            --FCallsLeft;
            FBirdGoingOut = true;
            delay = kCuckooCallDelay;
        }
    }
    if (f != kBirdInside) AddTimer(TTimerCode::Cuckoo, delay);
}

// --- The radio ---

void TLivingRoom::StartRadio() {
    StopCurrentSound();
    if ((World().GetFlags() & kWorldLivingMusic) != 0) {
        World().StopMusic();
        World().SetRoomFlags(kWorldLivingMusic, false);
    }
    if (FRadioMode == 0) {
        // Switched off: the light goes out and stays out.
        RemoveTimer(TTimerCode::RadioFlash);
        FRadioLight = false;
        return;
    }
    if (FRadioMode == 1 || !SongsEnabled(GameServices())) {
        PlaySound(kSoundFirstTalk + Random(kTalkCount));
    } else {
        // The announcement first; its end starts the song.
        PlaySound(kSoundFirstAnnouncement + Random(kTalkCount));
        MusicEnded(World(), 0);
    }
    RemoveTimer(TTimerCode::RadioFlash);
    AddTimer(TTimerCode::RadioFlash, kRadioBlinkDelay);
}

void TLivingRoom::SoundEnded(const std::string& entry) {
    const int id = SoundEntryOf(entry);
    if (id >= kFirstAnnouncementEntry && id <= kLastAnnouncementEntry) {
        if (FRadioMode == 2 && !SongPlaying(GameServices())) {
            World().ProcessPendingMessages();
            World().PlayMusic(kAnyCarol);
            World().SetRoomFlags(kWorldLivingMusic, true);
        }
    } else if ((World().GetFlags() & kWorldLivingMusic) == 0) {
        FRadioLight = false;
        RedrawRadio();
        RemoveTimer(TTimerCode::RadioFlash);
    }
}

void TLivingRoom::MusicStopped() {
    if ((World().GetFlags() & kWorldLivingMusic) == 0) return;
    World().SetRoomFlags(kWorldLivingMusic, false);
    FRadioLight = false;
    RemoveTimer(TTimerCode::RadioFlash);
    RedrawRadio();
}

void TLivingRoom::RedrawRadio() {
    if (TAC8ImageData* view = ShownView())
        RedrawRect(view, ShiftedBy(MakeBounds(kRadioAt.X, kRadioAt.Y, kRadioCellWidth, kRadioCellHeight), ScrollOffset));
}

void TLivingRoom::DrawRadio(TAC8ImageData& view) {
    view.Blit(TPoint{kRadioAt.X - ScrollOffset, kRadioAt.Y}, *AuxImage(), RadioCell(FRadioPresent, FRadioMode, FRadioLight));
}

// --- Drawing ---

void TLivingRoom::DrawOverlays(TAC8ImageData* view) {
    TWideRoom::DrawOverlays(view);
    if (view == nullptr) return;
    const bool sheet = AuxImage() != nullptr;
    if (FClockPresent && sheet) DrawClock(*view);
    DrawHouseTree(World(), *view, TPoint{kTreeOrigin.X - ScrollOffset, kTreeOrigin.Y});
    if (auto* album = dynamic_cast<TAlbumRoom*>(World().FindRoom(words::kAlbumRoom)))
        album->DrawHungPicture(*view, ShiftedBy(kHungPicture, ScrollOffset));
    if (sheet) {
        DrawGifts(*view);
        DrawRadio(*view);
    }
}

void TLivingRoom::DrawGifts(TAC8ImageData& view) {
    view.Blit(TPoint{kUnderTreeAt.X - ScrollOffset, kUnderTreeAt.Y}, *AuxImage(), kUnderTreePatch);
    if (GiftCount() > 0) {
        TPictureHandle small(Library(), AC8ImageName("wrapsgfx"));
        if (small) {
            for (const int slot : kGiftDrawOrder) {
                const TGift* gift = GiftInSlot(slot);
                if (gift == nullptr) continue;
                const TPoint& at = kGiftSlotPoints[static_cast<std::size_t>(slot - 1)];
                const TRect covered = DrawSmallGift(view, TPoint{at.X - ScrollOffset, at.Y}, *small, *gift);
                FindNodeOrFail<THitBox>(HitBoxes(), GiftBoxName(slot)).Rect = covered;
            }
        }
    }
    UpdateRoomBoxes();
}
