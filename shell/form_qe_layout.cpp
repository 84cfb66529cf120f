// Where the main window's controls stand for its size, and the garland around the play area.
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/hot_image.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/picture_handles.h"
#include "shell/form_qe.h"
#include "shell/world.h"

namespace {
platform::ControlRect At(std::int32_t left, std::int32_t top, const platform::Control& control) {
    return platform::ControlRect{left, top, left + control.Width(), top + control.Height()};
}
}  // namespace

void TFormQE::Resize() {
    const platform::ControlHost& host = FWindow.Controls();
    const std::int32_t clientWidth = host.Width();
    const std::int32_t clientHeight = host.Height();
    const bool wide = clientWidth > kWideLayoutWidth - 1;
    const std::int32_t gap = wide ? 0 : 40;

    const std::int32_t frameLeft = (clientWidth - FFrame.Width()) / 2;
    const std::int32_t frameTop = (clientHeight - FFrame.Height() - gap) / 2;
    FFrame.SetBounds(At(frameLeft, frameTop, FFrame));
    if (FWorld) FWorld->View().SetBounds(At(frameLeft, frameTop, FWorld->View()));

    FAbout.SetBounds(At(4, 4, FAbout));
    FTutor.SetBounds(At(FAbout.Bounds().Right + 4, 4, FTutor));
    FVersion.SetBounds(At(2, clientHeight - FVersion.Height(), FVersion));

    FreeGarland();

    const std::int32_t frameWidth = FFrame.Width();
    const std::int32_t frameHeight = FFrame.Height();
    if (wide) {
        platform::PaintBox& first = NavBox(1);
        const std::int32_t left = frameLeft - first.Width() - 75;
        const std::int32_t top = frameTop + 10;
        const std::int32_t step = (frameHeight - first.Height() - 20) / 3;
        for (int i = 1; i <= kNavButtonCount; ++i) NavBox(i).SetBounds(At(left, top + (i - 1) * step, NavBox(i)));
        const std::int32_t actionLeft = left + frameWidth + first.Width() + 150;
        for (int i = 1; i <= kActionButtonCount; ++i)
            ActionBox(i).SetBounds(At(actionLeft, top + (i - 1) * step, ActionBox(i)));
    } else {
        const std::int32_t left = frameLeft + 16;
        const std::int32_t top = frameTop + frameHeight + 6;
        const std::int32_t step = (frameWidth - ActionBox(1).Width() - 48) / 6;
        for (int i = 1; i <= kNavButtonCount; ++i) NavBox(i).SetBounds(At(left + (i - 1) * step, top, NavBox(i)));
        for (int i = 1; i <= kActionButtonCount; ++i)
            ActionBox(i).SetBounds(At(left + 16 + (7 - i) * step, top, ActionBox(i)));
    }
    FBackground.Invalidate();
}

void TFormQE::FreeGarland() {
    for (auto& picture : FGarland) picture.reset();
}

void TFormQE::CopyWholeImage(TAC8ImageData& target, TPoint at, std::string_view name, TRect sourceRect) {
    const TPictureHandle source(*FLibrary, AC8ImageName(name));
    if (IsRectEmpty(sourceRect)) sourceRect = source->GetBounds();
    target.Blit(at, *source, sourceRect);
}

void TFormQE::BuildGarland() {
    const std::int32_t x0 = (FWindow.Controls().Width() - kGarlandWidth) / 2;
    const std::int32_t y0 = (FWindow.Controls().Height() - kGarlandHeight) / 2;
    // Left and right columns, top and bottom rows, and where each lies on the window.
    const TPoint places[4] = {{x0, y0}, {x0 + 600, y0}, {x0 + 100, y0}, {x0 + 100, y0 + 400}};
    const TPoint sizes[4] = {{100, 500}, {100, 500}, {500, 100}, {500, 100}};
    std::array<std::unique_ptr<THotImage>, 4> garland;
    for (std::size_t i = 0; i < 4; ++i) {
        garland[i] = THotImage::CreateBlank(sizes[i].X, sizes[i].Y, FLibrary.get());
        // The tiles behind, so the garland's transparent parts show the wallpaper.
        FBackground.TileIntoSurface(garland[i]->Image(), places[i]);
    }
    TAC8ImageData& left = garland[0]->Image();
    TAC8ImageData& right = garland[1]->Image();
    CopyWholeImage(left, TPoint{0, 0}, "glnd_cnr", TRect{0, 0, 100, 100});
    CopyWholeImage(left, TPoint{0, 400}, "glnd_cnr", TRect{0, 100, 100, 200});
    CopyWholeImage(right, TPoint{0, 0}, "glnd_cnr", TRect{100, 0, 200, 100});
    CopyWholeImage(right, TPoint{0, 400}, "glnd_cnr", TRect{100, 100, 200, 200});
    CopyWholeImage(left, TPoint{0, 100}, "glnd_ew", TRect{});
    CopyWholeImage(right, TPoint{0, 100}, "glnd_ew", TRect{});
    CopyWholeImage(garland[2]->Image(), TPoint{0, 0}, "glnd_ns", TRect{});
    CopyWholeImage(garland[3]->Image(), TPoint{0, 0}, "glnd_ns", TRect{});
    FGarland = std::move(garland);
}

void TFormQE::PaintGarland(platform::ControlCanvas& canvas, const TRect&) {
    const std::int32_t width = FWindow.Controls().Width();
    if (width < kGarlandWidth || !FLibrary || FLibrary->Palette() == nullptr) return;
    if (FGarland[0] == nullptr) {
        // A paint must not fail: without the pictures there is simply no garland.
        try {
            BuildGarland();
        } catch (const std::exception&) {
            FreeGarland();
            return;
        }
    }
    const std::int32_t x0 = (width - kGarlandWidth) / 2;
    const std::int32_t y0 = (FWindow.Controls().Height() - kGarlandHeight) / 2;
    const TPoint places[4] = {{x0, y0}, {x0 + 600, y0}, {x0 + 100, y0}, {x0 + 100, y0 + 400}};
    // The canvas is clipped to the area being painted and has the library's palette.
    for (std::size_t i = 0; i < 4; ++i) {
        TAC8ImageData& picture = FGarland[i]->Image();
        picture.Display(canvas, places[i], picture.GetBounds());
    }
}
