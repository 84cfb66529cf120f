#include "platform/sdl/sdl_game_window.h"

#include <SDL_syswm.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/sdl_text.h"

namespace platform {

SdlGameWindow::SdlGameWindow(const std::u16string& caption, std::int32_t minWidth, std::int32_t minHeight)
    : FMinWidth(minWidth), FMinHeight(minHeight), FHost(minWidth, minHeight), FCaption(caption) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot start the display: ") + SDL_GetError());
    FVideoUp = true;

    // Open on the usable area, so the window is as large as a maximised one even where no
    // window manager maximises it.
    SDL_Rect usable{0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) usable = SDL_Rect{0, 0, 1024, 768};
    // A 512 x 320 picture scaled by whole steps needs no graphics card: SDL's own renderer
    // straight into the window spares the OpenGL driver, which on machines without one is a
    // software rasteriser of some 60 MB and a thread per core, loaded only to copy pixels.
    // The environment may still choose otherwise.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    FWindow = SDL_CreateWindow(SdlUtf8(caption).c_str(), usable.x, usable.y, usable.w, usable.h,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (FWindow == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("Cannot open the game window: ") + SDL_GetError());
    }
    SDL_SetWindowMinimumSize(FWindow, std::min(minWidth, 640), std::min(minHeight, 480));
    FRenderer = SDL_CreateRenderer(FWindow, -1, 0);
    if (FRenderer == nullptr) FRenderer = SDL_CreateRenderer(FWindow, -1, SDL_RENDERER_SOFTWARE);
    if (FRenderer == nullptr) {
        SDL_DestroyWindow(FWindow);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("Cannot draw in the game window: ") + SDL_GetError());
    }
    // Whole pixels: the scale is an integer, so the nearest sample is exact.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    FArrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    FHourglass = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    FWakeEvent = SDL_RegisterEvents(1);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(FWindow, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
        FDisplayFd = ConnectionNumber(info.info.x11.display);
        // Xlib ends the process when the connection breaks; the game must first save. The
        // handlers only note the loss; the connection then stays broken and every later
        // request is dropped.
        XSetIOErrorHandler([](Display*) { return 0; });
        XSetIOErrorExitHandler(
            info.info.x11.display, [](Display*, void* window) { static_cast<SdlGameWindow*>(window)->FDisplayLost = true; },
            this);
    }
    FitToWindow();
}

SdlGameWindow::~SdlGameWindow() {
    SetEventQueue(nullptr);
    // Without its server the window's resources went with the connection; asking SDL to free
    // them would only end the process on an I/O error.
    if (FDisplayLost) return;
    for (auto& [number, cursor] : FCursors) SDL_FreeCursor(cursor);
    if (FArrow != nullptr) SDL_FreeCursor(FArrow);
    if (FHourglass != nullptr) SDL_FreeCursor(FHourglass);
    if (FTexture != nullptr) SDL_DestroyTexture(FTexture);
    if (FRenderer != nullptr) SDL_DestroyRenderer(FRenderer);
    if (FWindow != nullptr) SDL_DestroyWindow(FWindow);
    if (FVideoUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlGameWindow::SetCaption(const std::u16string& caption) {
    FCaption = caption;
    if (FDisplayLost) return;
    SDL_SetWindowTitle(FWindow, SdlUtf8(caption).c_str());
}

void SdlGameWindow::Show() {
    SDL_ShowWindow(FWindow);
    SDL_RaiseWindow(FWindow);
    // Without a window manager nobody hands out the focus; the game ticks only while active.
    SDL_SetWindowInputFocus(FWindow);
    FNeedsPresent = true;
}

void SdlGameWindow::Maximise() { SDL_MaximizeWindow(FWindow); }

bool SdlGameWindow::IsActive() const {
    return (SDL_GetWindowFlags(FWindow) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void SdlGameWindow::BringToFront() {
    if ((SDL_GetWindowFlags(FWindow) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(FWindow);
    SDL_RaiseWindow(FWindow);
    SDL_SetWindowInputFocus(FWindow);
}

void SdlGameWindow::EndSession() {
    FSessionEnding = true;
    if (FClosed) return;
    if (OnEndSession) OnEndSession();
    if (FClosed) return;
    FClosed = true;
    FTimerEnabled = false;
    if (!FDisplayLost) SDL_HideWindow(FWindow);
}

bool SdlGameWindow::DisplayGone() const {
    if (FDisplayFd < 0) return false;
    pollfd watch{FDisplayFd, POLLIN, 0};
    if (::poll(&watch, 1, 0) <= 0) return false;
    if ((watch.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return true;
    // Readable with nothing to read: the server has hung up.
    char byte = 0;
    return ::recv(FDisplayFd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void SdlGameWindow::RequestClose() {
    if (FClosed) return;
    if (OnCloseQuery && !OnCloseQuery()) return;
    FClosed = true;
    FTimerEnabled = false;
    if (!FDisplayLost) SDL_HideWindow(FWindow);
}

bool SdlGameWindow::ToClient(std::int32_t windowX, std::int32_t windowY, std::int32_t& x, std::int32_t& y) const {
    // Mouse events come in window points; with high-density output the renderer has more
    // pixels than points.
    int pointsW = 0, pointsH = 0, pixelsW = 0, pixelsH = 0;
    SDL_GetWindowSize(FWindow, &pointsW, &pointsH);
    SDL_GetRendererOutputSize(FRenderer, &pixelsW, &pixelsH);
    std::int64_t px = windowX, py = windowY;
    if (pointsW > 0 && pointsH > 0) {
        px = px * pixelsW / pointsW;
        py = py * pixelsH / pointsH;
    }
    const auto floorDiv = [](std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    x = static_cast<std::int32_t>(floorDiv(px - FScale.OffsetX, FScale.Scale));
    y = static_cast<std::int32_t>(floorDiv(py - FScale.OffsetY, FScale.Scale));
    return true;
}

bool SdlGameWindow::PointerPosition(std::int32_t& x, std::int32_t& y) const {
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    return ToClient(wx, wy, x, y);
}

void SdlGameWindow::RefreshPointer() {
    // A warp would pull a pointer resting over another window back into the game.
    if (FDisplayLost || SDL_GetMouseFocus() != FWindow) return;
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    ToClient(wx, wy, FPointerX, FPointerY);
    FHost.MouseMove(FPointerX, FPointerY);
    UpdateCursor();
}

void SdlGameWindow::DefineCursor(std::int16_t number, const CursorPicture& picture) {
    if (number <= 0 || picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() != std::size_t(picture.Width) * std::size_t(picture.Height))
        return;
    FCursorPictures[number] = picture;
    if (auto it = FCursors.find(number); it != FCursors.end()) {
        if (FShownHandle == it->second) {
            SDL_SetCursor(FArrow);
            FShownHandle = FArrow;
        }
        SDL_FreeCursor(it->second);
        FCursors.erase(it);
    }
    FShownCursor = -2;  // shown again at the next update
}

void SdlGameWindow::SetScreenCursor(std::int16_t cursor) {
    FScreenCursor = cursor;
    UpdateCursor();
}

SDL_Cursor* SdlGameWindow::CursorFor(std::int16_t number) {
    if (number == kHourglassCursor) return FHourglass;
    if (auto it = FCursors.find(number); it != FCursors.end()) return it->second;
    const auto picture = FCursorPictures.find(number);
    if (picture == FCursorPictures.end()) return FArrow;
    const CursorPicture& p = picture->second;
    // Cursors grow with the pictures, so the hot spot keeps its place on them.
    const int scale = FScale.Scale;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, p.Width * scale, p.Height * scale, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return FArrow;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x)
            row[x] = p.Pixels[std::size_t(y / scale) * std::size_t(p.Width) + std::size_t(x / scale)];
    }
    SDL_UnlockSurface(surface);
    const int hotX = std::clamp(p.HotX * scale + scale / 2, 0, surface->w - 1);
    const int hotY = std::clamp(p.HotY * scale + scale / 2, 0, surface->h - 1);
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, hotX, hotY);
    SDL_FreeSurface(surface);
    if (cursor == nullptr) return FArrow;
    FCursors[number] = cursor;
    return cursor;
}

void SdlGameWindow::RebuildCursors() {
    SDL_SetCursor(FArrow);
    FShownHandle = FArrow;
    for (auto& [number, cursor] : FCursors) SDL_FreeCursor(cursor);
    FCursors.clear();
    FShownCursor = -2;
}

void SdlGameWindow::UpdateCursor() {
    if (FDisplayLost) return;
    std::int16_t number = FScreenCursor;
    if (number == kNoScreenCursor) number = FHost.CursorAt(FPointerX, FPointerY);
    if (number == FShownCursor) return;
    FShownCursor = number;
    if (number == -1) {
        if (!FCursorHidden) SDL_ShowCursor(SDL_DISABLE);
        FCursorHidden = true;
        return;
    }
    if (FCursorHidden) SDL_ShowCursor(SDL_ENABLE);
    FCursorHidden = false;
    SDL_Cursor* handle = number == 0 ? FArrow : CursorFor(number);
    if (handle != FShownHandle) {
        SDL_SetCursor(handle);
        FShownHandle = handle;
    }
}

KeyboardState SdlGameWindow::Keyboard() const {
    KeyboardState keys;
    const SDL_Keymod mods = SDL_GetModState();
    keys.ShiftDown = (mods & KMOD_SHIFT) != 0;
    keys.CtrlDown = (mods & KMOD_CTRL) != 0;
    keys.CapsLockOn = (mods & KMOD_CAPS) != 0;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    keys.DeleteDown = state != nullptr && SDL_SCANCODE_DELETE < count && state[SDL_SCANCODE_DELETE] != 0;
    return keys;
}

void SdlGameWindow::SetTimer(std::int32_t intervalMs, bool enabled) {
    FTimerInterval = intervalMs;
    const bool wasEnabled = FTimerEnabled;
    FTimerEnabled = enabled && intervalMs > 0 && !FClosed;
    if (FTimerEnabled && !wasEnabled) FNextTimer = SDL_GetTicks64() + std::uint64_t(intervalMs);
}

void SdlGameWindow::RefreshPicture() {
    if (FClosed || FDisplayLost) return;
    PaintAndPresent(true);
}

void SdlGameWindow::SetIcon(const CursorPicture& picture) {
    if (FDisplayLost || picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() != std::size_t(picture.Width) * std::size_t(picture.Height))
        return;
    // SDL copies the pixels; the surface only lends them for the call.
    std::vector<std::uint32_t> pixels = picture.Pixels;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), picture.Width, picture.Height, 32,
                                                              picture.Width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(FWindow, surface);
    SDL_FreeSurface(surface);
}

void SdlGameWindow::SetEventQueue(EventQueue* queue) {
    if (FQueue != nullptr) FQueue->SetWakeHook(nullptr);
    FQueue = queue;
    if (FQueue != nullptr && FWakeEvent != std::uint32_t(-1)) {
        const std::uint32_t type = FWakeEvent;
        FQueue->SetWakeHook([type] {
            SDL_Event wake{};
            wake.type = type;
            SDL_PushEvent(&wake);
        });
    }
}

MouseButton SdlGameWindow::ButtonOf(std::uint8_t sdlButton) {
    if (sdlButton == SDL_BUTTON_RIGHT) return MouseButton::Right;
    if (sdlButton == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
    return MouseButton::Left;
}

void SdlGameWindow::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        // With the window's own close reported as a window event, a quit comes from outside:
        // SIGINT or SIGTERM (SDL turns them into this event), or the session ending.
        EndSession();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.windowID != SDL_GetWindowID(FWindow)) break;
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            RequestClose();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            FitToWindow();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            FNeedsPresent = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (OnActivate) OnActivate();
            break;
        default:
            break;
        }
        break;
    case SDL_MOUSEMOTION: {
        ToClient(event.motion.x, event.motion.y, FPointerX, FPointerY);
        FHost.MouseMove(FPointerX, FPointerY);
        break;
    }
    case SDL_MOUSEBUTTONDOWN: {
        ToClient(event.button.x, event.button.y, FPointerX, FPointerY);
        // The pressing control keeps the mouse while a button is held, also outside.
        if (FHeldButtons == 0) SDL_CaptureMouse(SDL_TRUE);
        FHeldButtons |= 1u << event.button.button;
        FHost.MouseDown(ButtonOf(event.button.button), FPointerX, FPointerY);
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        ToClient(event.button.x, event.button.y, FPointerX, FPointerY);
        FHeldButtons &= ~(1u << event.button.button);
        if (FHeldButtons == 0) SDL_CaptureMouse(SDL_FALSE);
        FHost.MouseUp(ButtonOf(event.button.button), FPointerX, FPointerY);
        break;
    }
    default:
        break;
    }
}

void SdlGameWindow::PumpEvents() {
    SDL_Event event;
    while (!FClosed && SDL_PollEvent(&event) != 0) Dispatch([&] { HandleEvent(event); });
}

void SdlGameWindow::FitToWindow() {
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(FRenderer, &width, &height);
    const WindowScale scale = ComputeWindowScale(width, height, FMinWidth, FMinHeight);
    const bool sizeChanged = scale.LogicalWidth != FHost.Width() || scale.LogicalHeight != FHost.Height();
    const bool scaleChanged = scale.Scale != FScale.Scale;
    FScale = scale;
    FNeedsPresent = true;
    if (scaleChanged) RebuildCursors();
    if (!sizeChanged && FTexture != nullptr) return;
    if (FTexture != nullptr) SDL_DestroyTexture(FTexture);
    FTexture = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, scale.LogicalWidth,
                                 scale.LogicalHeight);
    FHost.Resize(scale.LogicalWidth, scale.LogicalHeight);
    if (OnResize) OnResize();
}

void SdlGameWindow::PaintAndPresent(bool force) {
    const ControlRect painted = FHost.PaintInvalid();
    if (painted.Empty() && !force && !FNeedsPresent) return;
    if (FTexture == nullptr) return;
    if (!painted.Empty()) {
        const RgbTarget buffer = FHost.BackBuffer();
        const SDL_Rect rect{painted.Left, painted.Top, painted.Width(), painted.Height()};
        SDL_UpdateTexture(FTexture, &rect, buffer.Pixels + painted.Top * buffer.Stride + painted.Left,
                          static_cast<int>(buffer.Stride * 4));
    }
    DrawPicture();
    SDL_RenderPresent(FRenderer);
    FNeedsPresent = false;
}

void SdlGameWindow::DrawPicture() {
    // The renderer's own buffer is undefined after a present: draw the whole picture again.
    SDL_SetRenderDrawColor(FRenderer, 0, 0, 0, 255);
    SDL_RenderClear(FRenderer);
    const SDL_Rect target{FScale.OffsetX, FScale.OffsetY, FScale.LogicalWidth * FScale.Scale,
                          FScale.LogicalHeight * FScale.Scale};
    if (FTexture != nullptr) SDL_RenderCopy(FRenderer, FTexture, nullptr, &target);
}

void SdlGameWindow::ProcessPendingMessages() {
    PumpEvents();
    if (FQueue != nullptr) Dispatch([this] { FQueue->Drain(); });
    if (!FClosed) {
        PaintAndPresent(false);
        UpdateCursor();
    }
}

void SdlGameWindow::Run() {
    while (!FClosed) {
        // Wait for an event, or until the timer is due.
        int timeout = -1;
        if (FTimerEnabled) {
            const std::uint64_t now = SDL_GetTicks64();
            timeout = FNextTimer > now ? static_cast<int>(FNextTimer - now) : 0;
        }
        // A wait never lasts long: a display that went away says nothing, it only stops
        // answering, and a game left without a screen must still end (and save).
        constexpr int kDisplayCheckMs = 500;
        if (timeout < 0 || timeout > kDisplayCheckMs) timeout = kDisplayCheckMs;
        SDL_Event event;
        const int got = SDL_WaitEventTimeout(&event, timeout);
        if (got != 0) Dispatch([&] { HandleEvent(event); });
        if (FDisplayLost || DisplayGone()) {
            // Every call that would reach the server from here on would end the process
            // before the game is saved.
            FDisplayLost = true;
            EndSession();
            break;
        }
        PumpEvents();
        if (FClosed) break;

        if (FTimerEnabled && SDL_GetTicks64() >= FNextTimer) {
            // Like a system timer: one event however late, the next one interval later.
            FNextTimer = SDL_GetTicks64() + std::uint64_t(FTimerInterval);
            if (OnTimer) Dispatch(OnTimer);
            if (FClosed) break;
        }
        if (OnPoll) Dispatch(OnPoll);
        if (FQueue != nullptr) Dispatch([this] { FQueue->Drain(); });
        if (FClosed) break;
        // Everything waiting has been handled: the idle moment.
        if (OnIdle) Dispatch(OnIdle);
        PaintAndPresent(false);
        UpdateCursor();
    }
}

}  // namespace platform
