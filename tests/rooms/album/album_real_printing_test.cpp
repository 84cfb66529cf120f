// An album page printed through the real printing layer: CUPS, with a PDF queue of its own
// scheduler (run_with_scheduler.sh starts it). One PDF page of the queue's paper size appears,
// and its rendering shows the picture's pixels in the printed rectangle.
#include "tests/rooms/album/album_fixture.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "platform/cups/cups_printers.h"
#include "rooms/album/print_geometry.h"

namespace album_test {
namespace {

// Each of the picture's pixels is 2.5 rendered pixels wide at the album's print scale 5.
constexpr int kRenderDpi = 300;

// The PDF files of the queue's folder with their times: the driver names files by title and
// job number, so a new scheduler's job may write over the file of an earlier run.
std::map<fs::path, fs::file_time_type> PdfFiles(const fs::path& folder) {
    std::map<fs::path, fs::file_time_type> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdf") files[entry.path()] = entry.last_write_time(error);
    return files;
}

std::string RunTool(const std::string& command) {
    const fs::path out = fs::temp_directory_path() / "zorvik-print-test.txt";
    const int status = std::system((command + " > '" + out.string() + "' 2>&1").c_str());
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    fs::remove(out);
    if (status != 0) ADD_FAILURE() << command << " failed: " << text.str();
    return text.str();
}

struct Rgb {
    int R = 0, G = 0, B = 0;
};

struct Ppm {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Data;
    Rgb At(int x, int y) const {
        const std::size_t i = (std::size_t(y) * std::size_t(Width) + std::size_t(x)) * 3;
        return {Data.at(i), Data.at(i + 1), Data.at(i + 2)};
    }
};

Ppm ReadPpm(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int max = 0;
    Ppm ppm;
    in >> magic >> ppm.Width >> ppm.Height >> max;
    in.get();
    ppm.Data.resize(std::size_t(ppm.Width) * std::size_t(ppm.Height) * 3);
    in.read(reinterpret_cast<char*>(ppm.Data.data()), std::streamsize(ppm.Data.size()));
    return ppm;
}

bool Near(Rgb a, std::uint32_t rgb, int tolerance = 48) {
    return std::abs(a.R - int((rgb >> 16) & 255)) <= tolerance && std::abs(a.G - int((rgb >> 8) & 255)) <= tolerance &&
           std::abs(a.B - int(rgb & 255)) <= tolerance;
}

TEST_F(AlbumTest, AnAlbumPagePrintsThroughCupsAsOnePdfPageWithThePicturesPixels) {
    const char* folderText = std::getenv("ZORVIK_PDF_FOLDER");
    ASSERT_NE(std::getenv("CUPS_SERVER"), nullptr) << "run through run_with_scheduler.sh";
    ASSERT_NE(folderText, nullptr);
    const fs::path folder = folderText;

    platform::cups::CupsPrinters printers;
    const std::vector<platform::PrinterInfo> list = printers.List();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name, "ZorvikPDF");
    EXPECT_TRUE(list[0].IsDefault);
    const platform::PrintPageSize page = printers.PageSize("ZorvikPDF", kAlbumPrintDotsPerInch);
    EXPECT_NEAR(page.Width, 4960, 2) << "A4 at 600 dots per inch";
    EXPECT_NEAR(page.Height, 7015, 2);

    const std::map<fs::path, fs::file_time_type> before = PdfFiles(folder);
    Start(true);
    Game->Context().SetServices(TGameServices{&Game->Config(), nullptr, nullptr, &printers});
    Album().AddPicture(std::make_unique<TTestSnapshot>(16, 12), 3);  // red, with a blue edge
    Open();
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Shown(), "");

    fs::path pdf;
    for (int i = 0; i < 300 && pdf.empty(); ++i) {
        for (const auto& [file, time] : PdfFiles(folder))
            if (!before.count(file) || before.at(file) != time) pdf = file;
        if (pdf.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_FALSE(pdf.empty()) << "no PDF appeared in " << folder;
    // The driver writes the file in pieces: wait until its size settles.
    std::uintmax_t size = 0;
    for (int i = 0; i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::error_code error;
        const std::uintmax_t now = fs::file_size(pdf, error);
        if (!error && now > 0 && now == size) break;
        size = error ? 0 : now;
    }

    const std::string info = RunTool("pdfinfo '" + pdf.string() + "'");
    const std::size_t pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info;
    EXPECT_EQ(std::stoi(info.substr(pages + 6)), 1) << info;
    EXPECT_NE(info.find("595"), std::string::npos) << "A4 is 595 by 842 points: " << info;

    const fs::path stem = fs::temp_directory_path() / "zorvik-print-page";
    RunTool("pdftoppm -r " + std::to_string(kRenderDpi) + " -singlefile '" + pdf.string() + "' '" + stem.string() + "'");
    const Ppm image = ReadPpm(stem.string() + ".ppm");
    fs::remove(stem.string() + ".ppm");
    ASSERT_NEAR(image.Width, 2480, 2);

    const TPrintPlacement place = PlacePrint(WideTestKind(), false, page);
    const double k = double(kRenderDpi) / kAlbumPrintDotsPerInch;
    const int left = int(place.Rect.Left * k), top = int(place.Rect.Top * k);
    const int right = int((place.Rect.Left + place.Rect.Width) * k), bottom = int((place.Rect.Top + place.Rect.Height) * k);
    const std::uint32_t red = 0xD82828, blue = 0x2F6FDC, white = 0xFFFFFF;
    EXPECT_TRUE(Near(image.At((left + right) / 2, (top + bottom) / 2), red)) << "the picture's fill";
    EXPECT_TRUE(Near(image.At(left + 1, (top + bottom) / 2), 0x000000)) << "the print's black frame";
    EXPECT_TRUE(Near(image.At(left + 4, (top + bottom) / 2), blue)) << "the picture's edge";
    EXPECT_TRUE(Near(image.At(left + 12, top + 12), red));
    EXPECT_TRUE(Near(image.At(left - 6, top - 6), white)) << "the paper outside";
    EXPECT_TRUE(Near(image.At(right + 6, bottom + 6), white));
    fs::remove(pdf);
}

}  // namespace
}  // namespace album_test
