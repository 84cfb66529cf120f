#include "tests/random_play/random_child.h"

#include <algorithm>

#include "shell/room.h"
#include "shell/world.h"
#include "shell/world_view.h"

namespace random_play {

namespace {
std::string Where(TPoint at) { return std::to_string(at.X) + "," + std::to_string(at.Y); }
}  // namespace

TRandomChild::TRandomChild(testing_support::TGameHarness& game, std::uint32_t seed, std::function<void()> restart)
    : FGame(game), FRestart(std::move(restart)), FRandom(seed), FWays(WaysThroughDoors(game.World())) {}

void TRandomChild::Restart() {
    FRestart();
    FMouseHeld = false;
    FAbsorbed = 0;
    ++FRestarts;
}

std::string TRandomChild::Act() {
    // After a walk the child is absorbed in the room for a while and leaves it only through
    // its own boxes: deep states (a full baking tray, a finished puzzle) need many moves.
    if (FAbsorbed > 0) --FAbsorbed;
    // Out of a thousand: a third clicks on boxes, a third other mouse moves, the rest buttons,
    // keys, sounds and songs, walks, the window and the game's end; an absorbed child's
    // buttons and walks become clicks on boxes.
    int roll = Below(1000);
    if (FAbsorbed > 0 && roll >= 640 && roll < 765) roll = Below(330);
    if (FAbsorbed > 0 && roll >= 950 && roll < 960) roll = Below(330);
    if (roll < 330) return ClickBox();
    if (roll < 430) return ClickAnywhere();
    if (roll < 520) return Drag();
    if (roll < 640) return LoneMouse();
    if (roll < 700) return PressNav();
    if (roll < 750) return PressAction();
    if (roll < 760) {
        LetGo();
        FGame.PressTutor();
        return "tutor";
    }
    if (roll < 765) {
        LetGo();
        FGame.PressAbout();
        return "about";
    }
    if (roll < 820) return PressKeys();
    if (roll < 920) return FGame.CompleteSound() ? "sound ends" : "no sound to end";
    if (roll < 950) return FGame.EndSong() ? "song ends" : "no song to end";
    if (roll < 960) return WalkTo();
    if (roll < 964) {
        // Another window comes to the front for a while, as when a parent looks something up.
        LetGo();
        FGame.SetActive(false);
        FGame.Tick(1 + Below(40));
        FGame.SetActive(true);
        return "the window is in the background for a while";
    }
    if (roll < 965 && OneIn(2)) {
        // The window is closed and the game started again: the saved game is read back.
        Restart();
        return "closes the game and starts it again";
    }
    return "waits";
}

TPoint TRandomChild::AnyPoint() { return TPoint{Below(kPlayAreaWidth), Below(kPlayAreaHeight)}; }

// While the button is held the play area keeps the mouse, so a drag that leaves the picture
// (onto the buttons beside it, or off the window) still reports where the pointer is.
TPoint TRandomChild::AnyPointAround() {
    constexpr int kMargin = 120;
    return TPoint{Below(kPlayAreaWidth + 2 * kMargin) - kMargin, Below(kPlayAreaHeight + 2 * kMargin) - kMargin};
}

void TRandomChild::Down(TPoint at) {
    FGame.MouseDown(at);
    FMouseHeld = true;
    FMouse = at;
}

void TRandomChild::Up(TPoint at) {
    FGame.MouseUp(at);
    FMouseHeld = false;
    FMouse = at;
}

void TRandomChild::LetGo() {
    if (FMouseHeld && FGame.Running()) Up(FMouse);
}

// Where on the box a child's click lands matters to a drawing slate or a train table, so the
// point is anywhere the box shows, not only the one the harness found.
TPoint TRandomChild::SomewhereOn(const testing_support::TGameHarness::TBoxPoint& box) {
    const TRoom* room = FGame.Room();
    const THitBox* hit = room != nullptr ? room->FindHitBox(box.Name) : nullptr;
    if (hit == nullptr) return box.At;
    const std::int32_t left = std::max<std::int32_t>(hit->Rect.Left, 0);
    const std::int32_t top = std::max<std::int32_t>(hit->Rect.Top, 0);
    const std::int32_t right = std::min<std::int32_t>(hit->Rect.Right, kPlayAreaWidth);
    const std::int32_t bottom = std::min<std::int32_t>(hit->Rect.Bottom, kPlayAreaHeight);
    for (int tries = 0; tries < 8 && left < right && top < bottom; ++tries) {
        const TPoint at{left + Below(right - left), top + Below(bottom - top)};
        if (room->HitBoxes().HitTest(at.X, at.Y) == hit) return at;
    }
    return box.At;
}

std::string TRandomChild::ClickBox() {
    const auto boxes = FGame.EnabledBoxes();
    if (boxes.empty()) return ClickAnywhere();
    const auto& box = boxes[std::size_t(Below(int(boxes.size())))];
    const TPoint at = OneIn(3) ? box.At : SomewhereOn(box);
    LetGo();
    Down(at);
    if (FGame.Running()) Up(at);
    return "click " + box.Name + " at " + Where(at);
}

std::string TRandomChild::ClickAnywhere() {
    const TPoint at = AnyPoint();
    LetGo();
    Down(at);
    if (FGame.Running()) Up(at);
    return "click at " + Where(at);
}

std::string TRandomChild::Drag() {
    const auto boxes = FGame.EnabledBoxes();
    const bool onBox = !boxes.empty() && !OneIn(4);
    const TPoint from = onBox ? SomewhereOn(boxes[std::size_t(Below(int(boxes.size())))]) : AnyPoint();
    const TPoint to = OneIn(4) ? AnyPointAround() : AnyPoint();
    const int steps = 1 + Below(8);
    LetGo();
    Down(from);
    for (int i = 1; i <= steps && FGame.Running(); ++i) {
        FMouse = TPoint{from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps};
        FGame.MouseMove(FMouse);
        // A child's drag pauses now and then.
        if (OneIn(3)) FGame.Tick(1 + Below(3));
    }
    const bool release = !OneIn(5);
    if (release && FGame.Running()) Up(to);
    return "drag " + Where(from) + " to " + Where(to) + " in " + std::to_string(steps) + (release ? "" : ", held");
}

std::string TRandomChild::LoneMouse() {
    const TPoint at = AnyPoint();
    switch (Below(3)) {
    case 0:
        Down(at);
        return "press at " + Where(at);
    case 1:
        FMouse = FMouseHeld && OneIn(3) ? AnyPointAround() : at;
        FGame.MouseMove(FMouse);
        return "move to " + Where(FMouse);
    default: {
        const TPoint to = FMouseHeld && OneIn(3) ? AnyPointAround() : at;
        Up(to);
        return "release at " + Where(to);
    }
    }
}

std::string TRandomChild::PressNav() {
    const int index = 1 + Below(kNavButtonCount);
    const auto& window = FGame.Window();
    if (window.NavGreyed || window.NavStates[std::size_t(index - 1)] != TNavState::Normal)
        return "room button " + std::to_string(index) + " does not take a press";
    LetGo();
    FGame.PressNav(index);
    return "room button " + std::to_string(index);
}

std::string TRandomChild::PressAction() {
    const int index = 1 + Below(kActionButtonCount);
    const auto& window = FGame.Window();
    if (window.ActionCommands[std::size_t(index - 1)] == TActionCommand::None ||
        window.ActionStates[std::size_t(index - 1)] != TActionState::Normal)
        return "action button " + std::to_string(index) + " does not take a press";
    LetGo();
    FGame.PressAction(index);
    return "action button " + std::to_string(index);
}

std::string TRandomChild::PressKeys() {
    // Mostly no key at all: a child leans on Shift or Ctrl for a while, Delete only briefly.
    const bool shift = OneIn(3);
    const bool ctrl = OneIn(4);
    const bool del = OneIn(6);
    FGame.SetKeys(shift, ctrl, del);
    return std::string("keys") + (shift ? " shift" : "") + (ctrl ? " ctrl" : "") + (del ? " delete" : "") +
           (shift || ctrl || del ? "" : " none");
}

std::string TRandomChild::WalkTo() {
    if (FWays.empty()) return "no ways";
    // Every room in turn, in a fresh order each round, so that no room is left out by chance.
    if (FWalkOrder.empty()) {
        for (const auto& [room, way] : FWays) FWalkOrder.push_back(room);
        std::shuffle(FWalkOrder.begin(), FWalkOrder.end(), FRandom);
    }
    const std::string target = FWalkOrder.back();
    FWalkOrder.pop_back();
    const TWay& way = FWays.at(target);
    TWalks& walk = FWalks[target];
    ++walk.Tries;
    LetGo();
    FGame.SetKeys(false, false, false);
    const std::string start = NavRooms()[std::size_t(way.NavButton - 1)];
    const auto& window = FGame.Window();
    if (FGame.RoomName() != start) {
        if (!window.NavGreyed && window.NavStates[std::size_t(way.NavButton - 1)] == TNavState::Normal)
            FGame.PressNav(way.NavButton);
        else
            FGame.World().GoRoom(start);
        FGame.Tick(1);
    }
    FAbsorbed = OneIn(2) ? Below(1500) : 0;
    std::string said = "walk to " + target + ": " + FGame.RoomName();
    for (const TDoor& door : way.Doors) {
        if (!FGame.Running() || FGame.RoomName() != door.Room) return said + " (stopped)";
        const TRoom* room = FGame.Room();
        const THitBox* box = room->FindHitBox(door.Box);
        if (box == nullptr || box->Disabled) {
            ++walk.Shut;
            return said + " (" + door.Box + " is shut)";
        }
        bool clicked = false;
        for (const auto& shown : FGame.EnabledBoxes())
            if (shown.Name == door.Box) {
                Down(shown.At);
                if (FGame.Running()) Up(shown.At);
                clicked = true;
                break;
            }
        // A door beyond the scrolled part of the room: the child scrolls there and goes in.
        if (!clicked) FGame.World().GoRoom(door.Target);
        FGame.Tick(1);
        said += " > " + FGame.RoomName();
    }
    if (FGame.RoomName() == target) ++walk.Arrived;
    return said;
}

}  // namespace random_play
