#pragma once
// A wave manager over the headless wave output, with a folder for its files and a record of
// every sound it reports ended (and what was playing at that moment). Shared by the tests of
// the wave manager and of the shell's sound routines.
#include <filesystem>
#include <string>
#include <vector>

#include "engine/sound/wave_man.h"
#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_wave_output.h"
#include "wave_builder.h"

namespace wavetest {

class THeadlessWaves {
protected:
    explicit THeadlessWaves(const std::string& folderName) : tempFolder(folderName) {
        waves.SetFolder(folder.string());
        waves.SetOnSoundEnded([this](std::uint16_t id) {
            ended.push_back(id);
            playingWhenEnded.push_back(waves.PlayingID());
        });
    }

    // The playing buffer reaches its end and the completion is delivered.
    void Finish() {
        output.CompleteOldest();
        queue.Drain();
    }

    TempFolder tempFolder;
    std::filesystem::path folder = tempFolder.Path();
    platform::EventQueue queue;
    platform::FakeClock clock;
    platform::HeadlessWaveOutput output{queue, clock};
    TWaveMan waves{output, true};
    std::vector<std::uint16_t> ended;
    std::vector<std::uint16_t> playingWhenEnded;
};

}  // namespace wavetest
