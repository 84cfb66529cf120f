#pragma once
// Everything the real game runs on, behind the platform's interfaces: SDL message boxes,
// the SDL audio device with wave sounds and FluidSynth songs, the main thread's event queue,
// the screen's colour depth, and the game window, opened when the start asks for it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/event_queue.h"
#include "platform/game_window.h"
#include "platform/message_boxes.h"
#include "platform/song_output.h"
#include "platform/wave_output.h"

namespace platform {

class SdlGamePlatform {
public:
    SdlGamePlatform();
    ~SdlGamePlatform();
    SdlGamePlatform(const SdlGamePlatform&) = delete;
    SdlGamePlatform& operator=(const SdlGamePlatform&) = delete;

    MessageBoxes& Boxes();
    EventQueue& Queue() { return FQueue; }
    WaveOutput& Waves();
    SongOutput& Songs();
    // True when SDL reaches a display the player can see. SDL's stand-ins that show nothing
    // (its offscreen and dummy drivers) count only where SDL_VIDEODRIVER names them, as the
    // tests do. Without a display every message box goes to standard error.
    bool HasDisplay();
    // Bits per pixel of the first display; 24 when it cannot be told.
    std::int32_t DisplayColourBits() const;

    // Opens the game window (once) with a logical area of at least minWidth by minHeight;
    // the message boxes belong to it from then on. Raises std::runtime_error without a
    // display.
    GameWindow& OpenWindow(const std::u16string& caption, std::int32_t minWidth, std::int32_t minHeight);
    GameWindow* Window();
    // The main loop until the window closes; `poll` runs once per turn.
    void Run(std::function<void()> poll);

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    EventQueue FQueue;
};

}  // namespace platform
