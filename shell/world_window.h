#pragma once
// What the world needs of the main window around the play area: the room and action buttons
// it sets for each room, the tutor button, the caption, the cursors, the keyboard and mouse
// position, the message loop and the songs. The game's main window implements it; the
// headless game harness has its own.
#include <cstdint>
#include <optional>
#include <string>

#include "foundation/geometry.h"

// States of a room (navigation) button.
enum class TNavState : std::uint8_t { Normal = 0, Current = 1, Disabled = 2 };
// States of an action button.
enum class TActionState : std::uint8_t { Normal = 0, Pressed = 1, Disabled = 2 };
// Commands an action button can carry.
enum class TActionCommand : std::uint8_t { None = 0, Snap = 1, Wrap = 2, Hang = 3, Print = 4, Card = 5 };

inline constexpr int kNavButtonCount = 4;
inline constexpr int kActionButtonCount = 3;

// The modifier and Delete keys as they stand now (down or up).
struct TKeyState {
    bool Shift = false;
    bool Ctrl = false;
    bool Delete = false;
};

class TWorldWindow {
public:
    virtual ~TWorldWindow() = default;

    // Room buttons 1..4: the one drawn highlighted (0 none), each one's state, and whether
    // all of them are greyed out.
    virtual void SetHomeIndex(std::uint8_t index) = 0;
    virtual void SetNavButtonState(int index, TNavState state) = 0;
    virtual void SetNavGreyed(bool greyed) = 0;
    // Action buttons 1..3.
    virtual void SetActionCommand(int index, TActionCommand command) = 0;
    virtual void SetActionState(int index, TActionState state) = 0;
    virtual void SetTutorChecked(bool checked) = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;

    // The screen cursor: the hourglass while busy, else the cursor of what lies under it.
    virtual void SetBusyCursor(bool busy) = 0;
    virtual TKeyState ReadKeys() const = 0;
    // The mouse position relative to the play area's top-left; none when the window
    // cannot tell (the pointer is elsewhere).
    virtual std::optional<TPoint> MousePosition() const = 0;
    // The play area receives a mouse move where the pointer stands, so the cursor follows
    // what now lies under it; the pointer is not moved, and one outside the window is left
    // alone.
    virtual void RefreshMousePosition() = 0;
    // Lets pending window messages and queued platform events run.
    virtual void ProcessPendingMessages() = 0;

    // Songs: start one and schedule its end (18 any carol); stop the song player.
    virtual void PlayMusic(std::int32_t song) = 0;
    virtual void StopMusic() = 0;
};
