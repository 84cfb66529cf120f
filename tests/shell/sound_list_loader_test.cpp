// The sound list file: what counts as a sound and how sounds are numbered.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/game_context.h"
#include "shell/sound_ids.h"
#include "shell/sound_list.h"
#include "shell/sound_list_loader.h"
#include "tests/support/game_harness.h"
#include "tests/support/temp_folder.h"

namespace {

std::vector<std::pair<std::string, std::int32_t>> Sounds(const TSoundList& list) {
    std::vector<std::pair<std::string, std::int32_t>> sounds;
    for (const auto* sound : NodesOf<TSoundInfoNode>(list)) sounds.emplace_back(sound->GetID(), sound->Number);
    return sounds;
}

TEST(SoundListLoader, CountsOnlyNamedLinesAndTakesTheFirstWordOfEach) {
    testing_support::TempFolder folder;
    folder.WriteText("sounds.txt",
                     "[Kitchen]\n"
                     "# oven and bell\n"
                     "oven\n"
                     "\n"
                     "   \n"
                     "  bell  the door bell, ding\n"
                     "Tap\tthe tap\n"
                     "[Living]\n"
                     "fire#1\n"
                     "last");
    TSoundList list;
    LoadSoundList(list, folder.Path());
    EXPECT_EQ(Sounds(list), (std::vector<std::pair<std::string, std::int32_t>>{
                                {"OVEN", 0}, {"BELL", 1}, {"TAP", 2}, {"FIRE#1", 3}, {"LAST", 4}}));
    EXPECT_EQ(list.SoundFileName(1), "BELL");

    // The record file holds the names alone, and gives the same list.
    std::filesystem::remove(folder.Path() / "sounds.txt");
    TSoundList again;
    LoadSoundList(again, folder.Path());
    EXPECT_EQ(Sounds(again), Sounds(list));
}

TEST(SoundListLoader, NoFilesGiveAnEmptyList) {
    testing_support::TempFolder folder;
    TSoundList list;
    LoadSoundList(list, folder.Path());
    EXPECT_EQ(list.Count(), 0);
}

TEST(SoundListLoader, TheGamePlaysTheWaveTheListNumbers) {
    // The harness's waves w0..w79 each have a size of their own, which tells the one played.
    testing_support::THarnessOptions options;
    options.LoadSoundList = [](TSoundList& list) { LoadSoundList(list); };
    testing_support::TGameHarness game(options);
    {
        std::ofstream sounds(game.Folder().Path() / "dat" / "sounds.txt");
        sounds << "[All the sounds]\n";
        for (int id = 0; id < 80; ++id) {
            if (id % 10 == 0) sounds << "\n# sounds from " << id << "\n";
            sounds << "w" << id << "  wave number " << id << "\n";
        }
    }
    game.Start();
    game.Context().PlaySound(11);
    EXPECT_EQ(game.SoundLog(), (std::vector<int>{RemapSoundId(11)}));
}

}  // namespace
