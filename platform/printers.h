#pragma once
// The printers a child's pictures can go to, in a stable order (the configuration keeps an
// index into this list), and one job of one page: an 8-bit picture shown through a palette,
// scaled by whole pixels into a rectangle of the page.
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

struct PrinterInfo {
    std::string Name;        // UTF-8, as the printing system shows it
    bool IsDefault = false;  // the user's default printer
};

// A page of the chosen printer's default media, in dots at the resolution asked for.
struct PrintPageSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// A rectangle of the page in dots: left, top, width, height.
struct PrintRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// An 8-bit picture, rows top to bottom without padding, and the colours (0x00RRGGBB) its
// pixel values stand for.
struct PalettePicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
    std::array<std::uint32_t, 256> Palette{};
};

// What the printing system said when it refused: shown to the user as it stands.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One document of one page. Destroying a job that was not ended cancels it, so every way out
// of a failed print cleans up.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The picture, each pixel a block of whole dots (nearest neighbour, no smoothing),
    // stretched into the rectangle.
    virtual void DrawPicture(const PrintRect& rect, const PalettePicture& picture) = 0;
    // The page is finished and handed to the printer.
    virtual void End() = 0;
};

class Printers {
public:
    virtual ~Printers() = default;
    virtual std::vector<PrinterInfo> List() const = 0;
    // The printer's default page at `dotsPerInch`; PrintError when it cannot be asked.
    virtual PrintPageSize PageSize(const std::string& printer, std::int32_t dotsPerInch) const = 0;
    // Begins a document of one page on that page size; PrintError when it cannot begin.
    virtual std::unique_ptr<PrintJob> BeginJob(const std::string& printer, const std::string& title,
                                               std::int32_t dotsPerInch) = 0;
};

// The installed implementation; not owned. Without one, there are no printers.
void InstallPrinters(Printers* printers);
Printers* InstalledPrinters();
// The installed list, or an empty one.
std::vector<PrinterInfo> PrinterList();

}  // namespace platform
