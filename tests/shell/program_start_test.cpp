// The game's start before the main window: the display check, one running copy, the data
// files the game needs, the start library, and the order these come in.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_library.h"
#include "foundation/text.h"
#include "platform/headless/in_process_single_instance.h"
#include "platform/headless/scripted_message_boxes.h"
#include "shell/program_start.h"
#include "shell/startup_view.h"
#include "shell/strings/game_string.h"
#include "tests/shell/main_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_game_folder.h"

using platform::MessageAnswer;
using platform::headless::InProcessSingleInstance;

namespace {

class ProgramStartTest : public testing::Test {
protected:
    ProgramStartTest() {
        const auto dat = Folder.Path() / "dat";
        TAC8SourcePalette palette{};
        SaveAC8Library(dat / "QEstart.ac8", palette, {main_window_test::Cells("loading", 8, 8, 1, 1, 5, 0, 0)});
        main_window_test::Touch(dat / "Zorvik.ac8");
        main_window_test::Touch(dat / "init.dat");
        main_window_test::Touch(dat / "sounds.txt");
    }

    TStartOutcome Start(std::int32_t bits = 24, bool display = true) {
        TGameStartServices services;
        services.HasDisplay = [this, display] {
            Steps.push_back("display found");
            return display;
        };
        services.DisplayColourBits = [this, bits] {
            Steps.push_back("display");
            return bits;
        };
        services.Instance = Instance.get();
        services.ShowStartWindow = [this](std::unique_ptr<TAC8Library> library) {
            Steps.push_back("loading window");
            StartLibrary = std::move(library);
        };
        TGameStart start(services);
        return start.Prepare();
    }

    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> texts;
        for (const auto& shown : Boxes.Boxes.Shown()) texts.push_back(shown.Text);
        return texts;
    }
    std::u16string Missing(const std::filesystem::path& path) const {
        return FormatGameString(GameStringFileNotFound, {Utf8ToUtf16(path.string())});
    }

    testing_support::TempGameFolder Folder;
    platform::headless::ScopedMessageBoxes Boxes;
    // This copy's claim on the game's name; a new copy after NewCopy.
    std::unique_ptr<InProcessSingleInstance> Instance = std::make_unique<InProcessSingleInstance>("zorvik-start-test");
    void NewCopy() {
        Instance.reset();
        Instance = std::make_unique<InProcessSingleInstance>("zorvik-start-test");
    }
    std::vector<std::string> Steps;
    std::unique_ptr<TAC8Library> StartLibrary;
};

}  // namespace

TEST_F(ProgramStartTest, AllWellShowsTheLoadingWindowFromTheStartLibrary) {
    EXPECT_EQ(Start(), TStartOutcome::Run);
    EXPECT_EQ(Steps, (std::vector<std::string>{"display found", "display", "loading window"}));
    ASSERT_NE(StartLibrary, nullptr);
    EXPECT_TRUE(StartLibrary->ImageExists(AC8ImageName("loading")));
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    // This copy holds the game's name now: a second one is turned away.
    InProcessSingleInstance second("zorvik-start-test");
    EXPECT_EQ(second.Claim(), platform::InstanceClaim::AlreadyRunning);
}

TEST_F(ProgramStartTest, DisplayDepths) {
    // Monochrome: refused before anything else, and no copy claims the name.
    EXPECT_EQ(Start(1), TStartOutcome::Ended);
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{GameString(GameStringMonochromeDisplay)}));
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Icon, platform::MessageIcon::Error);
    InProcessSingleInstance probe("zorvik-start-test");
    EXPECT_EQ(probe.Claim(), platform::InstanceClaim::First);
}

TEST_F(ProgramStartTest, NoDisplayFailsBeforeTheLockAndTheDataFiles) {
    // Even with every data file gone: the display is the first thing the game needs.
    std::filesystem::remove_all(Folder.Path() / "dat");
    EXPECT_EQ(Start(24, false), TStartOutcome::Failed);
    EXPECT_EQ(Steps, (std::vector<std::string>{"display found"}));
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{kNoDisplayText}));
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Icon, platform::MessageIcon::Error);
    EXPECT_EQ(StartLibrary, nullptr);
    // The copy that could not be seen leaves the game's name free.
    InProcessSingleInstance probe("zorvik-start-test");
    EXPECT_EQ(probe.Claim(), platform::InstanceClaim::First);
}

TEST_F(ProgramStartTest, SixteenColoursAsksAndOnlyYesGoesOn) {
    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(Start(4), TStartOutcome::Ended);
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{GameString(GameStringSixteenColourDisplay)}));
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(Steps, (std::vector<std::string>{"display found", "display"}));

    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    NewCopy();
    EXPECT_EQ(Start(4), TStartOutcome::Run);
    EXPECT_EQ(Steps.back(), "loading window");
}

TEST_F(ProgramStartTest, AnotherCopyRunningIsBroughtToTheFront) {
    InProcessSingleInstance running("zorvik-start-test");
    ASSERT_EQ(running.Claim(), platform::InstanceClaim::First);
    int raised = 0;
    running.SetRaiseHandler([&raised] { ++raised; });
    EXPECT_EQ(Start(), TStartOutcome::Ended);
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_EQ(StartLibrary, nullptr);
    EXPECT_EQ(running.HandlePending(), 1);
    EXPECT_EQ(raised, 1);
}

TEST_F(ProgramStartTest, InstanceFailureIsReported) {
    Instance->FailNextClaim("no runtime folder");
    EXPECT_EQ(Start(), TStartOutcome::Ended);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_NE(Boxes.Boxes.Shown()[0].Text.find(u"no runtime folder"), std::u16string::npos);
}

TEST_F(ProgramStartTest, EachMissingDataFileIsNamedAndOnlyTheFirst) {
    const auto dat = Folder.Path() / "dat";
    // Both libraries missing: the start library is named, in one box only.
    std::filesystem::rename(dat / "QEstart.ac8", dat / "QEstart.keep");
    std::filesystem::remove(dat / "Zorvik.ac8");
    EXPECT_EQ(Start(), TStartOutcome::Ended);
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{Missing(dat / "QEstart.ac8")}));
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Icon, platform::MessageIcon::Error);
    EXPECT_EQ(Missing(dat / "QEstart.ac8"),
              u"Sorry! We cannot find the needed file \"" + Utf8ToUtf16((dat / "QEstart.ac8").string()) + u"\".");

    // The main library is reported even with the start library present.
    std::filesystem::rename(dat / "QEstart.keep", dat / "QEstart.ac8");
    Boxes.Boxes.ClearShown();
    NewCopy();
    EXPECT_EQ(Start(), TStartOutcome::Ended);
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{Missing(dat / "Zorvik.ac8")}));
}

TEST_F(ProgramStartTest, ScriptFilesPassAsDatOrTxtAndAreNamedWithoutExtension) {
    const auto dat = Folder.Path() / "dat";
    // init as .dat, sounds as .txt: both pass.
    EXPECT_TRUE(CheckDataFiles());
    std::filesystem::rename(dat / "init.dat", dat / "init.txt");
    EXPECT_TRUE(CheckDataFiles());
    std::filesystem::remove(dat / "init.txt");
    EXPECT_FALSE(CheckDataFiles());
    std::filesystem::remove(dat / "sounds.txt");
    main_window_test::Touch(dat / "init.txt");
    EXPECT_FALSE(CheckDataFiles());
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{Missing(dat / "init"), Missing(dat / "sounds")}));
}

TEST_F(ProgramStartTest, DamagedStartLibraryIsAStartUpFailure) {
    main_window_test::Touch(Folder.Path() / "dat" / "QEstart.ac8");
    EXPECT_EQ(Start(), TStartOutcome::Failed);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    // The message names the file, so a parent knows what to reinstall.
    const std::u16string path = Utf8ToUtf16((Folder.Path() / "dat" / "QEstart.ac8").string());
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text.rfind(
                  u"Quorvel! encountered a problem on start-up: The file \"" + path + u"\" is damaged: ", 0),
              0u)
        << Utf16ToUtf8(Boxes.Boxes.Shown()[0].Text);
    EXPECT_EQ(StartLibrary, nullptr);
}

namespace {

TEST_F(ProgramStartTest, TheLoadingWindowGivesBackItsSurfaceAndItsPicture) {
    ASSERT_EQ(Start(), TStartOutcome::Run);
    ASSERT_NE(StartLibrary, nullptr);
    TAC8Library* library = StartLibrary.get();
    TStartupView view(std::move(StartLibrary));
    // The test holds the same picture and surface, so the counts show what the view gives back.
    TImageNode* node = library->LoadImageNamed("loading");
    library->GetImageData(node);
    ASSERT_EQ(node->RefCount, 2);
    ASSERT_EQ(node->DataRefCount, 2);

    view.ReleasePicture();
    EXPECT_EQ(node->RefCount, 1);
    EXPECT_EQ(node->DataRefCount, 1);
    view.ReleasePicture();
    EXPECT_EQ(node->RefCount, 1);

    library->ReleaseImageData(node);
    library->ReleaseImage(node);
}

TEST(WindowIcon, TheMiddleSquareOfTheLoadingPictureMadeIconSized) {
    testing_support::TempFolder folder;
    // Three squares side by side: only the middle one is the icon.
    SaveAC8Library(folder.Path() / "QEstart.ac8", main_window_test::RevealingPalette(),
                   {main_window_test::Cells("loading", 10, 10, 3, 1, 5, 1, 0)});
    auto library = std::make_unique<TAC8Library>();
    library->Open(folder.Path() / "QEstart.ac8");
    const TStartupView view(std::move(library));
    const platform::CursorPicture icon = view.IconPicture();
    ASSERT_EQ(icon.Width, TStartupView::kIconSide);
    ASSERT_EQ(icon.Height, TStartupView::kIconSide);
    ASSERT_EQ(icon.Pixels.size(), std::size_t(64 * 64));
    for (const std::uint32_t pixel : icon.Pixels) ASSERT_EQ(pixel, 0xFF000000u | main_window_test::Shown(6));
    // Without a picture there is no icon, and the window keeps the desktop's default.
    EXPECT_TRUE(TStartupView(nullptr).IconPicture().Pixels.empty());
}

}  // namespace
