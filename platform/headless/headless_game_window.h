#pragma once
// The game window for tests: a client area of a fixed size in memory, flags and keys set by
// the test, the timer fired by hand, and a record of what the game asked of the window.
#include <map>

#include "platform/event_queue.h"
#include "platform/game_window.h"

namespace platform::headless {

class HeadlessGameWindow final : public GameWindow {
public:
    HeadlessGameWindow(std::int32_t width, std::int32_t height);

    ControlHost& Controls() override { return FHost; }
    void SetCaption(const std::u16string& caption) override { FCaption = caption; }
    const std::u16string& Caption() const override { return FCaption; }
    void Show() override { FShown = true; }
    void Maximise() override { FMaximised = true; }
    bool IsActive() const override { return FActive; }
    void BringToFront() override;
    void RequestClose() override;
    // What the session's end does to the real window: OnEndSession, else a close without
    // the question.
    void EndSession();
    bool Closed() const override { return FClosed; }

    bool PointerPosition(std::int32_t& x, std::int32_t& y) const override;
    void RefreshPointer() override;
    void DefineCursor(std::int16_t number, const CursorPicture& picture) override;
    void SetScreenCursor(std::int16_t cursor) override { FScreenCursor = cursor; }
    std::int16_t ScreenCursor() const override { return FScreenCursor; }
    std::int16_t ShownCursor() const override;

    KeyboardState Keyboard() const override { return FKeys; }

    void SetTimer(std::int32_t intervalMs, bool enabled) override;
    void ProcessPendingMessages() override;

    // ---- for tests
    void SetKeyboard(const KeyboardState& keys) { FKeys = keys; }
    void SetActive(bool active);
    // A new client size, as when the window is resized.
    void Resize(std::int32_t width, std::int32_t height);
    // Runs the timer's handler once when the timer is enabled; false otherwise.
    bool FireTimer();
    // One turn of the main loop without the wait: queued events, idle hook, painting.
    void RunOnce();
    // The queue RunOnce and ProcessPendingMessages drain; none at start.
    void SetEventQueue(EventQueue* queue) { FQueue = queue; }

    // The mouse at client coordinates, as the window would pass it on.
    void MouseDown(std::int32_t x, std::int32_t y, MouseButton button = MouseButton::Left);
    void MouseMove(std::int32_t x, std::int32_t y);
    void MouseUp(std::int32_t x, std::int32_t y, MouseButton button = MouseButton::Left);
    void Click(std::int32_t x, std::int32_t y);
    // The pointer goes over another window; it is back with the next mouse event.
    void PointerLeaves() { FPointerInside = false; }
    bool PointerInside() const { return FPointerInside; }

    bool Shown() const { return FShown; }
    bool Maximised() const { return FMaximised; }
    int RaiseCount() const { return FRaiseCount; }
    // How often the controls heard the pointer again where it stands.
    int PointerRefreshes() const { return FPointerRefreshes; }
    std::int32_t TimerInterval() const { return FTimerInterval; }
    bool TimerEnabled() const { return FTimerEnabled; }
    bool HasCursor(std::int16_t number) const { return FCursors.count(number) != 0; }
    const CursorPicture* CursorOf(std::int16_t number) const;
    int PendingMessageRuns() const { return FPendingRuns; }

private:
    ControlHost FHost;
    std::u16string FCaption;
    bool FShown = false;
    bool FMaximised = false;
    bool FActive = true;
    bool FClosed = false;
    int FRaiseCount = 0;
    int FPointerRefreshes = 0;
    int FPendingRuns = 0;
    std::int32_t FPointerX = 0;
    std::int32_t FPointerY = 0;
    bool FPointerInside = true;
    std::int16_t FScreenCursor = kNoScreenCursor;
    std::map<std::int16_t, CursorPicture> FCursors;
    KeyboardState FKeys;
    std::int32_t FTimerInterval = 0;
    bool FTimerEnabled = false;
    EventQueue* FQueue = nullptr;
};

}  // namespace platform::headless
