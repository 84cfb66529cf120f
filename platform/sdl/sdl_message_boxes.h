#pragma once
// The game's message boxes as SDL message boxes, modal over the game window once it exists.
#include <SDL.h>

#include <functional>

#include "platform/message_boxes.h"

namespace platform {

class SdlMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;
    // The window the boxes belong to; nullptr before it exists.
    void SetParent(SDL_Window* parent) { FParent = parent; }
    // Draws the parent window's whole picture again. Run before a box opens and after it
    // closes: the box's own loop does not paint the game, so without it a closed box would
    // stay on the screen behind the next one.
    void SetRefresh(std::function<void()> refresh) { FRefresh = std::move(refresh); }

private:
    SDL_Window* FParent = nullptr;
    std::function<void()> FRefresh;
};

}  // namespace platform
