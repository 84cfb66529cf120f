#include "rooms/puzzle/puzzle_room.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/picture_handles.h"
#include "rooms/album/snapshot_kinds.h"
#include "shell/script_message.h"
#include "rooms/puzzle/puzzle_room_words.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "shell/music_ended.h"
#include "shell/room_words.h"
#include "shell/room_world.h"
#include "shell/game_context.h"

namespace {

using namespace puzzle_room_words;

constexpr std::int32_t kShowSolvedDelay = 20;
constexpr std::int32_t kCoverDownDelay = 20;
constexpr std::int32_t kSoundClick = 59;
constexpr std::int32_t kSoundFrameShut = 60;
constexpr std::int32_t kSoundTurn = 61;
constexpr std::int32_t kSoundSolved = 62;
constexpr std::int32_t kScrambleSong = 2;
constexpr std::int16_t kTakeCursor = 4;
constexpr std::int16_t kActionCursor = 1;

constexpr TPoint kMachineAt{61, 0};
constexpr TPoint kCoverKnobAt{121, 184};
constexpr TRect kCoverKnobOpen{33, 262, 66, 295};
constexpr TRect kCoverKnobShut{0, 262, 33, 295};
constexpr TRect kLeftShelfSource{19, 0, 38, 253};
constexpr TRect kRightShelfSource{56, 0, 74, 255};
constexpr TPoint kRightShelfAt{494, 0};
constexpr TRect kSizeMark{0, 253, 9, 262};

struct TFixedBox {
    std::string_view Name;
    TRect Rect;
    std::int16_t Cursor;
    std::string_view Script;
};
constexpr std::array<TFixedBox, 6> kFixedBoxes{{
    {kLeftShelfBox, {0, 0, 18, 253}, kTakeCursor, kSideScript},
    {kRightShelfBox, {495, 0, 512, 253}, kTakeCursor, kSideScript},
    {kOpenKnobBox, {11, 9, 62, 60}, kActionCursor, kCloseScript},
    {kShutKnobBox, {11, 242, 62, 293}, kActionCursor, kCloseScript},
    {kLeverBox, {449, 5, 500, 56}, kActionCursor, kLeverScript},
    {kCoverBox, {58, 182, 326, 300}, kTakeCursor, kDownScript},
}};

std::string BlockBoxName(int c, int r) { return std::string{char('0' + c), char('0' + r)}; }

}  // namespace

TPuzzleRoom::TPuzzleRoom(std::string_view name) : TAuxGfxRoom(name) {
    SetAuxImageName("puzgfx");
    for (int size = 2; size <= 4; ++size) FPuzzles[static_cast<std::size_t>(size - 2)] = std::make_unique<TPuzzle>(size);
    // The room's own boxes come first, before any the init script adds.
    for (int c = 1; c <= kMostBlocks; ++c)
        for (int r = 1; r <= kMostBlocks; ++r) {
            auto box = std::make_unique<TRoomScriptBox>(BlockBoxName(c, r), TRect{});
            box->SetScript(kBlockScript);
            box->Cursor = kActionCursor;
            box->SetEnabled(false);
            HitBoxes().AddLast(std::move(box));
        }
    for (const TFixedBox& fixed : kFixedBoxes) {
        auto box = std::make_unique<TRoomScriptBox>(fixed.Name, fixed.Rect);
        box->SetScript(fixed.Script);
        box->Cursor = fixed.Cursor;
        HitBoxes().AddLast(std::move(box));
    }
}

void TPuzzleRoom::WorldTaken() {
    for (const auto& puzzle : FPuzzles) puzzle->Reset(Context().RandomNumbers());
}

TPuzzleRoom::~TPuzzleRoom() = default;

void TPuzzleRoom::Enter(const std::string& fromRoom) {
    TAuxGfxRoom::Enter(fromRoom);
    for (const auto& puzzle : FPuzzles) puzzle->SetLibrary(&Library());
    FScrambling = false;
    FCovered = true;
    StoreFrame(kLeverBottom, 0);
    StoreFrame(kLeverTop, 1);
    UpdateKnobs();
    AddTimer(TTimerCode::Delay, kShowSolvedDelay);
}

void TPuzzleRoom::Leave() {
    // The scramble's tune belongs to this room: it stops when the child goes elsewhere.
    if (FScrambling) StopScrambling();
    Flags &= static_cast<std::uint16_t>(~(kRoomSnapEnabled | kRoomWrapEnabled));
    FCoverLock = false;
    TAuxGfxRoom::Leave();
}

void TPuzzleRoom::StopScrambling() {
    FScrambling = false;
    RemoveTimer(TTimerCode::Animate);
    MusicEnded(World(), 0);
}

void TPuzzleRoom::RefreshBoxes() {
    TPuzzle& puzzle = Current();
    const int size = puzzle.Size();
    for (int c = 1; c <= kMostBlocks; ++c)
        for (int r = 1; r <= kMostBlocks; ++r) {
            THitBox& box = FindNodeOrFail<THitBox>(HitBoxes(), BlockBoxName(c, r));
            if (c > size || r > size) {
                box.SetEnabled(false);
                box.Rect = TRect{};
                continue;
            }
            box.Rect = puzzle.Closed() ? TRect{} : puzzle.BlockRect(c, r);
            box.SetEnabled(!puzzle.Closed() && !FCovered && !FScrambling);
        }
    FindNodeOrFail<THitBox>(HitBoxes(), kLeftShelfBox).SetEnabled(!FScrambling);
    FindNodeOrFail<THitBox>(HitBoxes(), kRightShelfBox).SetEnabled(!FScrambling);
    const bool free = !FScrambling && !FCovered;
    FindNodeOrFail<THitBox>(HitBoxes(), kOpenKnobBox).SetEnabled(!puzzle.Closed() && free);
    FindNodeOrFail<THitBox>(HitBoxes(), kLeverBox).SetEnabled(!puzzle.Closed() && free);
    FindNodeOrFail<THitBox>(HitBoxes(), kShutKnobBox).SetEnabled(puzzle.Closed() && free);
    FindNodeOrFail<THitBox>(HitBoxes(), kCoverBox).SetEnabled(FCovered && !FCoverLock);

    const std::uint16_t before = Flags;
    Flags = static_cast<std::uint16_t>(FCovered ? Flags & ~kRoomSnapEnabled : Flags | kRoomSnapEnabled);
    if (!FScrambling) Flags = static_cast<std::uint16_t>(FCovered ? Flags & ~kRoomWrapEnabled : Flags | kRoomWrapEnabled);
    if (IsOnScreen()) {
        if (Flags != before) World().UpdateActionButtons(*this);
        World().RequestCursorRefresh();
    }
}

void TPuzzleRoom::UpdateKnobs() {
    const bool closed = Current().Closed();
    StoreFrame(kKnobTop, closed ? 2 : 1);
    StoreFrame(kKnobBottom, closed ? 1 : 0);
    RefreshBoxes();
}

void TPuzzleRoom::DrawWhole() {
    if (TAC8ImageData* view = ShownView()) Draw(view);
}

void TPuzzleRoom::RedrawBlock(int c, int r) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr || FCovered) return;
    Current().DrawBlock(*view, TPoint{0, 0}, c, r);
}

void TPuzzleRoom::Swap(bool left) {
    std::uint8_t& shelf = left ? FLeftShelf : FRightShelf;
    std::swap(shelf, FMachine);
    FCovered = false;
    UpdateKnobs();
    AddTimer(TTimerCode::Delay, kShowSolvedDelay);
    THourglass hourglass(World());
    DrawWhole();
}

void TPuzzleRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == kCoverBox) {
        FCovered = false;
        DrawWhole();
        RefreshBoxes();
    } else if (script == kSideScript) {
        Swap(sender == kLeftShelfBox);
    } else if (script == kCloseScript) {
        TPuzzle& puzzle = Current();
        puzzle.SetClosed(!puzzle.Closed(), Context().RandomNumbers());
        PlaySound(kSoundClick);
        if (puzzle.Closed()) {
            PlaySound(kSoundFrameShut);
            if (puzzle.IsSolved()) AddTimer(TTimerCode::Delay, kShowSolvedDelay);
        }
        UpdateKnobs();
        DrawWhole();
    } else if (script == kBlockScript) {
        const int c = DigitOf(sender.substr(0, 1), 1, kMostBlocks);
        const int r = sender.size() == 2 ? DigitOf(sender.substr(1, 1), 1, kMostBlocks) : -1;
        if (c < 1 || r < 1 || c > Current().Size() || r > Current().Size()) {
            TAuxGfxRoom::RunScript(script, sender);
            return;
        }
        Current().TurnBlock(c, r, true);
        RedrawBlock(c, r);
        PlaySound(kSoundTurn);
    } else if (sender == kSolvedTimer) {
        TPuzzle& puzzle = Current();
        if (puzzle.Closed() && puzzle.IsSolved() && !puzzle.SolvedShown()) {
            puzzle.SetSolvedShown(true);
            DrawWhole();
            PlaySound(kSoundSolved);
        }
    } else if (script == kLeverScript) {
        MusicEnded(World(), 0);
        FScrambling = true;
        Flags &= static_cast<std::uint16_t>(~kRoomWrapEnabled);
        if (IsOnScreen()) World().UpdateActionButtons(*this);
        RefreshBoxes();
        AddTimer(TTimerCode::Animate, 1);
        PlaySound(kSoundClick);
        World().PlayMusic(kScrambleSong);
        ShowFrame(kLeverTop, 0);
        ShowFrame(kLeverBottom, 1);
    } else if (sender == kScrambleEnded) {
        RemoveTimer(TTimerCode::Animate);
        FScrambling = false;
        RefreshBoxes();
        Flags |= kRoomWrapEnabled;
        if (IsOnScreen()) World().UpdateActionButtons(*this);
        ShowFrame(kLeverTop, 1);
        ShowFrame(kLeverBottom, 0);
        PlaySound(kSoundClick);
    } else if (sender == kScrambleTimer) {
        if ((World().GetFlags() & kWorldIdle) != 0) {
            const int size = Current().Size();
            const int c = Random(size) + 1;
            const int r = Random(size) + 1;
            Current().TurnBlock(c, r, true);
            RedrawBlock(c, r);
        }
        AddTimer(TTimerCode::Animate, 1);
    } else if (sender == kWrap) {
        const auto detail = static_cast<std::uint8_t>(FMachine - 2);
        if (WrapAsGift(World(), kPuzzleGift, detail)) {
            // The gift goes; a fresh puzzle of the same size stands open on the machine.
            TPuzzle& puzzle = Current();
            puzzle.SetClosed(false, Context().RandomNumbers());
            UpdateKnobs();
            puzzle.Reset(Context().RandomNumbers());
            RefreshBoxes();
        }
    } else if (sender == kSnap) {
        HandSnapshotToAlbum(World(), std::make_unique<TPuzzleInfo>(Current(), Context().RandomNumbers()), kPuzzleSnapshotKind);
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else if (sender == room_words::kExit && !FCovered) {
        AddTimer(TTimerCode::DelayedExit, kCoverDownDelay);
        DelayedExitRoom = script;
        FCovered = true;
        FCoverLock = true;
        if (FScrambling) StopScrambling();
        DrawWhole();
        RefreshBoxes();
    } else {
        TAuxGfxRoom::RunScript(script, sender);
    }
}

void TPuzzleRoom::DrawOverlays(TAC8ImageData* view) {
    if (view == nullptr || AuxImage() == nullptr) return;
    TAC8ImageData& sheet = *AuxImage();
    {
        const TPictureHandle machine(Library(), FCovered ? "puzdown" : "puzbase");
        view->Blit(kMachineAt, *machine, machine->GetBounds());
    }
    if (FCovered) {
        view->Blit(kCoverKnobAt, sheet, FrameOf(kKnobTop) == 1 ? kCoverKnobOpen : kCoverKnobShut);
    } else {
        TPuzzle& puzzle = Current();
        puzzle.SetLibrary(&Library());
        puzzle.Draw(*view, TPoint{0, 0});
    }
    view->Blit(TPoint{0, 0}, sheet, kLeftShelfSource);
    view->Blit(kRightShelfAt, sheet, kRightShelfSource);
    for (int k = 0; k < FLeftShelf; ++k) view->Blit(TPoint{1, 233 - 21 * k}, sheet, kSizeMark);
    for (int k = 0; k < FRightShelf; ++k) view->Blit(TPoint{501, 233 - 21 * k}, sheet, kSizeMark);
    if (!FCovered) {
        for (int k = 0; k < FMachine; ++k) {
            view->Blit(TPoint{64, 306 - 25 * k}, sheet, kSizeMark);
            view->Blit(TPoint{439, 306 - 25 * k}, sheet, kSizeMark);
        }
        DrawFrameSets(view);
    }
}

void TPuzzleRoom::ReleaseGraphics(bool final) {
    // The puzzles are not kept in the saved game, so the room's end is theirs too.
    for (auto& puzzle : FPuzzles) {
        if (!puzzle) continue;
        if (final)
            puzzle.reset();
        else
            puzzle->ReleasePictures();
    }
    TAuxGfxRoom::ReleaseGraphics(final);
}
