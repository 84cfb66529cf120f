#include "shell/startup_view.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"

#include <algorithm>

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

void TStartupView::ReleasePicture() { FPicture.Reset(); }

platform::CursorPicture TStartupView::IconPicture(std::int32_t side) const {
    platform::CursorPicture icon;
    if (!FPicture || side <= 0 || FPicture->Width() <= 0 || FPicture->Height() <= 0) return icon;
    const platform::CanvasPalette palette = FLibrary->GetHPal()->Colours();
    const std::int32_t square = std::min(FPicture->Width(), FPicture->Height());
    const std::int32_t left = (FPicture->Width() - square) / 2;
    const std::int32_t top = (FPicture->Height() - square) / 2;
    icon.Width = side;
    icon.Height = side;
    icon.Pixels.reserve(std::size_t(side) * std::size_t(side));
    // Nearest samples: the pictures are flat colours with clear outlines, which stay clear.
    for (std::int32_t y = 0; y < side; ++y)
        for (std::int32_t x = 0; x < side; ++x) {
            const std::uint8_t index = FPicture->GetPixel(TPoint{left + x * square / side, top + y * square / side});
            icon.Pixels.push_back(0xFF000000u | platform::PackRgb(palette[index]));
        }
    return icon;
}

void TStartupView::Paint(platform::ControlCanvas& canvas) {
    canvas.FillSolid(platform::ControlRect{0, 0, Width(), Height()}, platform::RgbColour{0, 0, 0});
    if (!FPicture) return;
    const platform::CanvasPalette previous = canvas.Palette();
    canvas.SelectPalette(FLibrary->GetHPal()->Colours());
    FPicture->Display(canvas, TPoint{(Width() - FPicture->Width()) / 2, (Height() - FPicture->Height()) / 2},
                      FPicture->GetBounds());
    canvas.SelectPalette(previous);
}
