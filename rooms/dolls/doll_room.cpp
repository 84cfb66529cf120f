#include "rooms/dolls/doll_room.h"

#include "engine/graphics/ac8_image_data.h"
#include "rooms/dolls/doll_room_words.h"
#include "rooms/dolls/doll_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "rooms/questions/puzzle_number.h"
#include "shell/hit_box.h"
#include "shell/room_words.h"
#include "shell/room_world.h"
#include "shell/game_context.h"
#include "shell/world.h"

namespace {

using namespace doll_room_words;

// Timers: the curtains and the singing (DELAY), the drawer's reveal (ANIMATE), leaving with the
// drawer open (DELAYEDEXIT).
constexpr std::uint8_t kDelayTimer = TimerCodeValue(TTimerCode::Delay);
constexpr std::uint8_t kAnimateTimer = TimerCodeValue(TTimerCode::Animate);
constexpr std::uint8_t kLeaveTimer = TimerCodeValue(TTimerCode::DelayedExit);
constexpr std::int32_t kCurtainFirstTicks = 15;
constexpr std::int32_t kCurtainTicks = 10;
constexpr std::int32_t kSingTicks = 10;
constexpr std::int32_t kRevealTicks = 3;
constexpr std::int32_t kExitTicks = 20;
// The songs of the four heads are sounds 41 to 44.
constexpr std::int32_t kFirstSingingSound = 40;

// Drawer item frames.
constexpr std::int16_t kItemShown = 0;
constexpr std::int16_t kItemHidden = 1;
constexpr std::int16_t kItemWorn = 2;

// The stage picture and the curtains, in "curtains"; drawn relative to the doll's origin.
constexpr TRect kStageSource{130, 203, 233, 414};
constexpr TPoint kStageOffset{0, -38};
constexpr TPoint kCurtainOffset{-12, -53};
constexpr std::array<TRect, 3> kCurtainSources{TRect{0, 0, 130, 203}, TRect{130, 0, 360, 203},
                                               TRect{0, 203, 130, 406}};

// The puzzle machine's progress bar beside the shelf puzzle.
constexpr std::uint8_t kPuzzleBarColour = 181;
constexpr TPoint kPuzzleBarAt{10, 257};
constexpr std::int32_t kPuzzleBarWidth = 4;

TPoint Plus(TPoint a, TPoint b) { return TPoint{a.X + b.X, a.Y + b.Y}; }

// The choice a two-character item or picker name gives by its digit, within 1..count; 0 when
// the name gives none.
std::uint8_t ChoiceOf(const std::string& name, int count) {
    if (name.size() != 2 || name[1] < '1' || name[1] > '9') return 0;
    const int choice = name[1] - '0';
    return choice <= count ? static_cast<std::uint8_t>(choice) : 0;
}

// The drawer items' letter and the number of items of that letter.
int ItemCount(char kind) {
    return kind == kRobeMark ? kDollRobeCount : kind == kCapMark ? kDollCapCount : kDollBowCount;
}

bool IsItemName(std::string_view name) {
    if (name.size() != 2 || (name[0] != kRobeMark && name[0] != kBowMark && name[0] != kCapMark)) return false;
    return name[1] >= '0' && name[1] <= '9';
}

}  // namespace

std::string DrawerItemName(int order) {
    if (order >= 1 && order <= 6) return kRobeMark + std::to_string(order);
    if (order >= 7 && order <= 12) return kCapMark + std::to_string(order - 6);
    if (order == 13) return std::string{kBowMark, '1'};
    return {};
}

TDollRoom::TDollRoom(std::string_view name) : TAuxGfxRoom(name), FDoll(std::make_unique<TDoll>()) {
    SetAuxImageName(kDollSheetName);
    for (int i = 0; i < kDrawerItemCount; ++i) FRevealOrder[std::size_t(i)] = static_cast<std::uint8_t>(i + 1);
}

TDollRoom::~TDollRoom() = default;

TRect TDollRoom::StageArea() {
    const TPoint curtains = Plus(kStageDollOrigin, kCurtainOffset);
    const TPoint stage = Plus(kStageDollOrigin, kStageOffset);
    // The widest curtain picture and the stage below them.
    return TRect{curtains.X, curtains.Y, curtains.X + 230, stage.Y + RectHeight(kStageSource)};
}

TDollPartChoices TDollRoom::CurrentDollParts() const {
    if (!FDoll) return {};
    return {FDoll->Part(kDollHead), FDoll->Part(kDollTorso), FDoll->Part(kDollArm1), FDoll->Part(kDollLeg1)};
}

void TDollRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    if (FCurtains.Get() == nullptr) FCurtains = TPictureHandle(Library(), AC8ImageName("curtains"));
    const bool puzzle = CurrentPuzzleNumber(World()) != 0;
    if (TFrameSet* set = FrameSets().FindFrameSet(kShelfPuzzle)) set->SetFrame(nullptr, puzzle ? 1 : 0, false);
    if (THitBox* box = FindHitBox(kShelfPuzzle)) box->SetEnabled(puzzle);
    if ((World().GetFlags() & kWorldTransition) == 0) {
        FCurtainStep = 0;
        AddTimer(kDelayTimer, kCurtainFirstTicks);
        if (THitBox* box = FindHitBox(kDollBox)) box->SetEnabled(FDoll->IsComplete());
    }
}

void TDollRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == kDrawerScript) {
        ToggleDrawer();
    } else if (sender == kRevealTimer) {
        RevealNext();
    } else if (script == kPickerScript) {
        PickPart(sender);
    } else if (script == kRobeScript || script == kBowScript || script == kCapScript) {
        WearItem(script == kRobeScript ? kRobeMark : script == kBowScript ? kBowMark : kCapMark, sender);
    } else if (sender == kDollBox) {
        Sing();
    } else if (sender == room_words::kExit && FDrawerOpen) {
        CloseDrawer();
        DelayedExitRoom = script;
        AddTimer(kLeaveTimer, kExitTicks);
    } else if (sender == room_words::kExit) {
        LeaveTo(script);
    } else if (sender == room_words::kDelayedExit) {
        LeaveTo(DelayedExitRoom);
    } else if (sender == kWrap) {
        const std::uint8_t head = FDoll->Part(kDollHead);
        // Without a table to wrap it on, the child keeps the doll.
        if (head != 0 && WrapAsGift(World(), kDollGift, static_cast<std::uint8_t>(head - 1))) ResetDoll();
    } else if (sender == kSnap) {
        HandDollToAlbum(World(), FDoll->Clone());
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else if (sender != kStageTimer) {
        TAuxGfxRoom::RunScript(script, sender);
    } else if (FindTimer(kAnimateTimer) != nullptr) {
        // The curtains wait while the drawer is still being filled.
        AddTimer(kDelayTimer, kCurtainTicks);
    } else {
        if (FCurtainStep < 2) ++FCurtainStep;
        if (FCurtainStep < 2) AddTimer(kDelayTimer, kCurtainTicks);
        FDoll->Singing = false;
        RedrawStage();
    }
}

void TDollRoom::LeaveTo(const std::string& room) {
    if (World().FindRoom(room) != nullptr)
        World().GoRoom(room);
    else
        World().GoBack();
}

void TDollRoom::ToggleDrawer() {
    if (FDrawerOpen) {
        CloseDrawer();
        return;
    }
    FDrawerOpen = true;
    ShowFrame(kDrawer, 1);
    for (int i = 0; i < kDrawerItemCount; ++i) FRevealOrder[std::size_t(i)] = static_cast<std::uint8_t>(i + 1);
    for (int i = kDrawerItemCount; i >= 2; --i)
        std::swap(FRevealOrder[std::size_t(i - 1)], FRevealOrder[std::size_t(Random(i))]);
    FNextReveal = 0;
    AddTimer(kAnimateTimer, kRevealTicks);
}

void TDollRoom::CloseDrawer() {
    FDrawerOpen = false;
    RemoveTimer(kAnimateTimer);
    FindFrameSetOrFail(FrameSets(), kDrawer).CurrentFrame = 0;
    for (int order = 1; order <= kDrawerItemCount; ++order) {
        const std::string name = DrawerItemName(order);
        TFrameSet& item = FindFrameSetOrFail(FrameSets(), name);
        if (item.CurrentFrame == kItemWorn) continue;
        item.CurrentFrame = kItemHidden;
        FindNodeOrFail<THitBox>(HitBoxes(), name).SetEnabled(false);
    }
    if (TAC8ImageData* view = ShownView()) Draw(view);
}

void TDollRoom::RevealNext() {
    if (!FDrawerOpen) return;
    while (FNextReveal < kDrawerItemCount) {
        const std::string name = DrawerItemName(FRevealOrder[std::size_t(FNextReveal++)]);
        TFrameSet& item = FindFrameSetOrFail(FrameSets(), name);
        if (item.CurrentFrame == kItemWorn) continue;
        FindNodeOrFail<THitBox>(HitBoxes(), name).SetEnabled(true);
        ShowFrame(item, kItemShown);
        break;
    }
    // Worn items at the end of the order leave nothing more to show.
    for (int next = FNextReveal; next < kDrawerItemCount; ++next)
        if (FindFrameSetOrFail(FrameSets(), DrawerItemName(FRevealOrder[std::size_t(next)])).CurrentFrame != kItemWorn) {
            AddTimer(kAnimateTimer, kRevealTicks);
            break;
        }
}

void TDollRoom::PickPart(const std::string& sender) {
    const std::size_t kind = sender.empty() ? std::string_view::npos : kPickerMarks.find(sender[0]);
    const std::uint8_t choice = ChoiceOf(sender, kDollChoiceCount);
    if (kind == std::string_view::npos || choice == 0) return;
    for (int other = 1; other <= kDollChoiceCount; ++other) {
        const std::string name = std::string(1, sender[0]) + char('0' + other);
        TFrameSet& picker = FindFrameSetOrFail(FrameSets(), name);
        if (picker.CurrentFrame != 1) continue;
        FindNodeOrFail<THitBox>(HitBoxes(), name).SetEnabled(true);
        ShowFrame(picker, 0);
    }
    switch (sender[0]) {
        case kTorsoMark: FDoll->SetPart(kDollTorso, choice); break;
        case kHeadMark: FDoll->SetPart(kDollHead, choice); break;
        case kArmMark:
            FDoll->SetPart(kDollArm1, choice);
            FDoll->SetPart(kDollArm2, choice);
            break;
        default:
            FDoll->SetPart(kDollLeg1, choice);
            FDoll->SetPart(kDollLeg2, choice);
            break;
    }
    ShowFrame(sender, 1);
    FindNodeOrFail<THitBox>(HitBoxes(), sender).SetEnabled(false);
    FollowCompleteness();
    RedrawStage();
}

void TDollRoom::FollowCompleteness() {
    const bool complete = FDoll->IsComplete();
    if (THitBox* box = FindHitBox(kDollBox)) box->SetEnabled(complete);
    const std::uint16_t both = kRoomSnapEnabled | kRoomWrapEnabled;
    const bool enabled = (Flags & both) == both;
    if (complete == enabled) return;
    Flags = static_cast<std::uint16_t>(complete ? Flags | both : Flags & ~both);
    World().UpdateActionButtons(*this);
}

void TDollRoom::WearItem(char kind, const std::string& sender) {
    if (sender.empty() || sender[0] != kind) return;
    const std::uint8_t choice = ChoiceOf(sender, ItemCount(kind));
    if (choice == 0) return;
    const std::uint8_t worn = kind == kRobeMark  ? FDoll->AccessoryR()
                              : kind == kBowMark ? FDoll->AccessoryX()
                                                 : FDoll->AccessoryC();
    const auto wear = [&](std::uint8_t c) {
        if (kind == kRobeMark)
            FDoll->SetAccessoryR(c);
        else if (kind == kBowMark)
            FDoll->SetAccessoryX(c);
        else
            FDoll->SetAccessoryC(c);
    };
    if (worn != 0) {
        wear(0);
        // Back in its place; behind the shut doors while the wardrobe is closed.
        const std::string name = std::string(1, kind) + char('0' + worn);
        if (!FDrawerOpen) FindNodeOrFail<THitBox>(HitBoxes(), name).SetEnabled(false);
        ShowFrame(name, FDrawerOpen ? kItemShown : kItemHidden);
    }
    if (worn != choice) {
        wear(choice);
        ShowFrame(sender, kItemWorn);
    }
    RedrawStage();
}

void TDollRoom::Sing() {
    // Only a whole doll has a song of its own.
    if (FindTimer(kDelayTimer) != nullptr || !FDoll->IsComplete()) return;
    FDoll->Singing = true;
    RedrawStage();
    AddTimer(kDelayTimer, kSingTicks);
    PlaySound(kFirstSingingSound + FDoll->Part(kDollHead));
}

void TDollRoom::ResetDoll() {
    Flags = static_cast<std::uint16_t>(Flags & ~(kRoomSnapEnabled | kRoomWrapEnabled));
    for (TFrameSet* set : NodesOf<TFrameSet>(FrameSets()))
        set->CurrentFrame = static_cast<std::int16_t>(IsItemName(set->GetID()) ? kItemHidden : 0);
    for (THitBox* box : NodesOf<THitBox>(HitBoxes())) box->SetEnabled(!IsItemName(box->GetID()));
    if (THitBox* box = FindHitBox(kDollBox)) box->SetEnabled(false);
    FDoll = std::make_unique<TDoll>();
    FDrawerOpen = false;
    RemoveTimer(kAnimateTimer);
}

void TDollRoom::RedrawStage() {
    if (TAC8ImageData* view = ShownView()) RedrawRect(view, StageArea());
}

void TDollRoom::DrawOverlays(TAC8ImageData* view) {
    TAuxGfxRoom::DrawOverlays(view);
    if (view == nullptr || AuxImage() == nullptr || FCurtains.Get() == nullptr) return;
    view->Blit(Plus(kStageDollOrigin, kStageOffset), *FCurtains, kStageSource);
    // Robes 3, 4 and 5 of the wardrobe are drawn once more, after the stage picture and before
    // the doll and the curtains (the base drew them already, with every frame set). They stand
    // in the wardrobe, clear of the stage picture; robe 5 and the left edge of robe 3 lie inside
    // the rectangle the stage is redrawn in (StageArea).
    for (int order : {3, 4, 5})
        if (TFrameSet* set = FrameSets().FindFrameSet(DrawerItemName(order))) set->Draw(view);
    FDoll->Draw(*view, *AuxImage(), kStageDollOrigin);
    view->Blit(Plus(kStageDollOrigin, kCurtainOffset), *FCurtains, kCurtainSources[std::size_t(FCurtainStep)]);
    const int puzzle = CurrentPuzzleNumber(World());
    if (puzzle == 2 || puzzle == 3)
        view->FillRect(MakeBounds(kPuzzleBarAt.X, kPuzzleBarAt.Y, kPuzzleBarWidth, puzzle == 2 ? 11 : 4),
                       kPuzzleBarColour);
}

void TDollRoom::ReleaseGraphics(bool final) {
    FCurtains.Reset();
    // Taken down: the doll goes with the room (it is never saved).
    if (final) FDoll.reset();
    TAuxGfxRoom::ReleaseGraphics(final);
}
