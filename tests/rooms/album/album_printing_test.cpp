// Printing through the headless printers: the printer the configuration names, the picture
// in its frame where the sheet's geometry puts it, the doll-style background made white, and a
// failure at each step reported with the printer's words and cleaned up.
#include "tests/rooms/album/album_fixture.h"

#include "rooms/album/print_geometry.h"

namespace album_test {
namespace {

using platform::headless::PrintStep;

class AlbumPrinting : public AlbumTest {
protected:
    void OpenOn(std::uint8_t kind) {
        Start(true);
        Add(90, kind);
        Open();
    }
    std::uint8_t Pixel(const platform::PalettePicture& picture, int x, int y) {
        return picture.Pixels.at(std::size_t(y) * std::size_t(picture.Width) + std::size_t(x));
    }
};

TEST_F(AlbumPrinting, AFullPagePrintHasTheFramedPictureThroughTheLibraryPalette) {
    OpenOn(3);
    ASSERT_EQ(Command(2), TActionCommand::Print);
    Game->PressAction(2);
    EXPECT_TRUE(Printers.Jobs.empty()) << "printing waits a tick so the button shows pressed";
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    const auto& job = Printers.Jobs[0];
    EXPECT_EQ(job.Printer, "Printer 1");
    EXPECT_EQ(job.DotsPerInch, kAlbumPrintDotsPerInch);
    EXPECT_TRUE(job.Ended);
    ASSERT_EQ(job.Pictures.size(), 1u);
    const platform::PalettePicture& picture = job.Pictures[0];
    ASSERT_EQ(picture.Width, 434);
    ASSERT_EQ(picture.Height, 300);
    EXPECT_EQ(Pixel(picture, 0, 0), 0);
    EXPECT_EQ(Pixel(picture, 433, 150), 0);
    EXPECT_EQ(Pixel(picture, 200, 299), 0);
    EXPECT_EQ(Pixel(picture, 1, 1), 1) << "the snapshot at (1, 1)";
    EXPECT_EQ(Pixel(picture, 200, 150), 90);
    EXPECT_EQ(picture.Palette[255], 0xFFFFFFu);
    EXPECT_EQ(picture.Palette[0], 0u);
    EXPECT_EQ(picture.Palette[254], 0xF2C230u) << "the library's own colours";
    EXPECT_EQ(job.Rects.at(0).Left, PlacePrint(WideTestKind(), false, job.Page).Rect.Left);
    EXPECT_EQ(job.Rects.at(0).Width, PlacePrint(WideTestKind(), false, job.Page).Rect.Width);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumPrinting, ACardGoesInTheLowerRightQuarter) {
    OpenOn(3);
    Game->PressAction(3);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    const auto& job = Printers.Jobs[0];
    const platform::PrintRect& rect = job.Rects.at(0);
    EXPECT_GE(rect.Left, job.Page.Width / 2);
    EXPECT_GE(rect.Top, job.Page.Height / 2);
    EXPECT_LE(rect.Left + rect.Width, job.Page.Width);
    EXPECT_LE(rect.Top + rect.Height, job.Page.Height);
}

TEST_F(AlbumPrinting, APictureDrawnOnBlackIsPrintedOnWhite) {
    OpenOn(2);
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    const platform::PalettePicture& picture = Printers.Jobs[0].Pictures.at(0);
    ASSERT_EQ(picture.Width, 124);
    ASSERT_EQ(picture.Height, 194);
    EXPECT_EQ(Pixel(picture, 1, 1), 255);
    EXPECT_EQ(Pixel(picture, 120, 190), 255);
    EXPECT_EQ(Pixel(picture, 0, 0), 0) << "the frame stays black";
    EXPECT_EQ(Pixel(picture, 62, 97), 90) << "the figure itself";
}

TEST_F(AlbumPrinting, ThePrinterIsTheDefaultOrTheConfiguredIndexAndNoneOutsideTheList) {
    Start(true);
    Add(90);
    Game->Config().PrinterAvailable = true;
    Game->Config().UseDefaultPrinter = false;
    Game->Config().PrinterIndex = 1;
    Open();
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_EQ(Printers.Jobs[0].Printer, "Printer 2");

    Game->Config().PrinterIndex = 2;
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    EXPECT_EQ(Command(2), TActionCommand::Print);
    EXPECT_EQ(Action(2), TActionState::Disabled) << "index outside the list: no printing";
    EXPECT_EQ(Action(3), TActionState::Disabled);

    const std::vector<platform::PrinterInfo> list{{"a", false}, {"b", true}};
    EXPECT_EQ(ChooseAlbumPrinter(list, true, 0), "b");
    EXPECT_EQ(ChooseAlbumPrinter(list, false, -1), "b");
    EXPECT_EQ(ChooseAlbumPrinter(list, false, 0), "a");
    EXPECT_EQ(ChooseAlbumPrinter(list, false, 2), std::nullopt);
    EXPECT_EQ(ChooseAlbumPrinter({{"a", false}}, true, 0), std::nullopt);
    EXPECT_EQ(ChooseAlbumPrinter({}, true, -1), std::nullopt);
}

TEST_F(AlbumPrinting, WithoutPrinterUseThereAreNoPrintButtons) {
    Start(false);
    Add(90);
    Open();
    EXPECT_EQ(Command(1), TActionCommand::Hang);
    EXPECT_EQ(Command(2), TActionCommand::None);
    EXPECT_EQ(Command(3), TActionCommand::None);
}

TEST_F(AlbumPrinting, AFailureAtEachStepShowsThePrintersWordsAndLetsGoOfTheJob) {
    for (PrintStep step : {PrintStep::PageSize, PrintStep::Begin, PrintStep::Draw, PrintStep::End}) {
        SCOPED_TRACE(int(step));
        Printers.Jobs.clear();
        Printers.FailAt = step;
        OpenOn(3);
        Game->Boxes().QueueAnswer(platform::MessageAnswer::No);
        Game->PressAction(2);
        Game->Tick(2);
        EXPECT_NE(Shown().find("The test printer is out of paper."), std::string::npos) << Shown();
        EXPECT_EQ(Printers.OpenJobs, 0);
        for (const auto& job : Printers.Jobs) EXPECT_TRUE(job.Cancelled);
        // The album goes on: the next print works.
        Printers.FailAt.reset();
        Game->PressAction(2);
        Game->Tick(2);
        ASSERT_FALSE(Printers.Jobs.empty());
        EXPECT_TRUE(Printers.Jobs.back().Ended);
        EXPECT_FALSE(Game->Window().BusyCursor) << "the hourglass has gone";
        End();
    }
}

}  // namespace
}  // namespace album_test
