#include "engine/graphics/vek_button.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/tile_bg.h"

TVekButton::TVekButton() {
    SetBounds(platform::ControlRect{0, 0, 75, 25});
    platform::Control::SetEnabled(false);
}

TVekButton::~TVekButton() { ReleasePictures(); }

TAC8Library* TVekButton::Library() { return FLibrary.Get(); }

TAC8ImageData* TVekButton::Buffer() const { return FBuffer.Get(); }

void TVekButton::ReleasePictures() {
    FBuffer.Reset();
    FStrip.Reset();
}

void TVekButton::SetImageName(const AC8ImageName& name) {
    ReleasePictures();
    FImageName = name;
    Invalidate();
    TAC8Library* library = Library();
    if (library == nullptr || !library->ImageExists(FImageName)) return;
    try {
        FStrip = TPictureHandle(*library, FImageName);
        SetSize(FStrip->Width(), FStrip->Height() / FFrameCount);
        // Made under the strip's name, after it, so look-ups by name still find the strip.
        FBuffer = TPictureHandle(TImageHandle::CreateBlank(*library, FImageName, static_cast<std::uint32_t>(Width()),
                                                           static_cast<std::uint32_t>(Height())));
        Recompose();
    } catch (...) {
        ReleasePictures();
        throw;
    }
}

void TVekButton::SetLibrary(TAC8Library* library) {
    ReleasePictures();
    FLibrary.Reset(library);
    SetImageName(FImageName);
}

void TVekButton::SetTileBG(TTileBG* background) {
    FTileBG = background;
    Recompose();
}

void TVekButton::SetBGPen(std::uint8_t index) {
    FBGPen = index;
    if (FTileBG == nullptr) Recompose();
}

void TVekButton::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    platform::Control::SetEnabled(enabled);
    if (!enabled) FPressed = false;
    Recompose();
}

void TVekButton::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    Recompose();
}

void TVekButton::SetFrameCount(std::uint8_t count) {
    if (count == FFrameCount || count < 1 || count > 3) return;
    FFrameCount = count;
    Recompose();
}

std::int32_t TVekButton::CurrentFrame() const {
    if (FFrameCount == 3 && !Enabled()) return 2;
    if (FFrameCount >= 2 && Enabled()) {
        if (Toggles && FChecked) return 1;
        if (!Toggles && FPressed && FPointerInside) return 1;
    }
    return 0;
}

void TVekButton::Recompose() {
    if (!FBuffer) return;
    if (FTileBG != nullptr)
        FTileBG->TileIntoSurface(*FBuffer, TPoint{Bounds().Left, Bounds().Top});
    else
        FBuffer->FillRect(FBuffer->GetBounds(), FBGPen);
    const std::int32_t frame = CurrentFrame();
    FBuffer->Blit(TPoint{0, 0}, *FStrip, TRect{0, frame * Height(), Width(), (frame + 1) * Height()});
    if (OnDecorate) OnDecorate(*this);
    Invalidate();
}

void TVekButton::Paint(platform::ControlCanvas& canvas) {
    TAC8ImageData* buffer = Buffer();
    if (buffer == nullptr) {
        canvas.FillSolid(platform::ControlRect{0, 0, Width(), Height()}, platform::RgbColour{255, 0, 255});
        canvas.DrawLabel(2, 2, Name, platform::RgbColour{255, 255, 255});
        return;
    }
    const platform::CanvasPalette previous = canvas.Palette();
    canvas.SelectPalette(FLibrary->GetHPal()->Colours());
    try {
        buffer->Display(canvas, TPoint{0, 0}, buffer->GetBounds());
    } catch (...) {
        canvas.SelectPalette(previous);
        throw;
    }
    canvas.SelectPalette(previous);
}

void TVekButton::MouseDown(platform::MouseButton button, std::int32_t x, std::int32_t y) {
    if (button != platform::MouseButton::Left || !Enabled()) return;
    if (Toggles) {
        SetChecked(!FChecked);
        if (OnClick) OnClick(*this);
        return;
    }
    FPressed = true;
    FPointerInside = Inside(x, y);
    Recompose();
}

void TVekButton::MouseMove(std::int32_t x, std::int32_t y) {
    if (!Enabled() || Toggles || !FPressed) return;
    const bool inside = Inside(x, y);
    if (inside == FPointerInside) return;
    FPointerInside = inside;
    Recompose();
}

void TVekButton::MouseUp(platform::MouseButton button, std::int32_t x, std::int32_t y) {
    if (button != platform::MouseButton::Left || !Enabled() || Toggles || !FPressed) return;
    FPressed = false;
    Recompose();
    if (Inside(x, y) && OnClick) OnClick(*this);
}
