#include "platform/cups/pdf_page.h"

#include <cairo-pdf.h>
#include <cairo.h>

namespace platform::cups {

namespace {
constexpr double kPointsPerInch = 72.0;
}

PdfPage::PdfPage(const std::string& path, PrintPageSize page, std::int32_t dotsPerInch) {
    if (page.Width <= 0 || page.Height <= 0 || dotsPerInch <= 0) throw PrintError("The printer's page has no size.");
    FPointsPerDot = kPointsPerInch / dotsPerInch;
    FSurface = cairo_pdf_surface_create(path.c_str(), page.Width * FPointsPerDot, page.Height * FPointsPerDot);
    FCairo = cairo_create(FSurface);
    Check("The page could not be made");
}

PdfPage::~PdfPage() {
    if (FCairo != nullptr) cairo_destroy(FCairo);
    if (FSurface != nullptr) cairo_surface_destroy(FSurface);
}

void PdfPage::Check(const char* what) const {
    cairo_status_t status = cairo_surface_status(FSurface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_status(FCairo);
    if (status != CAIRO_STATUS_SUCCESS)
        throw PrintError(std::string(what) + ": " + cairo_status_to_string(status) + ".");
}

void PdfPage::DrawPicture(const PrintRect& rect, const PalettePicture& picture) {
    if (picture.Width <= 0 || picture.Height <= 0 || rect.Width <= 0 || rect.Height <= 0) return;
    if (picture.Pixels.size() < static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height))
        throw PrintError("The picture to print is incomplete.");
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width, picture.Height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        throw PrintError("There is not enough memory for the picture to print.");
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (std::int32_t y = 0; y < picture.Height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        const std::uint8_t* source = picture.Pixels.data() + static_cast<std::size_t>(y) * std::size_t(picture.Width);
        for (std::int32_t x = 0; x < picture.Width; ++x) row[x] = picture.Palette[source[x]];
    }
    cairo_surface_mark_dirty(image);

    cairo_save(FCairo);
    cairo_scale(FCairo, FPointsPerDot, FPointsPerDot);
    cairo_translate(FCairo, rect.Left, rect.Top);
    cairo_scale(FCairo, double(rect.Width) / picture.Width, double(rect.Height) / picture.Height);
    cairo_set_source_surface(FCairo, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(FCairo), CAIRO_FILTER_NEAREST);
    cairo_rectangle(FCairo, 0, 0, picture.Width, picture.Height);
    cairo_fill(FCairo);
    cairo_restore(FCairo);
    cairo_surface_destroy(image);
    Check("The picture could not be drawn on the page");
}

void PdfPage::Finish() {
    cairo_show_page(FCairo);
    cairo_surface_finish(FSurface);
    Check("The page could not be written");
}

}  // namespace platform::cups
