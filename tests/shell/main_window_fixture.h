#pragma once
// The main window on the headless platform, over a game folder with the test house's rooms
// and the main window's pictures. Each picture of the window is a solid colour (or one
// colour per cell), so what a button shows tells which cell it came from.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_game_window.h"
#include "platform/headless/headless_song_output.h"
#include "platform/headless/headless_wave_output.h"
#include "platform/headless/scripted_message_boxes.h"
#include "shell/form_qe.h"
#include "shell/world.h"
#include "tests/support/temp_game_folder.h"
#include "tests/support/test_house.h"
#include "tools/ac8/ac8_writer.h"

namespace main_window_test {

// Colours of the window's pictures.
inline constexpr std::uint8_t kTileColour = 200;
inline constexpr std::uint8_t kEdgeColour = 50;       // + row
inline constexpr std::uint8_t kFaceColour = 60;       // + row
inline constexpr std::uint8_t kActionColour = 100;    // + row * 3 + column
inline constexpr std::uint8_t kGarlandColour = 150;   // corner; + 1 east-west, + 2 north-south
inline constexpr std::uint8_t kGarlandHole = 0;       // transparent

// Palette entry i shows as (i, 255 - i, i / 2), so a shown colour tells its index.
inline std::uint32_t Shown(std::uint8_t index) {
    return (std::uint32_t(index) << 16) | (std::uint32_t(255 - index) << 8) | std::uint32_t(index / 2);
}

inline TAC8Picture Cells(const std::string& name, std::uint32_t cellW, std::uint32_t cellH, std::uint32_t cols,
                         std::uint32_t rows, std::uint8_t first, std::uint8_t colStep, std::uint8_t rowStep) {
    TAC8Picture p{name, cellW * cols, cellH * rows, {}, 0, false};
    p.Pixels.resize(std::size_t(p.Width) * p.Height);
    for (std::uint32_t y = 0; y < p.Height; ++y)
        for (std::uint32_t x = 0; x < p.Width; ++x)
            p.Pixels[std::size_t(y) * p.Width + x] =
                std::uint8_t(first + (x / cellW) * colStep + (y / cellH) * rowStep);
    return p;
}

// A picture with a transparent hole in the middle, as the garland pieces have.
inline TAC8Picture Holed(const std::string& name, std::uint32_t w, std::uint32_t h, std::uint8_t colour) {
    TAC8Picture p{name, w, h, std::vector<std::uint8_t>(std::size_t(w) * h, colour), kGarlandHole, true};
    for (std::uint32_t y = h / 4; y < h - h / 4; ++y)
        for (std::uint32_t x = w / 4; x < w - w / 4; ++x) p.Pixels[std::size_t(y) * w + x] = kGarlandHole;
    return p;
}

inline std::vector<TAC8Picture> MainWindowPictures() {
    return {
        Cells("tile", 16, 16, 1, 1, kTileColour, 0, 0),
        Holed("glnd_cnr", 200, 200, kGarlandColour),
        Holed("glnd_ew", 100, 300, kGarlandColour + 1),
        Holed("glnd_ns", 500, 100, kGarlandColour + 2),
        Cells("abt_btn", 56, 34, 1, 2, 30, 0, 1),
        Cells("tutr_btn", 119, 34, 1, 2, 40, 0, 1),
        Cells("rb_edge", 60, 60, 1, 3, kEdgeColour, 0, 1),
        Cells("rb_face", 43, 43, 1, 8, kFaceColour, 0, 1),
        Cells("actbtns", 60, 60, 3, 5, kActionColour, 1, 3),
    };
}

// The test house's pictures and the window's in one library file.
inline void WriteGameLibrary(const std::filesystem::path& path) {
    const std::filesystem::path house = path.parent_path() / "house.ac8";
    testing_support::WriteTestHouseLibrary(house);
    std::vector<TAC8Picture> pictures = MainWindowPictures();
    {
        TAC8Library library;
        library.Open(house);
        for (const std::string& name : library.ImageNames()) {
            TImageNode* node = library.LoadImageNamed(name);
            const TAC8ImageData& image = *library.GetImageData(node);
            TAC8Picture p{name, std::uint32_t(image.Width()), std::uint32_t(image.Height()), {}, 0, false};
            for (std::int32_t y = 0; y < image.Height(); ++y)
                for (std::int32_t x = 0; x < image.Width(); ++x) p.Pixels.push_back(image.GetPixel(TPoint{x, y}));
            pictures.push_back(std::move(p));
            library.ReleaseImage(node);
        }
    }
    std::filesystem::remove(house);
    TAC8Palette palette{};
    for (int i = 0; i < 256; ++i)
        palette[std::size_t(i)] = TAC8PaletteEntry{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    SaveAC8Library(path, palette, pictures);
}

inline void Touch(const std::filesystem::path& path) { std::ofstream(path) << ""; }

class MainWindowTest : public testing::Test {
protected:
    explicit MainWindowTest(std::int32_t width = 1024, std::int32_t height = 768)
        : Window(width, height), Waves(Queue, Clock), Songs(Queue) {
        const auto dat = Folder.Path() / "dat";
        WriteGameLibrary(dat / "Zorvik.ac8");
        Touch(dat / "init.txt");
        Touch(dat / "sounds.txt");
        Window.SetEventQueue(&Queue);
    }
    ~MainWindowTest() override {
        Form.reset();
        Queue.Cancel(nullptr);
    }

    TFormQEServices Services() {
        TFormQEServices s;
        s.Window = &Window;
        s.Waves = &Waves;
        s.Songs = &Songs;
        s.Clock = &Clock;
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

}  // namespace main_window_test
