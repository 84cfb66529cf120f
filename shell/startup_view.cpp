#include "shell/startup_view.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"

TStartupView::TStartupView(std::unique_ptr<TAC8Library> library) : FLibrary(std::move(library)) {
    SetFillsHost(true);
    SetEnabled(false);
    if (!FLibrary || !FLibrary->IsOpen()) return;
    const std::vector<std::string> names = FLibrary->ImageNames();
    if (names.empty()) return;
    // A picture that cannot be read leaves the window black: loading goes on regardless.
    try {
        FPicture = TPictureHandle(*FLibrary, AC8ImageName(names.front()));
    } catch (const std::exception&) {
        FPicture.Reset();
    }
}

// The picture's handle goes before the library that owns it (declared after it).
TStartupView::~TStartupView() = default;

void TStartupView::Paint(platform::ControlCanvas& canvas) {
    canvas.FillSolid(platform::ControlRect{0, 0, Width(), Height()}, platform::RgbColour{0, 0, 0});
    if (!FPicture) return;
    const platform::CanvasPalette previous = canvas.Palette();
    canvas.SelectPalette(FLibrary->GetHPal()->Colours());
    FPicture->Display(canvas, TPoint{(Width() - FPicture->Width()) / 2, (Height() - FPicture->Height()) / 2},
                      FPicture->GetBounds());
    canvas.SelectPalette(previous);
}
