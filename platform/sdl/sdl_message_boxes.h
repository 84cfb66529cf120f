#pragma once
// The game's message boxes as SDL message boxes, modal over the game window once it exists.
#include <SDL.h>

#include "platform/message_boxes.h"

namespace platform {

class SdlMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;
    // The window the boxes belong to; nullptr before it exists.
    void SetParent(SDL_Window* parent) { FParent = parent; }

private:
    SDL_Window* FParent = nullptr;
};

}  // namespace platform
