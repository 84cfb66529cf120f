// The main window: building the game, the command line, the 55 ms tick, Caps Lock, songs,
// closing, and clicks while the world is busy.
#include <functional>
#include <new>
#include <stdexcept>

#include "engine/sound/midi_player.h"
#include "engine/sound/wave_man.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "foundation/config.h"
#include "shell/program_start.h"
#include "shell/songs.h"
#include "shell/strings/game_string.h"
#include "tests/engine/wave_builder.h"
#include "tests/shell/main_window_fixture.h"

using namespace main_window_test;
using platform::MessageAnswer;

namespace {
void SaveConfig(const std::u16string& name) {
    TConfig config;
    ASSERT_TRUE(config.SaveToFile(name));
}

TPoint ViewPoint(TFormQE& form, std::int32_t x, std::int32_t y) {
    const platform::ControlRect& view = form.World()->View().Bounds();
    return TPoint{view.Left + 1 + x, view.Top + 1 + y};
}
}  // namespace

TEST_F(MainWindowTest, CreationBuildsTheGameAndEntersTheFirstRoom) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(RoomName(), "TITLE");
    EXPECT_TRUE(Window.Maximised());
    EXPECT_EQ(Window.TimerInterval(), 55);
    EXPECT_TRUE(Window.TimerEnabled());
    EXPECT_EQ(StartWindowHidden, 1);
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_EQ(Window.Caption(), u"Test house");
    // The title room has no navigation: every room button is greyed.
    EXPECT_TRUE(Form->NavGreyed());
    // The play area lies on the frame panel, which has the game's colour behind it.
    EXPECT_EQ(Form->World()->View().Bounds(), Form->FramePanel().Bounds());
    EXPECT_EQ(Form->FramePanel().Colour, (platform::RgbColour{210, 159, 111}));
    // At the first tick the title picture (test house colour 20) shows inside the frame.
    TimerAfter(55);
    const TPoint inside = ViewPoint(*Form, 5, 5);
    EXPECT_EQ(Window.Controls().PixelAt(inside.X, inside.Y), Shown(testing_support::kTestHouseColour));
}

TEST_F(MainWindowTest, StartUpErrorIsShownWithTheTitleAndStopsTheStart) {
    std::filesystem::remove(Folder.Path() / "dat" / "Zorvik.ac8");
    EXPECT_FALSE(Create());
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    const std::u16string& text = Boxes.Boxes.Shown()[0].Text;
    EXPECT_EQ(text.rfind(u"Quorvel! encountered a problem on start-up: ", 0), 0u) << Utf16ToUtf8(text);
    EXPECT_EQ(Form->World(), nullptr);
    EXPECT_FALSE(Window.TimerEnabled());

    // A main library cut short is named in the message.
    const auto library = Folder.Path() / "dat" / "Zorvik.ac8";
    std::ofstream(library, std::ios::binary) << "AC8";
    Boxes.Boxes.ClearShown();
    Form.reset();
    EXPECT_FALSE(Create());
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text.rfind(u"Quorvel! encountered a problem on start-up: The file \"" +
                                                    Utf8ToUtf16(library.string()) + u"\" is damaged: ",
                                                0),
              0u)
        << Utf16ToUtf8(Boxes.Boxes.Shown()[0].Text);
}

TEST(UnexpectedErrors, TheSystemsOwnTextsNeverReachABox) {
    EXPECT_EQ(UnexpectedErrorText(std::bad_alloc()), u"There is not enough memory to go on.");
    EXPECT_EQ(UnexpectedErrorText(std::runtime_error("basic_string::_M_create")), u"An unexpected error occurred.");
    EXPECT_EQ(UnexpectedErrorText(VekException("Saved game is damaged.")), u"Saved game is damaged.");
}

TEST_F(MainWindowTest, CommandLineSwitchesAndConfigurationName) {
    SaveConfig(u"Anna");
    SaveConfig(u"Ben");
    ASSERT_TRUE(Create({"nowave", "Anna", "stranger", "Ben"}));
    EXPECT_FALSE(Form->CommandLine().WaveAllowed);
    EXPECT_TRUE(Form->CommandLine().MidiAllowed);
    EXPECT_FALSE(Form->WaveMan()->Enabled());
    EXPECT_TRUE(Form->MidiPlayer()->Enabled());
    // The last argument naming a configuration wins; words that name none are ignored.
    EXPECT_EQ(Form->CommandLine().ConfigName, u"Ben");
    EXPECT_EQ(Form->World()->GetPlayerName(), u"Ben");

    const TCommandLine silent = ParseCommandLine({"NoSound"});
    EXPECT_FALSE(silent.WaveAllowed);
    EXPECT_FALSE(silent.MidiAllowed);
    EXPECT_EQ(silent.ConfigName, u"Default");
    const TCommandLine music = ParseCommandLine({"NOMIDI"});
    EXPECT_TRUE(music.WaveAllowed);
    EXPECT_FALSE(music.MidiAllowed);
}

TEST(TickCounter, LateEventsCatchUpAndEarlyOnesHandOutNothing) {
    TTickCounter ticks(55);
    EXPECT_EQ(ticks.Elapsed(1000), 0);  // the first event starts the count
    EXPECT_EQ(ticks.Elapsed(1255), 5);  // (255 + 27) div 55
    EXPECT_EQ(ticks.Base(), 1275);
    EXPECT_EQ(ticks.Elapsed(1265), 0);  // 10 ms later
    EXPECT_EQ(ticks.Elapsed(1265), 0);  // a doubled event
    EXPECT_EQ(ticks.Elapsed(1302), 0);  // 28 ms short of the next period
    EXPECT_EQ(ticks.Elapsed(1303), 1);  // 27 ms short: rounds up
    EXPECT_EQ(ticks.Base(), 1330);
    EXPECT_EQ(ticks.Elapsed(1330 + 55 * 3 + 27), 3);  // 27 ms over: rounds down
    EXPECT_EQ(ticks.Base(), 1330 + 55 * 3);
    // A clock that starts at 0 counts like any other.
    TTickCounter fromZero(55);
    EXPECT_EQ(fromZero.Elapsed(0), 0);
    EXPECT_EQ(fromZero.Elapsed(55), 1);
}

TEST_F(MainWindowTest, TickHandsTheWorldWholePeriodsOnlyWhileActive) {
    ASSERT_TRUE(Create());
    TimerAfter(0);
    const std::int32_t start = World().GetTickTotal();
    TimerAfter(255);
    EXPECT_EQ(World().GetTickTotal(), start + 5);
    TimerAfter(10);
    EXPECT_EQ(World().GetTickTotal(), start + 5);
    // Inactive: the world hears of the focus loss and the ticks are dropped, not saved up.
    Window.SetActive(false);
    TimerAfter(550);
    EXPECT_FALSE(World().GetFlags() & kWorldActive);
    EXPECT_EQ(World().GetTickTotal(), start + 5);
    Window.SetActive(true);
    TimerAfter(55);
    EXPECT_TRUE(World().GetFlags() & kWorldActive);
    EXPECT_EQ(World().GetTickTotal(), start + 6);
}

TEST_F(MainWindowTest, CapsLockShowsTheVersionAndSilencesSound) {
    ASSERT_TRUE(Create({"NOMIDI"}));
    TimerAfter(55);
    wavetest::WriteFile(Folder.Path() / "dat" / "wav" / "ding.wav", wavetest::SimpleWave());
    ASSERT_TRUE(Form->WaveMan()->Load("ding", 3, 0));
    EXPECT_FALSE(Form->VersionLabel().Visible());
    EXPECT_TRUE(Form->WaveMan()->Enabled());

    Window.SetKeyboard(platform::KeyboardState{false, false, false, true});
    TimerAfter(55);
    EXPECT_TRUE(Form->VersionLabel().Visible());
    EXPECT_EQ(Form->VersionLabel().Text(), "Zorvik test");
    EXPECT_FALSE(Form->WaveMan()->Enabled());
    EXPECT_EQ(Form->WaveMan()->Sounds.Count(), 0);
    EXPECT_FALSE(Form->MidiPlayer()->Enabled());

    // Off again: effects come back; music stays off, as the command line asked.
    Window.SetKeyboard(platform::KeyboardState{});
    TimerAfter(55);
    EXPECT_FALSE(Form->VersionLabel().Visible());
    EXPECT_TRUE(Form->WaveMan()->Enabled());
    EXPECT_FALSE(Form->MidiPlayer()->Enabled());
}

TEST_F(MainWindowTest, SongEndsWhenItsTimeHasPassed) {
    const auto mid = Folder.Path() / "dat" / "mid";
    for (int song = kFirstSong; song <= kLastSong; ++song)
        if (!SongFileName(song).empty()) Touch(mid / (std::string(SongFileName(song)) + ".mid"));
    ASSERT_TRUE(Create());
    auto& workshop = dynamic_cast<testing_support::TTestHouseRoom&>(*World().FindRoom("WORKSHOP"));
    workshop.OnScript = [](const std::string& script, const std::string&) { return script.empty(); };
    TimerAfter(0);
    Form->PlayMusic(2);
    ASSERT_TRUE(Songs.IsPlaying());
    const std::int64_t end = Form->Songs()->SongEndTime();
    EXPECT_EQ(end, Clock.NowMs() + SongLengthSeconds(2) * 1000 + TSongSchedule::kGraceMs);
    Clock.Advance(end - Clock.NowMs());
    Window.FireTimer();
    EXPECT_TRUE(Songs.IsPlaying());  // not yet past the end
    TimerAfter(1);
    EXPECT_FALSE(Songs.IsPlaying());
    EXPECT_EQ(Form->Songs()->SongEndTime(), 0);
    EXPECT_EQ(workshop.Messages.back(), "|ENDMUSIC");
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
}

TEST_F(MainWindowTest, RoomFailingAtTheEndOfASongIsReportedAndTheGameGoesOn) {
    Touch(Folder.Path() / "dat" / "mid" / (std::string(SongFileName(2)) + ".mid"));
    ASSERT_TRUE(Create());
    auto& workshop = dynamic_cast<testing_support::TTestHouseRoom&>(*World().FindRoom("WORKSHOP"));
    workshop.OnScript = [](const std::string&, const std::string& sender) -> bool {
        if (sender == "ENDMUSIC") throw VekException("The workshop is deaf");
        return false;
    };
    TimerAfter(0);
    Form->PlayMusic(2);
    Clock.Advance(Form->Songs()->SongEndTime() - Clock.NowMs() + 1);
    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    EXPECT_NO_THROW(Window.FireTimer());
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text.rfind(u"Quit game?", 0), 0u);
    EXPECT_NE(Boxes.Boxes.Shown()[0].Text.find(u"The workshop is deaf"), std::u16string::npos);
    const std::int32_t ticks = World().GetTickTotal();
    TimerAfter(55);
    EXPECT_EQ(World().GetTickTotal(), ticks + 1);
}

TEST_F(MainWindowTest, ClosingAsksUnlessTheGameQuit) {
    ASSERT_TRUE(Create());
    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    Window.RequestClose();
    EXPECT_FALSE(Window.Closed());
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text, GameString(GameStringReallyQuit));
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Buttons, platform::MessageButtons::YesNo);
    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    Window.RequestClose();
    EXPECT_TRUE(Window.Closed());
}

TEST_F(MainWindowTest, QuitFromTheGameClosesAtTheNextTickWithoutAsking) {
    ASSERT_TRUE(Create());
    World().SetQuit();
    TimerAfter(55);
    EXPECT_TRUE(Window.Closed());
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
}

TEST_F(MainWindowTest, EndingTheWindowSavesTheGame) {
    ASSERT_TRUE(Create());
    const TPoint play = ViewPoint(*Form, 150, 150);
    Window.Click(play.X, play.Y);
    EXPECT_EQ(RoomName(), "LIVING");
    const std::string savePath = World().SavePath();
    Form.reset();
    EXPECT_TRUE(std::filesystem::exists(savePath));
    // The next start finds the game where the child left it.
    ASSERT_TRUE(Create());
    EXPECT_EQ(World().GetSavedState(), 1);
}

TEST_F(MainWindowTest, TheSessionEndingClosesWithoutAskingAndSavesTheRoomLeft) {
    ASSERT_TRUE(Create());
    const TPoint play = ViewPoint(*Form, 150, 150);
    Window.Click(play.X, play.Y);
    ASSERT_EQ(RoomName(), "LIVING");
    // Nobody would answer: a question here would lose the game when the session kills us.
    Boxes.Boxes.SetDefaultAnswer(MessageAnswer::No);
    Window.EndSession();
    EXPECT_TRUE(Window.Closed());
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_TRUE(World().GetFlags() & kWorldQuit);
    const std::string savePath = World().SavePath();
    Form.reset();
    EXPECT_TRUE(std::filesystem::exists(savePath));
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
}

TEST_F(MainWindowTest, ButtonClicksAreIgnoredWhileTheWorldIsBusy) {
    ASSERT_TRUE(Create());
    World().FindRoom("LIVING")->Flags |= kRoomSnapEnabled;
    const TPoint play = ViewPoint(*Form, 150, 150);
    Window.Click(play.X, play.Y);
    ASSERT_EQ(RoomName(), "LIVING");
    ASSERT_EQ(Form->NavState(4), TNavState::Normal);
    ASSERT_EQ(Form->ActionState(1), TActionState::Normal);

    World().SetFlags(kWorldBusy, true);
    const platform::ControlRect kitchen = Form->NavBox(4).Bounds();
    Window.Click(kitchen.Left + 30, kitchen.Top + 30);
    const platform::ControlRect snap = Form->ActionBox(1).Bounds();
    Window.Click(snap.Left + 30, snap.Top + 30);
    EXPECT_EQ(RoomName(), "LIVING");
    EXPECT_EQ(Form->PressedAction(), 0);

    World().SetFlags(kWorldBusy, false);
    Window.Click(kitchen.Left + 30, kitchen.Top + 30);
    EXPECT_EQ(RoomName(), "KITCHEN");
}

TEST_F(MainWindowTest, IdleMomentSetsTheWorldsIdleFlag) {
    ASSERT_TRUE(Create());
    TimerAfter(55);  // the tick clears the flag, the idle moment after it sets it again
    EXPECT_TRUE(World().GetFlags() & kWorldIdle);
    World().Tick(1);
    EXPECT_FALSE(World().GetFlags() & kWorldIdle);
}
