#include "platform/sdl/sdl_box_drawing.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

constexpr std::array<const char*, 3> kTextFaces{
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/TTF/DejaVuSans.ttf",
};
constexpr std::array<const char*, 3> kBoldFaces{
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf",
};
constexpr int kPointsAtScaleOne = 13;

TTF_Font* OpenFirst(const std::array<const char*, 3>& faces, int points) {
    for (const char* face : faces)
        if (TTF_Font* font = TTF_OpenFont(face, points)) return font;
    return nullptr;
}

SDL_Color TitleColour(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error: return {178, 46, 38, 255};
    case MessageIcon::Warning: return {204, 122, 18, 255};
    default: return {46, 94, 160, 255};
    }
}

void Fill(SDL_Renderer* renderer, const SDL_Rect& r, SDL_Color c) {
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SDL_RenderFillRect(renderer, &r);
}

void Frame(SDL_Renderer* renderer, SDL_Rect r, int thickness, SDL_Color c) {
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    for (int i = 0; i < thickness; ++i) {
        SDL_RenderDrawRect(renderer, &r);
        r = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
}

void Size(SDL_Texture* texture, int& w, int& h) {
    w = h = 0;
    if (texture != nullptr) SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
}

void Put(SDL_Renderer* renderer, SDL_Texture* texture, int x, int y) {
    int w, h;
    Size(texture, w, h);
    const SDL_Rect target{x, y, w, h};
    if (texture != nullptr) SDL_RenderCopy(renderer, texture, nullptr, &target);
}

}  // namespace

SdlBoxFonts::~SdlBoxFonts() {
    Close();
    if (FInitialised) TTF_Quit();
}

bool SdlBoxFonts::Open(int scale) {
    scale = std::max(scale, 1);
    if (FText != nullptr && FBold != nullptr && scale == FScale) return true;
    if (!FInitialised) {
        if (TTF_Init() != 0) return false;
        FInitialised = true;
    }
    Close();
    FText = OpenFirst(kTextFaces, kPointsAtScaleOne * scale);
    FBold = OpenFirst(kBoldFaces, kPointsAtScaleOne * scale);
    FScale = scale;
    if (FText == nullptr || FBold == nullptr) {
        Close();
        return false;
    }
    return true;
}

void SdlBoxFonts::Close() {
    if (FText != nullptr) TTF_CloseFont(FText);
    if (FBold != nullptr) TTF_CloseFont(FBold);
    FText = FBold = nullptr;
}

SdlBoxDrawing::SdlBoxDrawing(SDL_Renderer* renderer, SdlBoxFonts& fonts, const std::string& caption,
                             const std::string& text, MessageIcon icon, const MessageBoxModel& model)
    : FRenderer(renderer), FFonts(fonts), FCaption(caption), FIcon(icon), FModel(model) {
    // Line ends as the game writes them ("\r\n"), as the wrapping renderer reads them ("\n").
    for (const char c : text)
        if (c != '\r') FTextUtf8 += c;
    if (FTextUtf8.empty()) FTextUtf8 = " ";
    if (FCaption.empty()) FCaption = " ";
}

SdlBoxDrawing::~SdlBoxDrawing() { FreeTextures(); }

void SdlBoxDrawing::FreeTextures() {
    if (FCaptionTexture != nullptr) SDL_DestroyTexture(FCaptionTexture);
    if (FTextTexture != nullptr) SDL_DestroyTexture(FTextTexture);
    for (SDL_Texture* label : FLabelTextures)
        if (label != nullptr) SDL_DestroyTexture(label);
    FCaptionTexture = FTextTexture = nullptr;
    FLabelTextures.clear();
}

SDL_Texture* SdlBoxDrawing::RenderText(TTF_Font* font, const std::string& text, SDL_Color colour, int wrap) const {
    SDL_Surface* surface = wrap > 0 ? TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), colour, std::uint32_t(wrap))
                                    : TTF_RenderUTF8_Blended(font, text.c_str(), colour);
    if (surface == nullptr) return nullptr;
    SDL_Texture* texture = SDL_CreateTextureFromSurface(FRenderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}

void SdlBoxDrawing::Layout(int outputWidth, int outputHeight, int scale) {
    FScale = std::max(scale, 1);
    FreeTextures();
    FFonts.Open(FScale);
    const int s = FScale;
    const int pad = 12 * s;
    const int margin = 10 * s;
    const int widest = std::max(std::min(outputWidth - 2 * margin, 440 * s), 120 * s);

    FCaptionTexture = RenderText(FFonts.Bold(), FCaption, {255, 255, 255, 255}, 0);
    FTextTexture = RenderText(FFonts.Text(), FTextUtf8, {28, 28, 28, 255}, widest - 2 * pad);
    int buttonsWidth = 0;
    int buttonHeight = TTF_FontLineSkip(FFonts.Text()) + pad;
    std::vector<int> widths;
    for (const auto& button : FModel.Buttons()) {
        SDL_Texture* label = RenderText(FFonts.Text(), button.Label, {28, 28, 28, 255}, 0);
        FLabelTextures.push_back(label);
        int w, h;
        Size(label, w, h);
        widths.push_back(std::max(w + 2 * pad, 84 * s));
        buttonsWidth += widths.back();
    }
    const int gap = 8 * s;
    buttonsWidth += gap * (static_cast<int>(widths.size()) - 1);

    int captionW, captionH, textW, textH;
    Size(FCaptionTexture, captionW, captionH);
    Size(FTextTexture, textW, textH);
    const int width = std::min(widest, std::max({textW + 2 * pad, captionW + 2 * pad, buttonsWidth + 2 * pad}));
    const int titleHeight = std::max(captionH, TTF_FontLineSkip(FFonts.Bold())) + pad;
    // A text too long for the window is cut; the buttons always show.
    const int textRoom = std::max(outputHeight - 2 * margin - titleHeight - buttonHeight - 3 * pad, 0);
    const int shownText = std::min(textH, textRoom);
    const int height = titleHeight + pad + shownText + pad + buttonHeight + pad;

    FLayout.Panel = {(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
    FLayout.Title = {FLayout.Panel.x, FLayout.Panel.y, width, titleHeight};
    FLayout.Text = {FLayout.Panel.x + pad, FLayout.Title.y + titleHeight + pad, width - 2 * pad, shownText};
    FLayout.Buttons.clear();
    int x = FLayout.Panel.x + width - pad - buttonsWidth;
    const int y = FLayout.Panel.y + height - pad - buttonHeight;
    for (const int w : widths) {
        FLayout.Buttons.push_back({x, y, w, buttonHeight});
        x += w + gap;
    }
}

void SdlBoxDrawing::Draw(int hover) const {
    const int s = FScale;
    SDL_SetRenderDrawBlendMode(FRenderer, SDL_BLENDMODE_BLEND);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(FRenderer, &outW, &outH);
    Fill(FRenderer, {0, 0, outW, outH}, {0, 0, 0, 110});
    SDL_SetRenderDrawBlendMode(FRenderer, SDL_BLENDMODE_NONE);

    const SDL_Color ink{52, 40, 30, 255};
    const SDL_Color title = TitleColour(FIcon);
    Fill(FRenderer, FLayout.Panel, {252, 248, 238, 255});
    Fill(FRenderer, FLayout.Title, title);
    Frame(FRenderer, FLayout.Panel, 2 * s, ink);
    int w, h;
    Size(FCaptionTexture, w, h);
    Put(FRenderer, FCaptionTexture, FLayout.Title.x + 12 * s, FLayout.Title.y + (FLayout.Title.h - h) / 2);

    if (FTextTexture != nullptr) {
        Size(FTextTexture, w, h);
        const SDL_Rect source{0, 0, std::min(w, FLayout.Text.w), std::min(h, FLayout.Text.h)};
        const SDL_Rect target{FLayout.Text.x, FLayout.Text.y, source.w, source.h};
        SDL_RenderCopy(FRenderer, FTextTexture, &source, &target);
    }

    for (std::size_t i = 0; i < FLayout.Buttons.size(); ++i) {
        const SDL_Rect& r = FLayout.Buttons[i];
        const bool focused = static_cast<int>(i) == FModel.Focus();
        Fill(FRenderer, r, static_cast<int>(i) == hover ? SDL_Color{255, 238, 190, 255} : SDL_Color{236, 228, 208, 255});
        Frame(FRenderer, r, s, ink);
        if (focused) Frame(FRenderer, {r.x - 3 * s, r.y - 3 * s, r.w + 6 * s, r.h + 6 * s}, 2 * s, title);
        Size(FLabelTextures[i], w, h);
        Put(FRenderer, FLabelTextures[i], r.x + (r.w - w) / 2, r.y + (r.h - h) / 2);
    }
}

int SdlBoxDrawing::ButtonAt(int x, int y) const {
    const SDL_Point point{x, y};
    for (std::size_t i = 0; i < FLayout.Buttons.size(); ++i)
        if (SDL_PointInRect(&point, &FLayout.Buttons[i])) return static_cast<int>(i);
    return -1;
}

}  // namespace platform
