#include "tests/support/game_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../engine/wave_builder.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/sound/midi_player.h"
#include "engine/sound/wave_man.h"
#include "foundation/text.h"
#include "shell/saved_game.h"
#include "platform/controls.h"
#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_song_output.h"
#include "platform/headless/headless_wave_output.h"
#include "rooms/game_classes.h"
#include "shell/room.h"
#include "shell/songs.h"
#include "shell/game_context.h"
#include "shell/sound_list.h"
#include "shell/music_ended.h"
#include "shell/strings/game_string.h"
#include "tests/support/test_house.h"

namespace testing_support {

namespace {
constexpr int kWaveCount = 80;
constexpr std::size_t kWaveBaseSamples = 200;
constexpr std::int64_t kTickMs = 55;

std::string WaveName(int id) { return "w" + std::to_string(id); }
}  // namespace

// Everything a run of the game has: made at Start, ended at Close, so a restart builds it
// all again over the same folder.
class TSession {
public:
    TSession(const THarnessOptions& options, TGameContext& context, platform::FakeClock& clock,
             const std::filesystem::path& dataFolder)
        : Context(context),
          Waves(Queue, clock),
          Songs(Queue),
          WaveMan(Waves, true),
          Player(Songs, true),
          Schedule(Player, clock, context.RandomNumbers()) {
        Config.BeginWithGiftScreen = options.BeginWithGiftScreen;
        Config.AllowPrinterUse = options.AllowPrinterUse;
        Library.Open(dataFolder / Utf16ToUtf8(GameString(GameStringMainLibraryFile)));
        WaveMan.SetFolder((dataFolder / "wav").string());
        Player.SetFolder((dataFolder / "mid").string());
        if (options.LoadSoundList)
            options.LoadSoundList(SoundList);
        else
            for (int id = 0; id < kWaveCount; ++id) SoundList.AddSoundInfo(WaveName(id), id);
        Context.SetLibrary(&Library);
        Context.SetSoundObjects(&WaveMan, &SoundList);
        Window.FSession = this;
    }
    ~TSession() {
        World.reset();
        Context.SetSoundObjects(nullptr, nullptr);
        Context.SetLibrary(nullptr);
        Queue.Cancel(nullptr);
        Library.Close();
    }

    TGameContext& Context;
    platform::EventQueue Queue;
    platform::HeadlessWaveOutput Waves;
    platform::HeadlessSongOutput Songs;
    TWaveMan WaveMan;
    TMidiPlayer Player;
    TSongSchedule Schedule;
    TSoundList SoundList;
    TAC8Library Library;
    TConfig Config;
    THarnessWindow Window;
    platform::ControlHost Host{kPlayAreaWidth, kPlayAreaHeight};
    std::unique_ptr<TWorld> World;
    bool WasActive = false;
    bool Active = true;
};

void THarnessWindow::ProcessPendingMessages() {
    if (FSession != nullptr) FSession->Queue.Drain();
}
void THarnessWindow::PlayMusic(std::int32_t song) {
    if (FSession != nullptr) FSession->Schedule.PlayMusic(song);
}
void THarnessWindow::StopMusic() {
    if (FSession != nullptr) FSession->Schedule.StopMusic();
}

TGameHarness::TGameHarness(THarnessOptions options)
    : FOptions(std::move(options)), FClock(std::make_unique<platform::FakeClock>()) {
    FContext.RandomNumbers().Seed(FOptions.RandomSeed);
    if (!FOptions.BuildRooms) FOptions.BuildRooms = BuildTestHouse;
    if (!FOptions.WriteLibrary) FOptions.WriteLibrary = WriteTestHouseLibrary;
    RegisterGameClasses();
    const std::filesystem::path data = FFolder.Path() / "dat";
    if (!FOptions.ContentFolder.empty()) {
        std::filesystem::copy(FOptions.ContentFolder, data,
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        return;
    }
    FOptions.WriteLibrary(data / Utf16ToUtf8(GameString(GameStringMainLibraryFile)));
    for (int id = 0; id < kWaveCount; ++id)
        wavetest::WriteFile(data / "wav" / (WaveName(id) + ".wav"), wavetest::SimpleWave(kWaveBaseSamples + std::size_t(id)));
    for (std::int32_t song = kFirstSong; song < kLastSong; ++song)
        wavetest::WriteFile(data / "mid" / (std::string(SongFileName(song)) + ".mid"), {'M', 'T', 'h', 'd'});
}

TGameHarness::~TGameHarness() {
    try {
        Close();
    } catch (...) {
        // A harness going away never throws; the seed copy is only a convenience.
    }
}

void TGameHarness::Start() {
    FSession = std::make_unique<TSession>(FOptions, FContext, *FClock, FFolder.Path() / "dat");
    TSession& s = *FSession;
    s.World = std::make_unique<TWorld>(s.Window, FContext, s.Config);
    s.Host.Add(s.World->View());
    s.WaveMan.SetOnSoundEnded([&s](std::uint16_t id) {
        if (s.World) s.World->SoundEnded(id);
    });
    s.Schedule.SetOnMusicEnded([&s](std::int32_t song) {
        if (s.World) s.World->MusicEnded(song);
    });
    try {
        s.World->OpenPlayer(FOptions.Player, FOptions.BuildRooms);
    } catch (...) {
        // The program ends after a failed start: the world goes as it would.
        FSession.reset();
        throw;
    }
    s.World->Begin();
    Settle();
}

void TGameHarness::Close() {
    const bool wasRunning = Running();
    FSession.reset();
    if (wasRunning) KeepSavedGameAsFuzzSeed();
}

// With ZORVIK_SAVED_GAME_SEEDS naming a folder, every saved game a test leaves behind is
// copied there: the saved-game fuzz target's seeds come from real play of every room.
void TGameHarness::KeepSavedGameAsFuzzSeed() const {
    const char* folder = std::getenv("ZORVIK_SAVED_GAME_SEEDS");
    if (folder == nullptr || *folder == 0) return;
    std::error_code ec;
    const std::filesystem::path saved = SavedGameFile();
    if (!std::filesystem::is_regular_file(saved, ec)) return;
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    static int counter = 0;
    const std::string name = std::string(test != nullptr ? test->test_suite_name() : "game") + "." +
                             (test != nullptr ? test->name() : "close") + "." + std::to_string(++counter);
    std::filesystem::create_directories(folder, ec);
    std::filesystem::copy_file(saved, std::filesystem::path(folder) / name,
                               std::filesystem::copy_options::overwrite_existing, ec);
}

void TGameHarness::Restart() {
    Close();
    Start();
}

bool TGameHarness::Running() const { return FSession != nullptr && FSession->World != nullptr; }

TWorld& TGameHarness::World() {
    if (!Running()) throw std::logic_error("the game harness has no world: call Start first");
    return *FSession->World;
}

THarnessWindow& TGameHarness::Window() {
    World();
    return FSession->Window;
}

TConfig& TGameHarness::Config() {
    World();
    return FSession->Config;
}

// What the main window's loop does between timer events: queued platform events run and
// the window paints what was invalidated.
void TGameHarness::Settle() {
    if (!Running()) return;
    FSession->Queue.Drain();
    THarnessWindow& window = FSession->Window;
    if (window.MoveDue && window.Mouse) {
        window.MoveDue = false;
        FSession->Host.MouseMove(window.Mouse->X, window.Mouse->Y);
        if (!Running()) return;
        FSession->Queue.Drain();
    }
    FSession->Host.PaintInvalid();
}

void TGameHarness::Tick(int count) {
    for (int i = 0; i < count && Running(); ++i) {
        TSession& s = *FSession;
        if (s.Active != s.WasActive) {
            s.World->SetFocus(s.Active);
            s.WasActive = s.Active;
        }
        s.World->SetFlags(kWorldIdle, true);
        FClock->Advance(kTickMs);
        s.Schedule.CheckSongEnd();
        if (s.Active) s.World->Tick(1);
        s.Waves.Update();
        Settle();
    }
}

void TGameHarness::SetActive(bool active) {
    World();
    FSession->Active = active;
}

void TGameHarness::SetKeys(bool shift, bool ctrl, bool del) { Window().Keys = TKeyState{shift, ctrl, del}; }

// --- Mouse ---

std::optional<TPoint> TGameHarness::PointOnBox(std::string_view name) {
    TRoom* room = Room();
    if (room == nullptr) {
        ADD_FAILURE() << "no current room to find the box " << name << " in";
        return std::nullopt;
    }
    THitBox* box = room->FindHitBox(name);
    if (box == nullptr) {
        ADD_FAILURE() << "room " << room->GetID() << " has no box " << name;
        return std::nullopt;
    }
    if (box->Disabled) {
        ADD_FAILURE() << "box " << name << " of room " << room->GetID() << " is disabled";
        return std::nullopt;
    }
    const TRect& r = box->Rect;
    const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    if (room->HitBoxes().HitTest(centre.X, centre.Y) == box) return centre;
    for (std::int32_t y = r.Top; y < r.Bottom; ++y)
        for (std::int32_t x = r.Left; x < r.Right; ++x)
            if (room->HitBoxes().HitTest(x, y) == box) return TPoint{x, y};
    ADD_FAILURE() << "box " << name << " of room " << room->GetID() << " is hidden by an earlier box";
    return std::nullopt;
}

void TGameHarness::MouseDown(TPoint at) {
    Window().Mouse = at;
    FSession->Host.MouseDown(platform::MouseButton::Left, at.X, at.Y);
    Settle();
}

void TGameHarness::MouseMove(TPoint at) {
    Window().Mouse = at;
    FSession->Host.MouseMove(at.X, at.Y);
    Settle();
}

void TGameHarness::MouseUp(TPoint at) {
    Window().Mouse = at;
    FSession->Host.MouseUp(platform::MouseButton::Left, at.X, at.Y);
    Settle();
}

void TGameHarness::Click(std::string_view box) {
    const std::optional<TPoint> at = PointOnBox(box);
    if (!at) return;
    MouseDown(*at);
    if (Running()) MouseUp(*at);
}

void TGameHarness::Drag(std::string_view box, TPoint to, int steps) {
    const std::optional<TPoint> from = PointOnBox(box);
    if (!from) return;
    MouseDown(*from);
    for (int i = 1; i <= steps && Running(); ++i)
        MouseMove(TPoint{from->X + (to.X - from->X) * i / steps, from->Y + (to.Y - from->Y) * i / steps});
    if (Running()) MouseUp(to);
}

std::int16_t TGameHarness::ViewCursor() { return World().View().Cursor; }

// --- Buttons ---

void TGameHarness::PressNav(int index) {
    THarnessWindow& window = Window();
    if (index < 1 || index > kNavButtonCount) {
        ADD_FAILURE() << "there is no room button " << index;
        return;
    }
    if (window.NavGreyed || window.NavStates[std::size_t(index - 1)] != TNavState::Normal) {
        ADD_FAILURE() << "room button " << index << " does not take clicks now";
        return;
    }
    World().NavButtonClick(index);
    Settle();
}

void TGameHarness::PressAction(int index) {
    THarnessWindow& window = Window();
    if (index < 1 || index > kActionButtonCount) {
        ADD_FAILURE() << "there is no action button " << index;
        return;
    }
    const TActionCommand command = window.ActionCommands[std::size_t(index - 1)];
    if (command == TActionCommand::None || window.ActionStates[std::size_t(index - 1)] != TActionState::Normal) {
        ADD_FAILURE() << "action button " << index << " does not take clicks now";
        return;
    }
    World().ActionButtonClick(command);
    Settle();
}

void TGameHarness::PressTutor() {
    World().TutorClick();
    Settle();
}

void TGameHarness::PressAbout() {
    World().ShowAbout();
    Settle();
}

// --- Sounds ---

bool TGameHarness::CompleteSound() {
    World();
    const bool completed = FSession->Waves.CompleteOldest() != 0;
    Settle();
    return completed;
}

bool TGameHarness::EndSong() {
    World();
    const bool ended = FSession->Songs.EndSong();
    Settle();
    return ended;
}

std::vector<int> TGameHarness::SoundLog() const {
    std::vector<int> log;
    if (FSession == nullptr) return log;
    for (const auto& write : FSession->Waves.Writes()) log.push_back(int(write.Bytes) - int(kWaveBaseSamples));
    return log;
}

const TMidiPlayer& TGameHarness::SongPlayer() {
    World();
    return FSession->Player;
}

std::int64_t TGameHarness::SongEndTime() {
    World();
    return FSession->Schedule.SongEndTime();
}

std::vector<std::string> TGameHarness::SongLog() const {
    std::vector<std::string> log;
    if (FSession == nullptr) return log;
    for (const auto& file : FSession->Songs.Opened()) log.push_back(file.stem().string());
    return log;
}

// --- State ---

TRoom* TGameHarness::Room() const { return Running() ? FSession->World->GetCurrentRoom() : nullptr; }

std::string TGameHarness::RoomName() const {
    TRoom* room = Room();
    return room == nullptr ? std::string() : room->GetID();
}

std::vector<std::string> TGameHarness::Stack() const {
    std::vector<std::string> names;
    if (!Running()) return names;
    for (auto* node : NodesOf<TRoomStackNode>(FSession->World->RoomStack()))
        names.push_back(node->Room != nullptr ? node->Room->GetID() : std::string());
    return names;
}

std::uint16_t TGameHarness::Flags() const { return Running() ? FSession->World->GetFlags() : 0; }

TAC8ImageData& TGameHarness::View() {
    TAC8ImageData* view = World().GetViewImage();
    if (view == nullptr) throw std::logic_error("the world has no view picture");
    return *view;
}

std::uint8_t TGameHarness::ViewPixel(std::int32_t x, std::int32_t y) { return View().GetPixel(TPoint{x, y}); }

std::uint32_t TGameHarness::ScreenPixel(std::int32_t x, std::int32_t y) {
    World();
    return FSession->Host.PixelAt(x, y);
}

int TGameHarness::CountViewPixels(std::uint8_t colour) {
    int count = 0;
    for (std::int32_t y = 0; y < 320; ++y)
        for (std::int32_t x = 0; x < 512; ++x)
            if (ViewPixel(x, y) == colour) ++count;
    return count;
}

std::filesystem::path TGameHarness::SavedGameFile() const { return SavedGamePath(FOptions.Player); }

std::string TGameHarness::MessageTexts() {
    std::string all;
    for (const auto& message : Messages()) all += Utf16ToUtf8(message.Text) + "\n";
    return all;
}

}  // namespace testing_support
