#include "rooms/tree/tree_room.h"

#include <string>
#include <string_view>

#include "rooms/tree/tree_room_words.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/world.h"

using namespace tree_room_words;

namespace {

constexpr std::uint8_t kFlashTimer = TimerCodeValue(TTimerCode::Flash);
constexpr std::int32_t kFirstFlashDelay = 10;
constexpr std::int32_t kFlashDelay = 3;
constexpr std::int16_t kTakeCursor = 4;
constexpr TPoint kTreeOrigin{0, 0};

// The digit after a switch's letter ("A3" is 3), or 0 for anything else.
int SwitchNumber(const std::string& sender) {
    if (sender.size() != 2 || sender[1] < '1' || sender[1] > '4') return 0;
    return sender[1] - '0';
}

}  // namespace

TTreeRoom::TTreeRoom(std::string_view name) : TRoom(name), FTree(std::make_unique<TTree>()) {
    Flags |= kRoomSnapEnabled;
    // Saved games before version 5 have no tree.
    FirstSaveVersion = 5;
}

TTreeRoom::~TTreeRoom() = default;

TTree& TTreeRoom::Tree() {
    if (GetWorld() != nullptr) FTree->SetLibrary(GetWorld()->GetImageLibrary());
    return *FTree;
}

void TTreeRoom::ReadData(TStream& s) {
    Tree().ReadFromStream(s);
    LoadFrameStates(s);
}

void TTreeRoom::WriteData(TStream& s) {
    Tree().WriteToStream(s);
    SaveFrameStates(s);
}

void TTreeRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    AddTimer(kFlashTimer, kFirstFlashDelay);
}

void TTreeRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == room_words::kExit) {
        TRoom::RunScript(script, sender);
    } else if (sender == kSnapButton) {
        Snap();
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (!script.empty() && (script[0] == kTopGroup || script[0] == kLightsGroup || script[0] == kTinselGroup)) {
        RunSwitch(script[0], sender);
    } else if (script == kBaubleScript) {
        AddBaubleFrom(sender);
    } else if (sender == kTwinkleTimer) {
        if ((World().GetFlags() & kWorldIdle) != 0)
            if (TAC8ImageData* view = ShownView()) Tree().Twinkle(*view, kTreeOrigin, Context().RandomNumbers());
        AddTimer(kFlashTimer, kFlashDelay);
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else {
        TRoom::RunScript(script, sender);
    }
}

void TTreeRoom::RunSwitch(char group, const std::string& sender) {
    TFrameSet& pressed = FindFrameSetOrFail(FrameSets(), sender);
    const bool wasOn = pressed.CurrentFrame == 1;
    SetFrame(pressed, static_cast<std::int16_t>(1 - pressed.CurrentFrame));
    const int number = SwitchNumber(sender);
    TTree& tree = Tree();
    if (group == kTopGroup) {
        // The four tops are one choice: the others go off.
        for (const std::string_view other : kTopSwitches) {
            if (sender == other) continue;
            TFrameSet& set = FindFrameSetOrFail(FrameSets(), other);
            if (set.CurrentFrame == 1) SetFrame(set, 0);
        }
        tree.SetTopChoice(static_cast<std::uint8_t>(wasOn ? 0 : number));
    } else if (group == kLightsGroup) {
        tree.SetLightString(number, !tree.LightString(number));
    } else {
        tree.SetTinsel(number, !tree.Tinsel(number));
    }
    if (TAC8ImageData* view = ShownView()) tree.Draw(*view, kTreeOrigin);
}

void TTreeRoom::AddBaubleFrom(const std::string& sender) {
    // "B" and two digits: the kind the box offers.
    int kind = 0;
    if (sender.size() == 3 && sender[1] >= '0' && sender[1] <= '9' && sender[2] >= '0' && sender[2] <= '9')
        kind = (sender[1] - '0') * 10 + (sender[2] - '0');
    if (kind < 1 || kind > kBaubleKindCount) {
        // A box offering no bauble is a fault of the script: the base reports it.
        TRoom::RunScript(std::string(kBaubleScript), sender);
        return;
    }
    TTree& tree = Tree();
    tree.AddBauble(static_cast<std::uint8_t>(kind));
    if (TAC8ImageData* view = ShownView()) tree.Draw(*view, kTreeOrigin);
}

void TTreeRoom::Snap() { HandTreeToAlbum(World(), Tree().Clone()); }

void TTreeRoom::DrawHouseTree(TAC8ImageData& surface, TPoint origin) { Tree().Draw(surface, origin); }

void TTreeRoom::TwinkleHouseTree(TAC8ImageData& surface, TPoint origin) { Tree().Twinkle(surface, origin, Context().RandomNumbers()); }

bool TTreeRoom::SnapHouseTree() { return HandTreeToAlbum(World(), Tree().Clone()); }

void TTreeRoom::ReleaseHouseTreePictures() {
    if (FTree) FTree->ReleasePictures();
}

bool TTreeRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    if (kind == TControlEventKind::Tick || box.GetID() != kTreeBox) return false;
    TAC8ImageData* view = World().GetViewImage();
    if (view == nullptr) return false;
    return Tree().MouseEvent(*view, box.EventPoint, kind, kTreeOrigin);
}

std::int16_t TTreeRoom::GetBoxCursor(const std::string& boxName, std::int32_t x, std::int32_t y) {
    if (boxName == kTreeBox) return FTree->BaubleAt(TPoint{x, y}) != nullptr ? kTakeCursor : 0;
    return TRoom::GetBoxCursor(boxName, x, y);
}

void TTreeRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    if (view != nullptr) Tree().Draw(*view, kTreeOrigin);
}

void TTreeRoom::ReleaseGraphics(bool final) {
    TRoom::ReleaseGraphics(final);
    if (final) {
        // The room is being taken down: the game was saved before, so the tree goes with it.
        FTree.reset();
    } else if (FTree) {
        FTree->ClearSelection();
        FTree->ReleasePictures();
    }
}

TTree* FindHouseTree(const TRoomWorld& world) {
    auto* room = dynamic_cast<TTreeRoom*>(world.FindRoom(kTreeRoom));
    return room != nullptr && room->HasTree() ? &room->Tree() : nullptr;
}
