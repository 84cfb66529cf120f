#pragma once
// The game window on SDL: one window whose client area is the logical area of the game,
// drawn at the largest whole-number scale the window allows. The controls paint into one
// RGB back buffer, which is copied into a texture and presented. The main loop waits for
// window events with a timeout that ends at the next timer event, so an idle game sleeps.
#include <SDL.h>

#include <cstdint>
#include <map>
#include <optional>
#include <memory>

#include "platform/event_queue.h"
#include "platform/game_window.h"
#include "platform/message_boxes.h"
#include "platform/sdl/sdl_box_drawing.h"

namespace platform {

class SdlGameWindow final : public GameWindow {
public:
    // The logical area is kept at least minWidth by minHeight; the window opens on the
    // usable area of the first display. Raises std::runtime_error when SDL cannot make a
    // window.
    SdlGameWindow(const std::u16string& caption, std::int32_t minWidth, std::int32_t minHeight);
    ~SdlGameWindow() override;
    SdlGameWindow(const SdlGameWindow&) = delete;
    SdlGameWindow& operator=(const SdlGameWindow&) = delete;

    ControlHost& Controls() override { return FHost; }
    void SetCaption(const std::u16string& caption) override;
    const std::u16string& Caption() const override { return FCaption; }
    void Show() override;
    void Maximise() override;
    bool IsActive() const override;
    void BringToFront() override;
    void RequestClose() override;
    // The end the session asks for: OnEndSession, or a close without the question.
    void EndSession();
    // True once a signal, the session or the display going away has asked the game to end:
    // nobody is left to answer a box, and the game must not wait for one.
    bool SessionEnding() const { return FSessionEnding; }
    bool Closed() const override { return FClosed; }

    bool PointerPosition(std::int32_t& x, std::int32_t& y) const override;
    void RefreshPointer() override;
    void DefineCursor(std::int16_t number, const CursorPicture& picture) override;
    void SetScreenCursor(std::int16_t cursor) override;
    std::int16_t ScreenCursor() const override { return FScreenCursor; }
    std::int16_t ShownCursor() const override { return FShownCursor; }

    KeyboardState Keyboard() const override;

    void SetTimer(std::int32_t intervalMs, bool enabled) override;
    void SetIcon(const CursorPicture& picture) override;
    // Shows the whole picture again now, painting what is invalid first.
    void RefreshPicture();
    void ProcessPendingMessages() override;

    // Events posted to the queue wake the loop; the loop and ProcessPendingMessages drain it.
    void SetEventQueue(EventQueue* queue);
    // Runs the main loop until the window has closed.
    void Run();
    // Extra work between two waits, for programs that watch something besides the window
    // (the single-instance socket); called once per turn of the loop.
    std::function<void()> OnPoll;

    // A modal message box drawn inside the window, with a loop of its own that keeps the
    // game's picture shown beneath it (the game itself waits for the answer). A quit from
    // outside (a signal, the session ending) answers the box Closed and is handled as soon
    // as the game has taken the answer. Nothing when the box cannot be drawn here (no window
    // any more, no font): the caller shows the system's box instead.
    std::optional<MessageAnswer> ShowBox(const std::u16string& caption, const std::u16string& text,
                                         MessageButtons buttons, MessageIcon icon);

    SDL_Window* Handle() const { return FWindow; }
    const WindowScale& Scale() const { return FScale; }

private:
    void HandleEvent(const SDL_Event& event);
    // True when the display server has closed the window's connection.
    bool DisplayGone() const;
    void PumpEvents();
    void FitToWindow();
    void PaintAndPresent(bool force);
    // The game's picture into the renderer, scaled into its place; not presented.
    void DrawPicture();
    void BoxOutputPoint(std::int32_t windowX, std::int32_t windowY, int& x, int& y) const;
    void UpdateCursor();
    SDL_Cursor* CursorFor(std::int16_t number);
    void RebuildCursors();
    bool ToClient(std::int32_t windowX, std::int32_t windowY, std::int32_t& x, std::int32_t& y) const;
    static MouseButton ButtonOf(std::uint8_t sdlButton);

    int FDisplayFd = -1;
    std::int32_t FMinWidth;
    std::int32_t FMinHeight;
    ControlHost FHost;
    std::u16string FCaption;
    SDL_Window* FWindow = nullptr;
    SDL_Renderer* FRenderer = nullptr;
    SDL_Texture* FTexture = nullptr;
    WindowScale FScale;
    bool FVideoUp = false;
    bool FClosed = false;
    bool FDisplayLost = false;
    bool FSessionEnding = false;
    bool FNeedsPresent = true;

    std::int32_t FPointerX = -1;
    std::int32_t FPointerY = -1;
    std::uint32_t FHeldButtons = 0;

    std::map<std::int16_t, CursorPicture> FCursorPictures;
    std::map<std::int16_t, SDL_Cursor*> FCursors;  // built at the current scale
    SDL_Cursor* FArrow = nullptr;
    SDL_Cursor* FHourglass = nullptr;
    std::int16_t FScreenCursor = kNoScreenCursor;
    std::int16_t FShownCursor = 0;
    SDL_Cursor* FShownHandle = nullptr;
    bool FCursorHidden = false;

    std::int32_t FTimerInterval = 0;
    bool FTimerEnabled = false;
    std::uint64_t FNextTimer = 0;

    SdlBoxFonts FBoxFonts;

    EventQueue* FQueue = nullptr;
    std::uint32_t FWakeEvent = 0;
};

}  // namespace platform
