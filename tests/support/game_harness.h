#pragma once
// The headless game: a world on the headless platform over a temporary game folder, driven
// the way the main window drives it. Every test of rooms and of the world plays through it:
//
//   TGameHarness game;             // a game folder with the test house's pictures and sounds
//   game.Start();                  // world, rooms, saved game, first room
//   game.Click("TOKITCHEN");       // fails the test if the box is disabled or covered
//   game.Tick(10);                 // ten 55 ms ticks, idle before each, as the real loop
//   EXPECT_EQ(game.RoomName(), "KITCHEN");
//   game.Restart();                // the world ends (the game is saved) and starts again
//
// Rooms come from a room builder: the test house by default; the init-script loader can be
// handed in the same way.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/config.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/random.h"
#include "shell/game_context.h"
#include "shell/world.h"
#include "tests/support/temp_game_folder.h"

class TMidiPlayer;
class TSoundList;

namespace platform {
class FakeClock;
}

namespace testing_support {

class TSession;

// The main window as the world sees it: records every button, caption and cursor the world
// sets, answers the keyboard and mouse position from what the test sets.
class THarnessWindow final : public TWorldWindow {
public:
    void SetHomeIndex(std::uint8_t index) override { HomeIndex = index; }
    void SetNavButtonState(int index, TNavState state) override { NavStates.at(std::size_t(index - 1)) = state; }
    void SetNavGreyed(bool greyed) override { NavGreyed = greyed; }
    void SetActionCommand(int index, TActionCommand command) override { ActionCommands.at(std::size_t(index - 1)) = command; }
    void SetActionState(int index, TActionState state) override { ActionStates.at(std::size_t(index - 1)) = state; }
    void SetTutorChecked(bool checked) override { TutorChecked = checked; }
    void SetCaption(const std::u16string& caption) override { Caption = caption; }
    void SetBusyCursor(bool busy) override { BusyCursor = busy; }
    TKeyState ReadKeys() const override { return Keys; }
    std::optional<TPoint> MousePosition() const override { return Mouse; }
    // As the real pointer does, the play area hears a mouse move at the pointer's place
    // once the current event is over (the harness delivers it when it settles).
    void RefreshMousePosition() override {
        ++MouseRefreshes;
        MoveDue = true;
    }
    void ProcessPendingMessages() override;
    void PlayMusic(std::int32_t song) override;
    void StopMusic() override;

    std::uint8_t HomeIndex = 0;
    std::array<TNavState, kNavButtonCount> NavStates{};
    bool NavGreyed = false;
    std::array<TActionCommand, kActionButtonCount> ActionCommands{};
    std::array<TActionState, kActionButtonCount> ActionStates{};
    bool TutorChecked = false;
    std::u16string Caption;
    bool BusyCursor = false;
    TKeyState Keys;
    std::optional<TPoint> Mouse;
    int MouseRefreshes = 0;
    bool MoveDue = false;

private:
    friend class TSession;
    TSession* FSession = nullptr;
};

struct THarnessOptions {
    // Builds the rooms when the world opens the player (the init-script loader, later).
    TRoomBuilder BuildRooms;
    // Writes the pictures the rooms use; the test house's by default.
    std::function<void(const std::filesystem::path& libraryFile)> WriteLibrary;
    // A built data folder (what goes in dat/, with wav/ and mid/) copied into the game folder
    // instead of the test pictures, sounds and songs.
    std::filesystem::path ContentFolder;
    // Fills the sound list (the sound-list loader, later); the test sounds w0..w79 by default.
    std::function<void(TSoundList&)> LoadSoundList;
    std::u16string Player = u"Default";
    // Where the game's random numbers start, so that its shuffles and choices repeat.
    std::uint32_t RandomSeed = platform::RandomNumbers::kDefaultSeed;
    bool BeginWithGiftScreen = false;
    bool AllowPrinterUse = false;
};

class TGameHarness {
public:
    explicit TGameHarness(THarnessOptions options = {});
    ~TGameHarness();
    TGameHarness(const TGameHarness&) = delete;
    TGameHarness& operator=(const TGameHarness&) = delete;

    // --- Life ---
    // A fresh world over the folder: rooms, saved game, the window active, the first room.
    // Errors of the start (a damaged saved game) pass on, as they reach the start-up handler.
    void Start();
    // The world ends as at program end: the room is left and the game saved.
    void Close();
    void Restart();
    bool Running() const;

    // --- Time and input ---
    // Ticks as the main loop makes them: idle, then the song end check, the world's tick,
    // finished sounds and a paint, `count` times.
    void Tick(int count = 1);
    // Clicks the box of the current room at a point where it is hit first; fails the test
    // when there is no such box, it is disabled, or earlier boxes cover it everywhere.
    void Click(std::string_view box);
    // Presses on the box, moves to `to` in `steps` moves and releases there.
    void Drag(std::string_view box, TPoint to, int steps = 4);
    void MouseDown(TPoint at);
    void MouseMove(TPoint at);
    void MouseUp(TPoint at);
    // The room button 1..4 and the action button 1..3 as the main window handles a click;
    // fails the test when the button would not take it.
    void PressNav(int index);
    void PressAction(int index);
    void PressTutor();
    void PressAbout();
    void SetKeys(bool shift, bool ctrl, bool del = false);
    void SetActive(bool active);

    // --- Sounds and songs ---
    // The oldest playing wave sound ends; false when none plays.
    bool CompleteSound();
    // The playing song reaches its end; false when none plays.
    bool EndSong();
    // Wave ids in the order their playing started (the test sound of wave id n is n + 200
    // samples long, which is how a write tells its sound; with other sounds the numbers
    // are the sounds' sizes less 200).
    std::vector<int> SoundLog() const;
    // Song file names (without folder and extension) in the order they were opened.
    std::vector<std::string> SongLog() const;
    // The run's song player (rooms read the song asked for through the game services).
    const TMidiPlayer& SongPlayer();
    // Clock time after which the playing song counts as over; 0 when none is scheduled.
    std::int64_t SongEndTime();
    // The run's clock: ticks move it; its time of day stands where the test sets it.
    platform::FakeClock& Clock() { return *FClock; }
    // The game's program-wide objects, kept for the harness's life: each run sets its image
    // library and sound objects in it. What rooms ask of the program (the configuration, the
    // song player, the printers, the clock ...) is none until a test sets it with SetServices;
    // objects of a run must be taken out again before the run ends.
    TGameContext& Context() { return FContext; }

    // --- What is there to see ---
    TWorld& World();
    TRoom* Room() const;
    std::string RoomName() const;
    template <class T>
    T& RoomAs(std::string_view name) {
        auto* room = dynamic_cast<T*>(World().FindRoom(name));
        if (room == nullptr) throw std::runtime_error("no such room of that class: " + std::string(name));
        return *room;
    }
    // Room IDs on the return stack, oldest first.
    std::vector<std::string> Stack() const;
    std::uint16_t Flags() const;
    bool HasFlag(std::uint16_t flag) const { return (Flags() & flag) != 0; }
    // The 8-bit view picture, and one pixel of it.
    TAC8ImageData& View();
    std::uint8_t ViewPixel(std::int32_t x, std::int32_t y);
    // How many pixels of the play area (512 x 320 from its corner) have this colour.
    int CountViewPixels(std::uint8_t colour);
    // The play area as painted: 0x00RRGGBB at the paint box's pixel.
    std::uint32_t ScreenPixel(std::int32_t x, std::int32_t y);
    THarnessWindow& Window();
    std::int16_t ViewCursor();

    // Message boxes shown so far, and answers for the next ones.
    platform::headless::ScriptedMessageBoxes& Boxes() { return FBoxes.Boxes; }
    const std::vector<platform::headless::ShownMessage>& Messages() { return FBoxes.Boxes.Shown(); }
    // The texts of the boxes shown so far, one a line; empty when none was shown.
    std::string MessageTexts();

    TempGameFolder& Folder() { return FFolder; }
    std::filesystem::path SavedGameFile() const;
    // Copies the saved game into $ZORVIK_SAVED_GAME_SEEDS when that is set (Close does it).
    void KeepSavedGameAsFuzzSeed() const;
    TConfig& Config();

private:
    void Settle();
    std::optional<TPoint> PointOnBox(std::string_view name);

    THarnessOptions FOptions;
    TGameContext FContext;
    platform::headless::ScopedMessageBoxes FBoxes;
    TempGameFolder FFolder;
    std::unique_ptr<platform::FakeClock> FClock;
    std::unique_ptr<TSession> FSession;
};

}  // namespace testing_support
