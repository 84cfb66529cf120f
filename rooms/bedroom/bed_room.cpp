#include "bed_room.h"

#include <array>
#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "bed_room_words.h"
#include "shell/script_message.h"
#include "rooms/questions/toys_in_repair.h"
#include "jukebox_room.h"
#include "shell/hit_box.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/game_context.h"

namespace {

// Timers.
constexpr std::uint8_t kRedUpTimer = TimerCodeValue(TTimerCode::Red1);    // "RED1": the socks hop one step out
constexpr std::uint8_t kRedDownTimer = TimerCodeValue(TTimerCode::Red2);  // "RED2": the socks hop one step back
constexpr std::uint8_t kFlashTimer = TimerCodeValue(TTimerCode::Flash);   // "FLASH": the lamp flickers
constexpr std::uint8_t kRaiseTimer = TimerCodeValue(TTimerCode::Raise);   // "RAISE": the blind rolls up one step
constexpr std::uint8_t kLowerTimer = TimerCodeValue(TTimerCode::Lower);   // "LOWER": the blind comes down one step
// ("ANIMATE", n) for drawer n's toy.
constexpr std::uint8_t ArticleTimer(int drawer) { return static_cast<std::uint8_t>(6 + drawer); }

// Sounds.
constexpr std::int32_t kSoundArticleSettles = 4;
constexpr std::int32_t kSoundArticlePops = 5;
constexpr std::int32_t kSoundBookOpensCredits = 11;
constexpr std::int32_t kSoundBook = 12;
constexpr std::int32_t kSoundCoat = 25;
constexpr std::int32_t kSoundBlindRolling = 26;
constexpr std::int32_t kSoundDrawer = 27;
constexpr std::int32_t kSoundRedsAtFour = 28;
constexpr std::int32_t kSoundRedsAtTwo = 29;
constexpr std::int32_t kSoundLampSwitch = 30;
constexpr std::int32_t kSoundPailDown = 31;
constexpr std::int32_t kSoundPailUp = 32;
constexpr std::int32_t kSoundDoorOpens = 33;
constexpr std::int32_t kSoundDoorCloses = 34;
constexpr std::int32_t kSoundWatering = 35;

// Blind frames: 0 down, 1 and 2 between, 3 up, 4 rolling.
constexpr std::int16_t kBlindDown = 0;
constexpr std::int16_t kBlindUp = 3;
constexpr std::int16_t kBlindRolling = 4;
constexpr std::int32_t kBlindRaiseSteps = 16;
constexpr TRect kBlindDownBox{12, 183, 99, 202};
constexpr TRect kBlindUpBox{12, 36, 99, 102};

// Red socks frames: 0 hidden, 1 in the open drawer, 5 out (6 out with the drawer shut).
constexpr std::int16_t kRedsInDrawer = 1;
constexpr std::int16_t kRedsOut = 5;

constexpr std::uint8_t kDoorShutMask = 14;

constexpr std::int16_t kCursorDefault = 0;
constexpr std::int16_t kCursorAction = 1;
constexpr std::int16_t kCursorExamine = 2;
constexpr std::int16_t kCursorTake = 4;
constexpr std::int16_t kCursorWateringCan = 18;

// The jukebox mark, from the bedroom's sheet: the empty slot, or the gap a cartridge leaves in
// the little rack on the jukebox's front.
constexpr TRect kEmptySlotMark{0, 0, 6, 27};
constexpr TPoint kEmptySlotAt{196, 165};
constexpr TRect kCartridgeGapMark{6, 0, 10, 19};
constexpr std::array<std::int32_t, 5> kGapX{208, 213, 217, 222, 227};
constexpr std::int32_t kGapTopRow = 156;
constexpr std::int32_t kGapBottomRow = 177;

std::string Name(char prefix, int n) { return std::string{prefix, char('0' + n)}; }

}  // namespace

using namespace bed_room_words;

TBedRoom::TBedRoom(std::string_view name) : TAuxGfxRoom(name) {
    SetAuxImageName("bedgfx");
    NavigationMask = kDoorShutMask;
}

bool TBedRoom::IsDoorOpen() const {
    const TFrameSet* door = FrameSets().FindFrameSet(kDoor);
    return door != nullptr && door->CurrentFrame == 1;
}

// --- Boxes ---

void TBedRoom::UpdateBoxes() {
    for (auto* box : NodesOf<THitBox>(HitBoxes())) box->SetEnabled(!FCarrying);
    auto box = [this](std::string_view name) -> THitBox& { return FindNodeOrFail<THitBox>(HitBoxes(), name); };
    if (FCarrying) {
        box(kPot).SetEnabled(true);
        box(kCan).SetEnabled(true);
    } else {
        box(kPot).SetEnabled(false);
        box(kCan).SetEnabled(FrameOf(kPot) == 0);
        box(kJukebox).SetEnabled(!FJukeboxAway);
        THitBox& blind = box(kBlind);
        const std::int16_t blindFrame = FrameOf(kBlind);
        if (blindFrame == kBlindDown || blindFrame == kBlindUp) {
            blind.Rect = blindFrame == kBlindDown ? kBlindDownBox : kBlindUpBox;
            blind.SetEnabled(true);
        } else {
            blind.SetEnabled(false);
        }
        box(kCoat).SetEnabled(FrameOf(kCoat) == 1);
        box(kHook).SetEnabled(FrameOf(kHook) == 1);
        const std::int16_t reds = FrameOf(kReds);
        box(kRedsUp).SetEnabled(reds == kRedsInDrawer);
        box(kRedsDown).SetEnabled(reds == kRedsOut);
        box(kBottomDrawer).SetEnabled(reds == 0 || reds == 1 || reds == 5 || reds == 6);
        for (int n = 1; n <= 4; ++n)
            box(Name(kArticleLetter, n)).SetEnabled(FrameOf(Name(kArticleLetter, n)) == 1 && FrameOf(Name(kDrawerLetter, n)) == 1);
        // The doorway leads into the house only once the room beyond is built.
        THitBox& doorway = box(kDoorway);
        const auto* way = dynamic_cast<const TGoBox*>(&doorway);
        doorway.SetEnabled(IsDoorOpen() && (way == nullptr || World().FindRoom(way->GetTarget()) != nullptr));
    }
    const std::uint8_t mask = IsDoorOpen() ? 0 : kDoorShutMask;
    if (mask != NavigationMask) {
        NavigationMask = mask;
        World().UpdateNavButtons(*this);
    }
}

void TBedRoom::ArticleFollowsDrawer(int drawer) {
    const std::int16_t open = FrameOf(Name(kDrawerLetter, drawer));
    StoreFrame(Name(kArticleLetter, drawer), open);
    if (drawer == 4) {
        const std::int16_t reds = FrameOf(kReds);
        StoreFrame(kReds, reds > kRedsInDrawer ? static_cast<std::int16_t>(6 - open) : open);
    }
}

// --- Entering ---

void TBedRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    for (int n = 1; n <= 4; ++n) ArticleFollowsDrawer(n);
    FJukeboxAway = JukeboxInRepair(World());
    FCarrying = false;
    FindNodeOrFail<THitBox>(HitBoxes(), kCan).SetCursor(kCursorTake);
    StoreFrame(kCan, 1);
    if (FrameOf(kPot) == 1) StoreFrame(kPot, static_cast<std::int16_t>(Random(2)));
    StoreFrame(kJukebox, FJukeboxAway ? 0 : 1);
    if (FrameOf(kBlind) != kBlindDown)
        StoreFrame(kBlind, kBlindUp);
    else
        StoreFrame(kLamp, 1);
    if (FrameOf(kLamp) != 0) AddTimer(kFlashTimer, 5);
    StoreFrame(kHook, static_cast<std::int16_t>(1 - FrameOf(kCoat)));
    UpdateBoxes();
}

// --- Messages ---

void TBedRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == kBlind) {
        if (FrameOf(kBlind) != kBlindDown) {
            ShowFrame(kBlind, 2);
            AddTimer(kLowerTimer, 10);
        } else {
            ShowFrame(kBlind, 1);
            AddTimer(kRaiseTimer, 5);
            FBlindSteps = kBlindRaiseSteps;
        }
        UpdateBoxes();
    } else if (sender == kRaiseBlindStep) {
        RaiseBlindStep();
    } else if (sender == kLowerBlindStep) {
        LowerBlindStep();
    } else if (sender == kLamp) {
        SwitchLamp();
    } else if (sender == kLampFlicker) {
        ShowFrame(kLamp, FrameOf(kLamp) == 1 ? 2 : 1);
        AddTimer(kFlashTimer, 3 + Random(3));
    } else if (script == kCoatScript) {
        ShowFrame(kCoat, FrameOf(kCoat) == 0 ? 1 : 0);
        ShowFrame(kHook, FrameOf(kHook) == 0 ? 1 : 0);
        PlaySound(kSoundCoat);
        UpdateBoxes();
    } else if (sender == kCan || sender == kPot) {
        CarryOrPutDown(sender);
    } else if (script == kDrawerScript) {
        const int drawer = sender.size() == 2 && sender[0] == kDrawerLetter ? DigitOf(sender.substr(1), 1, 4) : -1;
        if (drawer > 0) ToggleDrawer(drawer);
    } else if (sender == kRedsUp) {
        RedsUp();
    } else if (sender == kRedsDown) {
        RedsDown();
    } else if (script == kArticleScript) {
        const int drawer = sender.size() == 2 && sender[0] == kArticleLetter ? DigitOf(sender.substr(1), 1, 4) : -1;
        if (drawer > 0) AnimateArticle(drawer);
    } else if (script == kArticleTimerScript) {
        const int drawer = DigitOf(sender, 1, 4);
        if (drawer > 0) AnimateArticle(drawer);
    } else if (script != kToggleScript) {
        if (sender == room_words::kTutor)
            World().GoRoom(kHelpPage);
        else
            TAuxGfxRoom::RunScript(script, sender);
    } else {
        Toggle(sender);
    }
}

void TBedRoom::RaiseBlindStep() {
    if (FBlindSteps == 13) PlaySoundIfIdle(kSoundBlindRolling);
    const std::int16_t frame = FrameOf(kBlind);
    ShowFrame(kBlind, frame == kBlindRolling ? kBlindUp : static_cast<std::int16_t>(frame + 1));
    --FBlindSteps;
    if (FBlindSteps < 1) {
        UpdateBoxes();
        StopLoopedSounds();
    } else {
        AddTimer(kRaiseTimer, 2);
    }
}

void TBedRoom::LowerBlindStep() {
    const std::int16_t frame = static_cast<std::int16_t>(FrameOf(kBlind) - 1);
    ShowFrame(kBlind, frame);
    if (frame > kBlindDown) {
        AddTimer(kLowerTimer, 10);
    } else if (FrameOf(kLamp) != 0) {
        UpdateBoxes();
    } else {
        GoDark();
    }
}

void TBedRoom::SwitchLamp() {
    const bool on = FrameOf(kLamp) == 0;
    PlaySound(kSoundLampSwitch);
    if (on) {
        AddTimer(kFlashTimer, 5);
    } else {
        RemoveTimer(kFlashTimer);
        // In the dark the lamp keeps its frame: coming back switches it on anyway.
        if (FrameOf(kBlind) == kBlindDown) {
            GoDark();
            return;
        }
    }
    ShowFrame(kLamp, on ? 1 : 0);
}

void TBedRoom::GoDark() { World().GoRoom(kDarkRoom); }

void TBedRoom::CarryOrPutDown(const std::string& sender) {
    THitBox& can = FindNodeOrFail<THitBox>(HitBoxes(), kCan);
    if (FCarrying) {
        FCarrying = false;
        World().SetDefaultCursor(kCursorDefault);
        if (sender == kPot) {
            ShowFrame(kPot, 1);
            PlaySound(kSoundWatering);
        }
        can.SetCursor(kCursorTake);
        ShowFrame(kCan, 1);
    } else {
        FCarrying = true;
        World().SetDefaultCursor(kCursorWateringCan);
        can.SetCursor(kCursorWateringCan);
        ShowFrame(kCan, 0);
    }
    World().RequestCursorRefresh();
    UpdateBoxes();
}

void TBedRoom::ToggleDrawer(int drawer) {
    const std::string name = Name(kDrawerLetter, drawer);
    const std::int16_t open = FrameOf(name) == 0 ? 1 : 0;
    PlaySound(kSoundDrawer);
    StoreFrame(name, open);
    ArticleFollowsDrawer(drawer);
    // The drawer, the toy in it and (the bottom drawer) the socks are drawn again together.
    ShowFrame(name, open);
    ShowFrame(Name(kArticleLetter, drawer), FrameOf(Name(kArticleLetter, drawer)));
    UpdateBoxes();
    if (open == 1) AddTimer(ArticleTimer(drawer), 10);
    if (drawer == 4) ShowFrame(kReds, FrameOf(kReds));
}

void TBedRoom::RedsUp() {
    std::int16_t frame = FrameOf(kReds);
    if (frame < kRedsOut) ++frame;
    ShowFrame(kReds, frame);
    if (frame == 2 || frame == kRedsOut) UpdateBoxes();
    if (frame == 2) PlaySound(kSoundRedsAtTwo);
    if (frame < kRedsOut) AddTimer(kRedUpTimer, 3);
}

void TBedRoom::RedsDown() {
    std::int16_t frame = FrameOf(kReds);
    if (frame > kRedsInDrawer) --frame;
    ShowFrame(kReds, frame);
    if (frame == kRedsInDrawer || frame == 4) UpdateBoxes();
    if (frame == 4) PlaySound(kSoundRedsAtFour);
    if (frame > kRedsInDrawer) AddTimer(kRedDownTimer, 3);
}

void TBedRoom::AnimateArticle(int drawer) {
    if (FrameOf(Name(kDrawerLetter, drawer)) != 1) return;
    const std::string article = Name(kArticleLetter, drawer);
    std::int16_t frame = 1;
    if (FrameOf(article) == 1) {
        frame = 2;
        AddTimer(ArticleTimer(drawer), 10);
        PlaySound(kSoundArticlePops);
    } else {
        PlaySound(kSoundArticleSettles);
    }
    StoreFrame(article, frame);
    UpdateBoxes();
    ShowFrame(article, frame);
}

void TBedRoom::Toggle(const std::string& frameSetName) {
    if (frameSetName == kBook && FrameOf(kBook) == 1) {
        PlaySound(kSoundBookOpensCredits);
        World().GoRoom(kCredits);
        StoreFrame(kBook, 0);
        FindNodeOrFail<THitBox>(HitBoxes(), kBook).SetCursor(kCursorAction);
        return;
    }
    TFrameSet& frameSet = FindFrameSetOrFail(FrameSets(), frameSetName);
    const std::int16_t now = frameSet.CurrentFrame == 0 ? 1 : 0;
    ShowFrame(frameSet, now);
    if (frameSetName == kPail) {
        PlaySound(now == 1 ? kSoundPailUp : kSoundPailDown);
    } else if (frameSetName == kDoor) {
        PlaySound(now == 1 ? kSoundDoorOpens : kSoundDoorCloses);
        ShowFrame(kCoat, FrameOf(kCoat));
        UpdateBoxes();
    } else if (frameSetName == kBook) {
        PlaySound(kSoundBook);
        FindNodeOrFail<THitBox>(HitBoxes(), kBook).SetCursor(kCursorExamine);
    }
}

// --- Drawing ---

void TBedRoom::DrawOverlays(TAC8ImageData* view) {
    TAuxGfxRoom::DrawOverlays(view);
    if (FJukeboxAway || view == nullptr || AuxImage() == nullptr) return;
    const auto* jukebox = dynamic_cast<const TJukeboxRoom*>(World().FindRoom(kJukeboxRoom));
    const int cartridge = jukebox != nullptr ? jukebox->Cartridge() : kNoCartridge;
    if (cartridge < 0 || cartridge >= kCartridgeCount) {
        view->Blit(kEmptySlotAt, *AuxImage(), kEmptySlotMark);
        return;
    }
    const TPoint at{kGapX[static_cast<std::size_t>(cartridge % 5)], cartridge < 5 ? kGapTopRow : kGapBottomRow};
    view->Blit(at, *AuxImage(), kCartridgeGapMark);
}
