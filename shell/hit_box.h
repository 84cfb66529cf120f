#pragma once
// Hit boxes: the clickable rectangles of a room, in view coordinates. A plain box acts on a
// click itself; a capturing box (the control box) takes the mouse from the press until its
// release and reports every mouse event to its room.
//
// A box keeps a non-owning pointer to the room that owns it (set when the room's list takes
// it) and asks that room, not the world's current room, for its cursor, its control events
// and its scripts: while a new room is being entered the current room is still the old one.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "foundation/id_list.h"
#include "foundation/typed_node_list.h"
#include "qe_exception.h"

class TRoom;
class TRoomWorld;

// Node class ids of the box kinds in streams.
inline constexpr std::uint8_t kHitBoxClassId = 2;
inline constexpr std::uint8_t kGoBoxClassId = 3;
inline constexpr std::uint8_t kSayBoxClassId = 4;
inline constexpr std::uint8_t kReturnBoxClassId = 5;
inline constexpr std::uint8_t kScriptBoxClassId = 6;
inline constexpr std::uint8_t kRoomScriptBoxClassId = 7;
inline constexpr std::uint8_t kControlBoxClassId = 8;

// Cursor numbers with a meaning of their own.
inline constexpr std::int16_t kNoCursor = -1;
inline constexpr std::int16_t kAskRoomCursor = 100;
inline constexpr std::int16_t kWorldDefaultCursor = 101;

// The buttons and the shift-state bits a control box stores with a press.
enum class TMouseButton : std::uint8_t { Left = 0, Right = 1, Middle = 2 };
inline constexpr std::uint8_t kShiftKey = 0x01;
inline constexpr std::uint8_t kAltKey = 0x02;
inline constexpr std::uint8_t kCtrlKey = 0x04;
inline constexpr std::uint8_t kLeftButtonDown = 0x08;
inline constexpr std::uint8_t kRightButtonDown = 0x10;
inline constexpr std::uint8_t kMiddleButtonDown = 0x20;
inline constexpr std::uint8_t kDoubleClick = 0x40;

class THitBox : public TIDNode {
public:
    THitBox();
    THitBox(std::string_view name, const TRect& rect);

    // 0 when disabled; the cursor itself up to 99 (negative included); 100 the room's
    // GetBoxCursor; 101 the world's default cursor; any other number 2.
    virtual std::int16_t GetCursor(std::int32_t x, std::int32_t y) const;
    // Not disabled and the point inside (Right and Bottom outside).
    virtual bool HitTest(std::int32_t x, std::int32_t y) const;
    // A click on a box without capture.
    virtual void Click();
    // Events of a box with capture; true takes (down, enter) or keeps (drag, up) the mouse.
    virtual bool MouseDown(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y);
    virtual bool MouseDrag(std::int32_t x, std::int32_t y);
    virtual bool MouseEnter(std::int32_t x, std::int32_t y);
    virtual bool MouseUp(std::int32_t x, std::int32_t y);
    // Every world tick while this box holds the capture.
    virtual void Tick(std::int32_t elapsed);

    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

    bool IsEnabled() const { return !Disabled; }
    void SetEnabled(bool enabled) { Disabled = !enabled; }
    void SetCursor(std::int16_t cursor) { Cursor = cursor; }

    // The owning room; nullptr until a room's list takes the box. A box without a room
    // does nothing on a click and shows cursor 0 where it would ask the room or the world.
    TRoom* GetRoom() const { return FRoom; }
    void SetRoom(TRoom* room) { FRoom = room; }

    std::int16_t Cursor = 0;
    bool Disabled = false;
    TRect Rect;
    bool Capture = false;
    // Set and cleared by rooms; never stored.
    bool Hover = false;

protected:
    // The owning room's world, or nullptr.
    TRoomWorld* World() const;

private:
    TRoom* FRoom = nullptr;
};

// Goes to its target room.
class TGoBox : public THitBox {
public:
    TGoBox();
    TGoBox(std::string_view name, const TRect& rect);
    void Click() override;
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;
    const std::string& GetTarget() const { return FTarget; }
    void SetTarget(std::string_view name);

private:
    std::string FTarget;
};

// The same as a go box; the init script names it separately.
class TAccessBox : public TGoBox {
public:
    using TGoBox::TGoBox;
};

inline constexpr std::int32_t kSaySound = 11;

// Plays the "say" sound unless a looping sound is playing; its text is kept, not shown.
class TSayBox : public THitBox {
public:
    TSayBox();
    TSayBox(std::string_view name, const TRect& rect);
    void Click() override;
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;
    const std::string& GetSayText() const { return FSayText; }
    void SetSayText(std::string_view text) { FSayText = text; }

private:
    std::string FSayText;
};

// Goes back along the world's return stack.
class TReturnBox : public THitBox {
public:
    TReturnBox();
    TReturnBox(std::string_view name, const TRect& rect);
    void Click() override;
};

// Runs one of the global scripts (quit, or ask and quit).
class TScriptBox : public THitBox {
public:
    TScriptBox();
    TScriptBox(std::string_view name, const TRect& rect);
    void Click() override;
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;
    // "exitgame" gives 1, "maybeexitgame" 2, any other word 0 (compared in lower case).
    void SetScriptId(std::string_view word);
    std::uint16_t GetScriptId() const { return FScriptId; }

private:
    std::uint16_t FScriptId = 0;
};

// Sends its script text to its room, with its own ID as the sender.
class TRoomScriptBox : public THitBox {
public:
    TRoomScriptBox();
    TRoomScriptBox(std::string_view name, const TRect& rect);
    void Click() override;
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;
    const std::string& GetScript() const { return FScript; }
    void SetScript(std::string_view text);

private:
    std::string FScript;
};

class TXRoomScriptBox : public TRoomScriptBox {
public:
    using TRoomScriptBox::TRoomScriptBox;
};

// The event kinds a control box reports to its room's ControlEvent.
enum class TControlEventKind : std::uint8_t { Down = 0, Drag = 1, Up = 2, Tick = 3, Enter = 4 };

// Captures the mouse and hands every event to its room's ControlEvent, after storing the
// event's point relative to the box so the room can read it.
class TControlBox : public TRoomScriptBox {
public:
    TControlBox();
    TControlBox(std::string_view name, const TRect& rect);
    bool MouseDown(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y) override;
    bool MouseDrag(std::int32_t x, std::int32_t y) override;
    bool MouseEnter(std::int32_t x, std::int32_t y) override;
    bool MouseUp(std::int32_t x, std::int32_t y) override;
    void Tick(std::int32_t elapsed) override;

    // Whether the last event's point lay inside the box (a release inside or outside).
    bool PointInside() const;

    TPoint EventPoint;  // relative to the box's top-left
    std::uint8_t ShiftState = 0;
    TMouseButton Button = TMouseButton::Left;
    std::int32_t Elapsed = 0;

private:
    bool Report(TControlEventKind kind);
    void StorePoint(std::int32_t x, std::int32_t y);
};

class TXControlBox : public TControlBox {
public:
    using TControlBox::TControlBox;
};

// A room's boxes. The list knows its room and hands it to every box it takes.
class THitBoxList : public TTypedNodeList<THitBox, TIDList> {
public:
    explicit THitBoxList(TRoom* owner = nullptr) : FOwner(owner) {}

    // Boxes of the init script go to the head, so of overlapping boxes the later one wins.
    THitBox* AddFirst(std::unique_ptr<THitBox> box);
    THitBox* AddLast(std::unique_ptr<THitBox> box);
    // The first box in list order whose HitTest holds, or nullptr.
    THitBox* HitTest(std::int32_t x, std::int32_t y) const;
    THitBox* FindBox(std::string_view name) const;

    // Reading refuses a record that is not a hit box, so every node is a THitBox.
    void LoadFromStream(TStream& s) override;

private:
    TRoom* FOwner;
};

// The node of a game ID list with this name; none raises QEException with game string
// 1350 ("NIL pointer detected"), as does a node of another class than T.
TIDNode& FindNodeOrFail(const TIDList& list, std::string_view name);
template <class T>
T& FindNodeOrFail(const TIDList& list, std::string_view name) {
    T* node = dynamic_cast<T*>(&FindNodeOrFail(list, name));
    if (node == nullptr) RaiseGameError(GameStringNilPointer);
    return *node;
}
