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
#include "tests/support/headless_main_window.h"
#include "tools/ac8/ac8_writer.h"

namespace main_window_test {

using namespace testing_support::window_pictures;
using testing_support::Touch;

class MainWindowTest : public testing::Test, public testing_support::THeadlessMainWindow {
protected:
    explicit MainWindowTest(std::int32_t width = 1024, std::int32_t height = 768)
        : THeadlessMainWindow(width, height) {}
};

}  // namespace main_window_test
