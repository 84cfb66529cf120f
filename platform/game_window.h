#pragma once
// The game's one window, in the game's terms: a client area of controls painted into one RGB
// back buffer, a caption, the active flag, raising and closing, the mouse pointer and its
// cursors, the keyboard state, one repeating timer and an idle hook. The SDL window is the
// real one; tests use the headless window, whose flags they set by hand.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace platform {

// The screen cursor that overrides every control's while the game is busy.
inline constexpr std::int16_t kHourglassCursor = -11;
// No screen cursor: each control shows its own.
inline constexpr std::int16_t kNoScreenCursor = 0;

// A cursor picture: 0xAARRGGBB pixels, top row first, with the hot spot inside.
struct CursorPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t HotX = 0;
    std::int32_t HotY = 0;
    std::vector<std::uint32_t> Pixels;
};

struct KeyboardState {
    bool ShiftDown = false;
    bool CtrlDown = false;
    bool DeleteDown = false;
    bool CapsLockOn = false;  // the toggle, not the key
    friend bool operator==(const KeyboardState&, const KeyboardState&) = default;
};

class GameWindow {
public:
    virtual ~GameWindow() = default;

    // The client area: its size is the window's logical size.
    virtual ControlHost& Controls() = 0;

    virtual void SetCaption(const std::u16string& caption) = 0;
    virtual const std::u16string& Caption() const = 0;
    virtual void Show() = 0;
    virtual void Maximise() = 0;
    // Whether the window has the input focus.
    virtual bool IsActive() const = 0;
    // Brings the window to the front and gives it the focus.
    virtual void BringToFront() = 0;
    // Asks to close, as the close button does: OnCloseQuery decides.
    virtual void RequestClose() = 0;
    virtual bool Closed() const = 0;

    // The pointer in client coordinates; false when the window does not know it.
    virtual bool PointerPosition(std::int32_t& x, std::int32_t& y) const = 0;
    // The controls under the pointer hear it again where it stands, as after a move, so the
    // cursor shape follows what changed beneath it. The pointer itself never moves: one
    // resting over another window stays there, and then nothing happens.
    virtual void RefreshPointer() = 0;
    // Cursor numbers 1 and up; a number defined again replaces the old picture.
    virtual void DefineCursor(std::int16_t number, const CursorPicture& picture) = 0;
    // kHourglassCursor or any defined number overrides the controls; kNoScreenCursor ends it.
    virtual void SetScreenCursor(std::int16_t cursor) = 0;
    virtual std::int16_t ScreenCursor() const = 0;
    // The cursor number the pointer shows now (-1 none, 0 the arrow).
    virtual std::int16_t ShownCursor() const = 0;

    virtual KeyboardState Keyboard() const = 0;

    // The repeating timer: OnTimer every `intervalMs` while enabled.
    virtual void SetTimer(std::int32_t intervalMs, bool enabled) = 0;

    // The picture the desktop shows for the window (task bar, switcher); a window that has
    // no such place ignores it.
    virtual void SetIcon(const CursorPicture& picture) { (void)picture; }
    // Handles the window events waiting now, without waiting for more: what a handler calls
    // when it lets pending messages run.
    virtual void ProcessPendingMessages() = 0;

    // Handlers the game sets; all run on the main thread.
    std::function<void()> OnTimer;
    // After each batch of events, before the window waits for the next.
    std::function<void()> OnIdle;
    // The client area took a new size (the controls' host has it already).
    std::function<void()> OnResize;
    std::function<void()> OnActivate;
    // True lets the window close.
    std::function<bool()> OnCloseQuery;
    // The program is told to end (a signal, the session ending, the display gone): nobody is
    // there to answer a question, so the game ends as if its close had been confirmed.
    // Without a handler the window closes without asking.
    std::function<void()> OnEndSession;
    // An error no handler of the game caught: the window's loop hands it over here and goes
    // on with the next event. Without a handler the error leaves the loop.
    std::function<void(std::exception_ptr)> OnUnhandledError;

protected:
    // Runs the handling of one event of the window's loop (see OnUnhandledError).
    template <class Handler>
    void Dispatch(Handler&& handler) {
        if (!OnUnhandledError) {
            handler();
            return;
        }
        try {
            handler();
        } catch (...) {
            OnUnhandledError(std::current_exception());
        }
    }
};

// The logical client area a screen area shows: the largest integer scale at which the
// logical area is still at least `minWidth` by `minHeight`, never below 1; the logical
// area is the screen area divided by the scale, centred with the remainder as a border.
struct WindowScale {
    std::int32_t Scale = 1;
    std::int32_t LogicalWidth = 0;
    std::int32_t LogicalHeight = 0;
    std::int32_t OffsetX = 0;  // screen pixels left of the logical area
    std::int32_t OffsetY = 0;
    friend bool operator==(const WindowScale&, const WindowScale&) = default;
};
WindowScale ComputeWindowScale(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t minWidth,
                               std::int32_t minHeight);

}  // namespace platform
