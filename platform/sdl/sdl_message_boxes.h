#pragma once
// The game's message boxes: drawn inside the game window once it exists (its own loop keeps
// the game's picture shown and notices a quit from outside), else SDL's system box. Where
// nobody is there to answer (no display, or the session is ending) a box is written to
// standard error instead and answers Closed, so the game never waits for a click that
// cannot come.
#include <SDL.h>

#include <functional>

#include "platform/message_boxes.h"

namespace platform {

class SdlGameWindow;

class SdlMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string& caption, const std::u16string& text, MessageButtons buttons,
                       MessageIcon icon) override;
    // The window the boxes belong to; nullptr before it exists.
    void SetParent(SdlGameWindow* parent) { FParent = parent; }
    // Draws the parent window's whole picture again, before and after a system box (the
    // fallback), whose own loop does not paint the game.
    void SetRefresh(std::function<void()> refresh) { FRefresh = std::move(refresh); }
    // From now on every box goes to standard error: there is no display to show it on.
    void SetNoDisplay() { FNoDisplay = true; }

private:
    bool Unattended() const;

    bool FNoDisplay = false;
    SdlGameWindow* FParent = nullptr;
    std::function<void()> FRefresh;
};

}  // namespace platform
