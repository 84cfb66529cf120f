#pragma once
// A small world for driving rooms and boxes the way the game's world does: room changes
// that drop timers, leave, enter and draw; mouse events turned into hit-box calls with one
// captured box; ticks that give the captured box its tick and fire the room's timers.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/id_list.h"
#include "shell/game_context.h"
#include "shell/hit_box.h"
#include "shell/room.h"
#include "shell/room_world.h"

class TTestWorld : public TRoomWorld {
public:
    ~TTestWorld() override {
        for (auto* room : NodesOf<TRoom>(FRooms)) room->ReleaseGraphics(true);
    }

    template <class T>
    T* AddRoom(std::unique_ptr<T> room) {
        room->SetWorld(this);
        return static_cast<T*>(FRooms.Append(std::move(room)));
    }

    TGameContext& Context() const override { return FContext; }
    std::int32_t GetTickTotal() const override { return TickTotal; }
    TRoom* GetCurrentRoom() const override { return Current; }
    TRoom* FindRoom(std::string_view name) const override { return static_cast<TRoom*>(FRooms.FindByID(name)); }

    void GoRoom(std::string_view name) override {
        GoRoomCalls.emplace_back(name);
        if (Current != nullptr) Current->ClearTimers();
        TRoom* next = FindRoom(name);
        if (next == nullptr) return;
        Captured = nullptr;
        std::string from;
        if (Current != nullptr) {
            Current->Leave();
            Stack.push_back(Current);
            from = Current->GetID();
        }
        next->Enter(from);
        if (View != nullptr) next->Draw(View);
        Current = next;
    }

    void GoBack() override {
        ++GoBackCalls;
        if (Stack.empty()) return;
        TRoom* back = Stack.back();
        Stack.pop_back();
        GoRoom(back->GetID());
        Stack.pop_back();
    }

    TAC8ImageData* GetViewImage() const override { return View; }
    TAC8Library* GetImageLibrary() const override { return Library; }
    std::int16_t GetDefaultCursor() const override { return DefaultCursor; }
    void SetDefaultCursor(std::int16_t cursor) override { DefaultCursor = cursor; }
    std::uint16_t GetFlags() const override { return Flags; }
    void SetQuit() override { Quit = true; }
    void SetRoomFlags(std::uint16_t mask, bool on) override {
        mask &= kRoomOwnedWorldFlags;
        Flags = static_cast<std::uint16_t>(on ? (Flags | mask) : (Flags & ~mask));
    }
    void UpdateActionButtons(TRoom& room) override { ButtonUpdates.push_back("action " + room.GetID()); }
    void UpdateNavButtons(TRoom& room) override { ButtonUpdates.push_back("nav " + room.GetID()); }
    void RequestCursorRefresh() override { ++CursorRefreshes; }
    void BeginHourglass() override { ++HourglassDepth; }
    void EndHourglass() noexcept override { --HourglassDepth; }
    std::uint8_t GetFileVersion() const override { return FileVersion; }
    void PlayMusic(std::int32_t song) override { Music.push_back("play " + std::to_string(song)); }
    void StopMusic() override { Music.push_back("stop"); }
    void ProcessPendingMessages() override { Music.push_back("messages"); }

    // The play area's mouse events, as the world hands them to the boxes.
    void MouseDown(std::int32_t x, std::int32_t y, TMouseButton button = TMouseButton::Left,
                   std::uint8_t shift = kLeftButtonDown) {
        THitBox* box = Current->HitBoxes().HitTest(x, y);
        Captured = nullptr;
        if (box == nullptr) return;
        if (!box->Capture)
            box->Click();
        else if (box->MouseDown(button, shift, x, y)) {
            Captured = box;
            CaptureTick = TickTotal;
        }
    }
    void MouseMove(std::int32_t x, std::int32_t y) {
        if (Captured != nullptr) {
            if (!Captured->MouseDrag(x, y)) Captured = nullptr;
            return;
        }
        THitBox* box = Current->HitBoxes().HitTest(x, y);
        if (box != nullptr && box->Hover && box->MouseEnter(x, y)) Captured = box;
    }
    void MouseUp(std::int32_t x, std::int32_t y) {
        if (Captured != nullptr && !Captured->MouseUp(x, y)) Captured = nullptr;
    }
    void Tick(std::int32_t elapsed = 1) {
        if (Current != nullptr) {
            if (Captured != nullptr) Captured->Tick(TickTotal - CaptureTick);
            Current->ProcessTimers(TickTotal);
        }
        TickTotal += elapsed;
    }

    std::int32_t TickTotal = 0;
    TRoom* Current = nullptr;
    THitBox* Captured = nullptr;
    std::int32_t CaptureTick = 0;
    TAC8ImageData* View = nullptr;
    TAC8Library* Library = nullptr;
    std::int16_t DefaultCursor = 0;
    std::uint16_t Flags = 0;
    bool Quit = false;
    std::vector<std::string> ButtonUpdates;
    int CursorRefreshes = 0;
    int HourglassDepth = 0;
    std::uint8_t FileVersion = 9;
    std::vector<std::string> GoRoomCalls;
    std::vector<std::string> Music;  // song calls, in order
    int GoBackCalls = 0;
    std::vector<TRoom*> Stack;

private:
    mutable TGameContext FContext;
    TIDList FRooms;
};

// A room that records every message it is given and the control events of its boxes, then
// passes the messages to the base room as an activity room does.
class TRecordingRoom : public TRoom {
public:
    using TRoom::TRoom;

    void RunScript(const std::string& script, const std::string& sender) override {
        Messages.push_back(script + "|" + sender);
        if (OnMessage) OnMessage(script, sender);
        if (Handled.count(sender) != 0) return;
        TRoom::RunScript(script, sender);
    }
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override {
        Events.push_back({box.GetID(), kind, box.EventPoint});
        return kind == TControlEventKind::Down   ? TakeOnDown
               : kind == TControlEventKind::Enter ? TakeOnEnter
                                                   : KeepCapture;
    }
    std::int16_t GetBoxCursor(const std::string& boxName, std::int32_t x, std::int32_t y) override {
        CursorQuestions.push_back(boxName + "@" + std::to_string(x) + "," + std::to_string(y));
        return BoxCursor;
    }
    void Enter(const std::string& fromRoom) override {
        TRoom::Enter(fromRoom);
        EnteredFrom.push_back(fromRoom);
    }

    struct Event {
        std::string Box;
        TControlEventKind Kind;
        TPoint Point;
    };
    std::vector<std::string> Messages;
    std::vector<Event> Events;
    std::vector<std::string> CursorQuestions;
    std::vector<std::string> EnteredFrom;
    std::set<std::string> Handled;  // senders this room takes instead of the base
    std::function<void(const std::string&, const std::string&)> OnMessage;
    bool TakeOnDown = true;
    bool TakeOnEnter = true;
    bool KeepCapture = true;
    std::int16_t BoxCursor = 7;
};
