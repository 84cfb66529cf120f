#pragma once
// A child's day in the whole house: the built game folder and its real init script played
// through the headless game, from the title to the album, with the song player, a headless
// printer and the run's clock as the rooms' services. Each activity is one step; the steps
// build on each other, so they run in one test.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/config.h"
#include "platform/headless/fake_printers.h"
#include "tests/support/built_room_game.h"
#include "tests/support/game_harness.h"

class TAlbumRoom;
class TLivingRoom;
class TWrapRoom;

namespace house_day {

// Each room's record as the saved game keeps it, by room name.
using TRoomRecords = std::map<std::string, std::vector<std::uint8_t>>;

class HouseDay : public testing_support::BuiltRoomGame {
protected:
    HouseDay();
    ~HouseDay() override;

    // The built game with the run's song player and clock as well: the day plays songs and
    // reads the time.
    void StartGame();
    // The game ends (the room is left, the game saved) and starts again on the same folder.
    void CloseGame();
    void StartAgain();

    // --- Moving about ---
    // The room this click, button or step leads to, within a few ticks (some rooms close a
    // cover or scroll before they let the child go).
    void ExpectRoom(const std::string& room);
    // Room button `index` pressed, unless its room is the one shown.
    void Nav(int index, const std::string& room);
    void ClickTo(const std::string& box, const std::string& room);
    // The wide room shown scrolled fully to one end.
    void ScrollLeftEnd();
    void ScrollRightEnd();
    // The camera: a photo of what the room shows goes into the album.
    void Snap();
    // The present button, then paper, ribbon and bow chosen, the tag put on and read; the
    // wrapped gift waits on the table.
    void WrapHere(int paper, int ribbon, int bow);

    TLivingRoom& Living();
    TWrapRoom& Table();
    // Every room's record, written by the room itself.
    TRoomRecords Records();

private:
    void UseRunServices();
};

// A file's bytes, none when it cannot be read.
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);

// The resident memory of this process in kB (VmRSS), 0 where the system does not say.
long ResidentKilobytes();

}  // namespace house_day
