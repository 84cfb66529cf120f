#pragma once
// The look of a message box drawn inside the game window: a panel over the dimmed game
// picture, a coloured title band, the wrapped text, the buttons with the focused one
// ringed. Sizes are in the renderer's output pixels and follow the window's scale, so the
// box is as legible as the game around it.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "platform/message_box_model.h"

namespace platform {

// DejaVu Sans (Debian fonts-dejavu-core), the face the game's own fonts come from. Opening
// fails when it is not installed; the box then falls back to the system's own.
class SdlBoxFonts {
public:
    ~SdlBoxFonts();
    // Opens (or keeps) the faces at the size for this scale; false when they cannot be had.
    bool Open(int scale);
    TTF_Font* Text() const { return FText; }
    TTF_Font* Bold() const { return FBold; }

private:
    void Close();
    int FScale = 0;
    TTF_Font* FText = nullptr;
    TTF_Font* FBold = nullptr;
    bool FInitialised = false;
};

struct SdlBoxLayout {
    SDL_Rect Panel{};
    SDL_Rect Title{};
    SDL_Rect Text{};
    std::vector<SDL_Rect> Buttons;
};

class SdlBoxDrawing {
public:
    SdlBoxDrawing(SDL_Renderer* renderer, SdlBoxFonts& fonts, const std::string& caption, const std::string& text,
                  MessageIcon icon, const MessageBoxModel& model);
    ~SdlBoxDrawing();
    SdlBoxDrawing(const SdlBoxDrawing&) = delete;
    SdlBoxDrawing& operator=(const SdlBoxDrawing&) = delete;

    // Lays the box out for an output of this size and scale (again after a resize).
    void Layout(int outputWidth, int outputHeight, int scale);
    // Dims what the renderer holds and draws the box over it, `hover` the button under the
    // pointer (-1 none).
    void Draw(int hover) const;
    // The button at an output pixel, or -1.
    int ButtonAt(int x, int y) const;

private:
    SDL_Texture* RenderText(TTF_Font* font, const std::string& text, SDL_Color colour, int wrap) const;
    void FreeTextures();

    SDL_Renderer* FRenderer;
    SdlBoxFonts& FFonts;
    std::string FCaption;
    std::string FTextUtf8;
    MessageIcon FIcon;
    const MessageBoxModel& FModel;
    int FScale = 1;
    SdlBoxLayout FLayout;
    SDL_Texture* FCaptionTexture = nullptr;
    SDL_Texture* FTextTexture = nullptr;
    std::vector<SDL_Texture*> FLabelTextures;
};

}  // namespace platform
