#include "platform/sdl/sdl_game_platform.h"

#include <SDL.h>
#include <signal.h>
#include <strings.h>

#include <sstream>
#include <string>

#include "platform/fluidsynth/fluid_song_output.h"
#include "platform/sdl/sdl_audio_device.h"
#include "platform/sdl/sdl_game_window.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_wave_output.h"

namespace platform {

struct SdlGamePlatform::Impl {
    explicit Impl(EventQueue& queue) : Audio(nullptr, &queue), Waves(Audio, queue), Songs(Audio, queue) {}
    SdlMessageBoxes Boxes;
    SdlAudioDevice Audio;
    SdlWaveOutput Waves;
    FluidSongOutput Songs;
    std::unique_ptr<SdlGameWindow> Window;
};

SdlGamePlatform::SdlGamePlatform() : FImpl(std::make_unique<Impl>(FQueue)) {}

SdlGamePlatform::~SdlGamePlatform() {
    if (FImpl->Window) FImpl->Window->SetEventQueue(nullptr);
    FImpl->Boxes.SetParent(nullptr);
    FImpl->Boxes.SetRefresh(nullptr);
    FImpl.reset();
}

MessageBoxes& SdlGamePlatform::Boxes() { return FImpl->Boxes; }
WaveOutput& SdlGamePlatform::Waves() { return FImpl->Waves; }
SongOutput& SdlGamePlatform::Songs() { return FImpl->Songs; }

namespace {
// Video stays up from the first use to the end of the process: SDL would otherwise unload
// the display libraries between the display check and the window, and again at the end,
// each time for nothing (and leaving leak checkers unable to name what they allocated).
bool KeepVideoUp() {
    // The window's close button asks the quit question; only signals and the session may
    // end the game without it, so closing the last window must not count as a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    static const bool up = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return up;
}
}  // namespace

// SDL turns SIGINT and SIGTERM into its quit event; a hang-up (the terminal or the session
// going away) is passed on as SIGTERM, so it ends the game the same way.
void PassHangUpOn() {
    struct sigaction action {};
    action.sa_handler = [](int) { ::raise(SIGTERM); };
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGHUP, &action, nullptr);
    // A write to a display connection that went away must fail, not kill the game unsaved.
    ::signal(SIGPIPE, SIG_IGN);
}

namespace {
// SDL falls back on these when no real display answers; a game there runs unseen for ever.
bool ShowsNothing(const char* driver) {
    for (const char* unseen : {"offscreen", "dummy"})
        if (::strcasecmp(driver, unseen) == 0) return true;
    return false;
}

bool AskedForByName(const char* driver) {
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (asked == nullptr) return false;
    std::istringstream list(asked);
    std::string name;
    while (std::getline(list, name, ','))
        if (::strcasecmp(name.c_str(), driver) == 0) return true;
    return false;
}
}  // namespace

bool SdlGamePlatform::HasDisplay() {
    const char* driver = KeepVideoUp() ? SDL_GetCurrentVideoDriver() : nullptr;
    const bool found = driver != nullptr && (!ShowsNothing(driver) || AskedForByName(driver));
    if (!found) FImpl->Boxes.SetNoDisplay();
    return found;
}

std::int32_t SdlGamePlatform::DisplayColourBits() const {
    if (!KeepVideoUp()) return 24;
    SDL_DisplayMode mode{};
    std::int32_t bits = 24;
    if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && SDL_BITSPERPIXEL(mode.format) > 0)
        bits = static_cast<std::int32_t>(SDL_BITSPERPIXEL(mode.format));
    return bits;
}

GameWindow& SdlGamePlatform::OpenWindow(const std::u16string& caption, std::int32_t minWidth,
                                        std::int32_t minHeight) {
    if (!FImpl->Window) {
        KeepVideoUp();
        FImpl->Window = std::make_unique<SdlGameWindow>(caption, minWidth, minHeight);
        // SDL has its SIGTERM handler by now.
        PassHangUpOn();
        FImpl->Window->SetEventQueue(&FQueue);
        FImpl->Boxes.SetParent(FImpl->Window.get());
        FImpl->Boxes.SetRefresh([window = FImpl->Window.get()] { window->RefreshPicture(); });
    }
    return *FImpl->Window;
}

GameWindow* SdlGamePlatform::Window() { return FImpl->Window.get(); }

void SdlGamePlatform::Run(std::function<void()> poll) {
    if (!FImpl->Window) return;
    FImpl->Window->OnPoll = std::move(poll);
    FImpl->Window->Run();
    FImpl->Window->OnPoll = nullptr;
}

}  // namespace platform
