#pragma once
// One page rendered with cairo into a PDF file: the page of the printer's media, and each
// picture embedded once at its own resolution and scaled by the page's transformation, with
// nearest-neighbour sampling so the picture's pixels stay sharp blocks of one colour.
#include <string>

#include "platform/printers.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace platform::cups {

class PdfPage {
public:
    // A page of `page` dots at `dotsPerInch`, written to `path`; PrintError when cairo
    // cannot make it.
    PdfPage(const std::string& path, PrintPageSize page, std::int32_t dotsPerInch);
    ~PdfPage();
    PdfPage(const PdfPage&) = delete;
    PdfPage& operator=(const PdfPage&) = delete;

    void DrawPicture(const PrintRect& rect, const PalettePicture& picture);
    // Writes the file out; the page can take no more drawing.
    void Finish();

private:
    void Check(const char* what) const;

    cairo_surface_t* FSurface = nullptr;
    cairo_t* FCairo = nullptr;
    double FPointsPerDot = 1.0;
};

}  // namespace platform::cups
