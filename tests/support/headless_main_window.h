#pragma once
// The main window on the headless platform over a game folder with the test house's rooms
// and the main window's pictures (see main_window_pictures.h), for tests and benchmarks.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_game_window.h"
#include "platform/headless/headless_song_output.h"
#include "platform/headless/headless_wave_output.h"
#include "platform/headless/scripted_message_boxes.h"
#include "rooms/game_classes.h"
#include "shell/form_qe.h"
#include "shell/world.h"
#include "tests/support/main_window_pictures.h"
#include "tests/support/temp_game_folder.h"
#include "tests/support/test_house.h"

namespace testing_support {

using namespace window_pictures;

inline void Touch(const std::filesystem::path& path) { std::ofstream(path) << ""; }

class THeadlessMainWindow {
public:
    explicit THeadlessMainWindow(std::int32_t width = 1024, std::int32_t height = 768)
        : Window(width, height), Waves(Queue, Clock), Songs(Queue) {
        const auto dat = Folder.Path() / "dat";
        WriteGameLibrary(dat / "Zorvik.ac8");
        Touch(dat / "init.txt");
        Touch(dat / "sounds.txt");
        Window.SetEventQueue(&Queue);
    }
    ~THeadlessMainWindow() {
        Form.reset();
        Queue.Cancel(nullptr);
    }

    TFormQEServices Services() {
        TFormQEServices s;
        s.Window = &Window;
        s.Waves = &Waves;
        s.Songs = &Songs;
        s.Clock = &Clock;
        s.RegisterClasses = RegisterGameClasses;
        s.BuildRooms = testing_support::BuildTestHouse;
        s.LoadSoundList = [](TSoundList&) {};
        s.HideStartWindow = [this] { ++StartWindowHidden; };
        s.VersionText = "Zorvik test";
        return s;
    }

    // Builds the window and the game; false when the start failed.
    bool Create(std::vector<std::string> arguments = {}) {
        Form = std::make_unique<TFormQE>(Services(), std::move(arguments));
        const bool created = Form->Create();
        Window.RunOnce();
        return created;
    }

    // One timer event `ms` after the last, with the idle moment and painting after it.
    void TimerAfter(std::int64_t ms) {
        Clock.Advance(ms);
        Window.FireTimer();
        Window.RunOnce();
    }

    TWorld& World() { return *Form->World(); }
    std::string RoomName() {
        TRoom* room = World().GetCurrentRoom();
        return room == nullptr ? "" : room->GetID();
    }
    std::uint8_t NavPixel(int index, std::int32_t x, std::int32_t y) {
        return Form->NavPicture(index)->GetPixel(TPoint{x, y});
    }
    std::uint8_t ActionPixel(int index, std::int32_t x, std::int32_t y) {
        return Form->ActionPicture(index)->GetPixel(TPoint{x, y});
    }

    testing_support::TempGameFolder Folder;
    platform::headless::ScopedMessageBoxes Boxes;
    platform::FakeClock Clock;
    platform::EventQueue Queue;
    platform::headless::HeadlessGameWindow Window;
    platform::HeadlessWaveOutput Waves;
    platform::HeadlessSongOutput Songs;
    std::unique_ptr<TFormQE> Form;
    int StartWindowHidden = 0;
};

}  // namespace testing_support
