// The game window's own message box loop (see SdlGameWindow::ShowBox).
#include <optional>

#include "platform/message_box_model.h"
#include "platform/sdl/sdl_box_drawing.h"
#include "platform/sdl/sdl_game_window.h"
#include "platform/sdl/sdl_text.h"

namespace platform {

namespace {

std::optional<BoxKey> BoxKeyOf(const SDL_KeyboardEvent& key) {
    switch (key.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return BoxKey::Enter;
    case SDLK_SPACE: return BoxKey::Space;
    case SDLK_ESCAPE: return BoxKey::Escape;
    case SDLK_LEFT: return BoxKey::Left;
    case SDLK_RIGHT: return BoxKey::Right;
    case SDLK_TAB: return (key.keysym.mod & KMOD_SHIFT) != 0 ? BoxKey::ShiftTab : BoxKey::Tab;
    default: return std::nullopt;
    }
}

}  // namespace

void SdlGameWindow::BoxOutputPoint(std::int32_t windowX, std::int32_t windowY, int& x, int& y) const {
    int pointsW = 0, pointsH = 0, pixelsW = 0, pixelsH = 0;
    SDL_GetWindowSize(FWindow, &pointsW, &pointsH);
    SDL_GetRendererOutputSize(FRenderer, &pixelsW, &pixelsH);
    x = pointsW > 0 ? int(std::int64_t(windowX) * pixelsW / pointsW) : windowX;
    y = pointsH > 0 ? int(std::int64_t(windowY) * pixelsH / pointsH) : windowY;
}

std::optional<MessageAnswer> SdlGameWindow::ShowBox(const std::u16string& caption, const std::u16string& text,
                                                    MessageButtons buttons, MessageIcon icon) {
    if (FClosed || FDisplayLost || FRenderer == nullptr || !FBoxFonts.Open(FScale.Scale)) return std::nullopt;
    // Paint what the game drew before it asked, so the box stands over the current picture.
    PaintAndPresent(true);

    MessageBoxModel model(buttons);
    SdlBoxDrawing drawing(FRenderer, FBoxFonts, SdlUtf8(caption), SdlUtf8(text), icon, model);
    int outputW = 0, outputH = 0;
    SDL_GetRendererOutputSize(FRenderer, &outputW, &outputH);
    drawing.Layout(outputW, outputH, FScale.Scale);

    // The box is modal: a button the game saw pressed is let go, and the pointer is the
    // plain arrow over the box.
    if (FHeldButtons != 0) SDL_CaptureMouse(SDL_FALSE);
    FHeldButtons = 0;
    if (FCursorHidden) SDL_ShowCursor(SDL_ENABLE);
    FCursorHidden = false;
    SDL_SetCursor(FArrow);
    FShownHandle = FArrow;
    FShownCursor = 0;

    std::optional<MessageAnswer> answer;
    bool quit = false;
    bool redraw = true;
    int hover = -1;
    int pressed = -1;
    const auto handle = [&](const SDL_Event& event) {
        switch (event.type) {
        case SDL_QUIT:
            quit = true;
            // The game ends now: boxes its handling of this answer may raise are not waited for.
            FSessionEnding = true;
            answer = MessageAnswer::Closed;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != SDL_GetWindowID(FWindow)) break;
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                FitToWindow();
                SDL_GetRendererOutputSize(FRenderer, &outputW, &outputH);
                drawing.Layout(outputW, outputH, FScale.Scale);
            }
            // Closing the game waits until the box is answered, as under any modal box.
            redraw = true;
            break;
        case SDL_KEYDOWN:
            if (const auto key = BoxKeyOf(event.key)) {
                answer = model.Key(*key);
                redraw = true;
            }
            break;
        case SDL_MOUSEMOTION: {
            int x, y;
            BoxOutputPoint(event.motion.x, event.motion.y, x, y);
            const int now = drawing.ButtonAt(x, y);
            if (now != hover) redraw = true;
            hover = now;
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT) break;
            int x, y;
            BoxOutputPoint(event.button.x, event.button.y, x, y);
            const int at = drawing.ButtonAt(x, y);
            if (event.type == SDL_MOUSEBUTTONDOWN) pressed = at;
            else if (at >= 0 && at == pressed) answer = model.Click(at);
            else pressed = -1;
            break;
        }
        default:
            // The game's own events (sound ends, the single-instance wake) wait in their
            // queue until the game has its answer.
            break;
        }
    };

    while (!answer) {
        if (redraw) {
            DrawPicture();
            drawing.Draw(hover);
            SDL_RenderPresent(FRenderer);
            redraw = false;
        }
        SDL_Event event;
        // A short wait, so a display that went away is noticed as in the main loop.
        const int got = SDL_WaitEventTimeout(&event, 250);
        if (DisplayGone()) {
            FDisplayLost = true;
            answer = MessageAnswer::Closed;
            break;
        }
        if (got == 0) continue;
        handle(event);
        while (!answer && SDL_PollEvent(&event) != 0) handle(event);
    }

    FNeedsPresent = true;
    if (!FDisplayLost) PaintAndPresent(true);
    // The quit that closed the box is the game's to handle, once it has the box's answer.
    if (quit) {
        SDL_Event again{};
        again.type = SDL_QUIT;
        SDL_PushEvent(&again);
    }
    return answer;
}

}  // namespace platform
