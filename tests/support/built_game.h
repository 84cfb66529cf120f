#pragma once
// The game folder the content build made, played through the headless game: its image
// library, and its rooms built by the real init-script loader from its init script.
#include <filesystem>

#include "tests/support/game_harness.h"

namespace testing_support {

THarnessOptions BuiltGameOptions(const std::filesystem::path& dat);

// The form in which the built init script goes into the test's game folder: its record file
// alone (exactly what the content build wrote, not one the loader makes again from the
// text), or its text alone (the loader writes the record file as the game does).
enum class TBuiltScript { RecordFile, Text };
void InstallBuiltScript(TGameHarness& game, const std::filesystem::path& dat, TBuiltScript form);

}  // namespace testing_support
