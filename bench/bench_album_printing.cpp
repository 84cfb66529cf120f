// Printing an album picture of the largest snapshot size at full size and 600 dots per inch:
// from the album's print event to the finished PDF page ready for the scheduler (the page
// rendered by the CUPS layer's cairo renderer; the hand-over itself is the scheduler's). The
// counter "pdf_bytes" is the size of the page's PDF.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/game_font_metrics.h"
#include "engine/graphics/hot_image.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "platform/cups/pdf_page.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/game_classes.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

namespace {

namespace fs = std::filesystem;

// A snapshot that looks like a child's creation: the title picture, scaled.
class TPictureSnapshot : public TSnapshot {};

void DrawTitle(TSnapshot&, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    THotImage title(AC8ImageName("title"), false, &library);
    surface.StretchBlit(rect, title.Image(), title.Image().GetBounds());
}
std::unique_ptr<TSnapshot> ReadNothing(TStream&) { return std::make_unique<TPictureSnapshot>(); }
void WriteNothing(const TSnapshot&, TStream&) {}

// Printers that render the page to a PDF file as the CUPS layer does and stop there.
class PdfFilePrinters : public platform::Printers {
public:
    explicit PdfFilePrinters(fs::path file) : FFile(std::move(file)) {}
    std::vector<platform::PrinterInfo> List() const override { return {{"PDF", true}}; }
    platform::PrintPageSize PageSize(const std::string&, std::int32_t dpi) const override {
        return {827 * dpi / 100, 1169 * dpi / 100};  // A4
    }
    std::unique_ptr<platform::PrintJob> BeginJob(const std::string& printer, const std::string&,
                                                 std::int32_t dpi) override {
        return std::make_unique<Job>(FFile.string(), PageSize(printer, dpi), dpi);
    }
    fs::path FFile;

private:
    class Job : public platform::PrintJob {
    public:
        Job(const std::string& path, platform::PrintPageSize page, std::int32_t dpi) : FPage(path, page, dpi) {}
        void DrawPicture(const platform::PrintRect& rect, const platform::PalettePicture& picture) override {
            FPage.DrawPicture(rect, picture);
        }
        void End() override { FPage.Finish(); }

    private:
        platform::cups::PdfPage FPage;
    };
};

void BM_PrintLargestKindFullSizeAt600Dpi(benchmark::State& state) {
    RegisterGameClasses();
    RegisterGameFontMetrics();
    TSnapshotKind kind;
    kind.Kind = 3;
    kind.Thumbnail = {200, 138};
    kind.Full = {432, 298};
    kind.Hung = {103, 71};
    kind.Draw = DrawTitle;
    kind.Read = ReadNothing;
    kind.Write = WriteNothing;
    RegisterSnapshotKind(kind);

    const fs::path dat = ZORVIK_BUILT_DAT;
    testing_support::THarnessOptions options = testing_support::BuiltGameOptions(dat);
    options.AllowPrinterUse = true;
    testing_support::TGameHarness game(options);
    testing_support::InstallBuiltScript(game, dat, testing_support::TBuiltScript::Text);
    game.Start();
    PdfFilePrinters printers(game.Folder().Path() / "page.pdf");
    game.Context().SetServices(TGameServices{&game.Config(), nullptr, nullptr, &printers});
    auto& album = game.RoomAs<TAlbumRoom>("ALBUM");
    album.AddPicture(std::make_unique<TPictureSnapshot>(), 3);
    game.World().GoRoom("ALBUM");
    game.Tick(21);

    for (auto _ : state) album.RunScript("", "PRINTBUGWAIT");
    state.counters["pdf_bytes"] = double(fs::file_size(printers.FFile));
    game.Context().SetServices({});
    UnregisterSnapshotKind(3);
}
BENCHMARK(BM_PrintLargestKindFullSizeAt600Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
