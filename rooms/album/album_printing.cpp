// Printing an album picture: the snapshot drawn at its full size in a one-pixel frame, shown
// through the image library's palette, and handed to the printer scaled by whole pixels
// into its place on the sheet (the middle of the page, or the card's quarter).
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "engine/graphics/hot_image.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "platform/canvas.h"
#include "rooms/album/album_room.h"
#include "rooms/album/print_geometry.h"
#include "shell/application_title.h"
#include "shell/game_services.h"
#include "shell/qe_exception.h"

namespace {

// A canvas that keeps the rows shown on it as palette indices: the picture as it would
// reach the screen, ready to be printed.
class TPictureCapture : public platform::Canvas {
public:
    explicit TPictureCapture(platform::PalettePicture& picture) : FPicture(picture) {}

    void SelectPalette(const platform::CanvasPalette& palette) override {
        for (std::size_t i = 0; i < palette.size(); ++i) FPicture.Palette[i] = platform::PackRgb(palette[i]);
    }

    std::int32_t DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          const std::uint8_t* topRow, std::ptrdiff_t rowStep, std::int32_t) override {
        std::int32_t drawn = 0;
        for (std::int32_t row = 0; row < height; ++row) {
            const std::int32_t ty = y + row;
            if (ty < 0 || ty >= FPicture.Height) continue;
            const std::uint8_t* source = topRow + rowStep * row;
            for (std::int32_t col = 0; col < width; ++col) {
                const std::int32_t tx = x + col;
                if (tx < 0 || tx >= FPicture.Width) continue;
                FPicture.Pixels[std::size_t(ty) * std::size_t(FPicture.Width) + std::size_t(tx)] = source[col];
            }
            ++drawn;
        }
        return drawn;
    }

private:
    platform::PalettePicture& FPicture;
};

}  // namespace

bool TAlbumRoom::HasPrinter() const {
    const TGameServices& services = GameServices();
    if (services.Config == nullptr || services.Printers == nullptr) return false;
    return ChooseAlbumPrinter(services.Printers->List(), services.Config->GetUseDefaultPrinter(),
                              services.Config->PrinterIndex)
        .has_value();
}

void TAlbumRoom::PrintPicture(bool card) {
    if (!HasCurrentPicture()) return;
    TPicNode* entry = Entry(FCurrentPage);
    const TSnapshotKind* kind = FindSnapshotKind(entry->Kind);
    const TGameServices& services = GameServices();
    if (kind == nullptr || services.Config == nullptr || services.Printers == nullptr) return;
    const std::optional<std::string> printer = ChooseAlbumPrinter(
        services.Printers->List(), services.Config->GetUseDefaultPrinter(), services.Config->PrinterIndex);
    if (!printer) return;

    try {
        const platform::PrintPageSize page = services.Printers->PageSize(*printer, kAlbumPrintDotsPerInch);
        const TPrintPlacement placement = PlacePrint(*kind, card, page);
        if (placement.Scale == 0) throw QEException("The printer's paper is too small for the picture.");

        // The picture in its frame: the snapshot at (1, 1), a frame of black around it.
        const std::int32_t w = kind->Full.Width;
        const std::int32_t h = kind->Full.Height;
        std::unique_ptr<THotImage> framed = THotImage::CreateBlank(w + 2, h + 2, &Library());
        TAC8ImageData& surface = framed->Image();
        kind->Draw(*entry->Snapshot, surface, MakeBounds(1, 1, w, h), Library());
        if (kind->WhitePrintBackground) surface.FloodFill(TPoint{1, 1}, 255);
        surface.FrameRect(surface.GetBounds(), 0);

        std::unique_ptr<platform::PrintJob> job =
            services.Printers->BeginJob(*printer, Utf16ToUtf8(kApplicationTitle), kAlbumPrintDotsPerInch);
        platform::PalettePicture picture;
        picture.Width = surface.Width();
        picture.Height = surface.Height();
        picture.Pixels.assign(std::size_t(picture.Width) * std::size_t(picture.Height), 0);
        TPictureCapture capture(picture);
        capture.SelectPalette(Library().GetHPal()->Colours());
        surface.Display(capture, TPoint{0, 0}, surface.GetBounds());
        framed.reset();
        job->DrawPicture(placement.Rect, picture);
        job->End();
    } catch (const platform::PrintError& e) {
        // The job (if begun) is cancelled and the picture freed on the way out; the printing
        // system's own words reach the child's grown-up.
        throw QEException(e.what());
    }
}
