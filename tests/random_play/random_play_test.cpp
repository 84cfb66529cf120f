// The built game played at random for a long while: every room of the house, every button
// and key, sounds and songs ending at any moment. A run fails at the first box that should
// not show, an exception that leaves the game, a cursor the game has not, a room record that
// does not read back as written, or a crash or leak (the sanitizer build). The seed is
// printed; ZORVIK_RANDOM_PLAY_SEED replays a run and ZORVIK_RANDOM_PLAY_TICKS sets its length
// (CTest sets the length from the CMake variable of the same name: shorter under the
// sanitizers).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <iterator>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "platform/headless/fake_clock.h"
#include "shell/game_cursors.h"
#include "shell/game_context.h"
#include "shell/game_services.h"
#include "shell/room.h"
#include "shell/world.h"
#include "tests/random_play/question_answers.h"
#include "tests/random_play/random_child.h"
#include "tests/random_play/record_check.h"
#include "tests/support/built_room_game.h"

namespace {

constexpr std::uint32_t kDefaultSeed = 20261209;
constexpr long kDefaultTicks = 100000;
// How often the rooms' records are written and read back.
constexpr long kTicksBetweenRecordChecks = 2500;
constexpr std::size_t kLogLines = 40;
constexpr std::int64_t kTickMs = 55;

// No cursor, the default arrow, or one of the game's own pictures.
bool KnownCursor(std::int16_t cursor) {
    if (cursor == -1 || cursor == 0) return true;
    return std::find(std::begin(kCursorLoadOrder), std::end(kCursorLoadOrder), cursor) != std::end(kCursorLoadOrder);
}

long EnvironmentNumber(const char* name, long otherwise) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == 0) return otherwise;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return end != nullptr && *end == 0 && value >= 0 ? value : otherwise;
}

std::uint32_t RunSeed() { return std::uint32_t(EnvironmentNumber("ZORVIK_RANDOM_PLAY_SEED", kDefaultSeed)); }
long RunTicks() { return EnvironmentNumber("ZORVIK_RANDOM_PLAY_TICKS", kDefaultTicks); }

class RandomPlay : public testing_support::BuiltRoomGame {
protected:
    RandomPlay() : BuiltRoomGame(RunSeed()) {}

    long TicksPlayed() const { return long((Game->Clock().NowMs() - FStartMs) / kTickMs); }
    void StartClock() { FStartMs = Game->Clock().NowMs(); }

    // The kind of a move for the tally: its words up to the first with a digit or a colon.
    static std::string KindOf(const std::string& what) {
        std::string kind;
        std::size_t at = 0;
        while (at < what.size()) {
            const std::size_t end = std::min(what.find(' ', at), what.size());
            const std::string word = what.substr(at, end - at);
            if (word.find_first_of("0123456789:") != std::string::npos) break;
            kind += (kind.empty() ? "" : " ") + word;
            at = end + 1;
        }
        if (what.rfind("click ", 0) == 0 && what.rfind("click at ", 0) != 0) kind = "click on a box";
        if (what.find("does not take") != std::string::npos) kind += " (refused)";
        return kind;
    }

    void Note(const std::string& what) {
        ++Tally[KindOf(what)];
        Log.push_back(std::to_string(TicksPlayed()) + " " + Game->RoomName() + ": " + what);
        if (Log.size() > kLogLines) Log.pop_front();
    }
    std::string LogText() const {
        std::string text;
        for (const auto& line : Log) text += "  " + line + "\n";
        return text;
    }

    // Where the child went and what it did, for the test's output.
    void Report(const random_play::TRandomChild& child, const random_play::TQuestionAnswers& answers,
                const std::set<std::string>& visited, std::size_t deepestStack) {
        std::cout << "random play visited " << visited.size() << " rooms:";
        for (const auto& room : visited) std::cout << " " << room;
        std::cout << "\n  never:";
        for (auto* room : NodesOf<TRoom>(Game->World().Rooms()))
            if (visited.count(room->GetID()) == 0) std::cout << " " << room->GetID();
        std::cout << "\n  " << answers.QuestionsAsked() << " questions answered, " << child.Restarts()
                  << " restarts, return stack at most " << deepestStack << " deep; walks arrived/set out:";
        for (const auto& [room, walks] : child.Walks()) std::cout << " " << room << " " << walks.Arrived << "/" << walks.Tries;
        std::cout << "\n  cursors:";
        for (int c : Cursors) std::cout << " " << c;
        std::cout << "\n  moves:";
        for (const auto& [kind, count] : Tally) std::cout << " " << kind << " " << count << ";";
        std::cout << std::endl;
    }

    std::deque<std::string> Log;
    std::map<std::string, int> Tally;
    std::set<int> Cursors;

private:
    std::int64_t FStartMs = 0;
};

TEST_F(RandomPlay, EveryRoomOfTheHousePlaysWithoutAFault) {
    const std::uint32_t seed = RunSeed();
    const long ticks = RunTicks();
    std::cout << "random play: seed " << seed << ", " << ticks << " ticks (ZORVIK_RANDOM_PLAY_SEED=" << seed
              << " replays it)" << std::endl;
    SCOPED_TRACE("random play seed " + std::to_string(seed) + " (set ZORVIK_RANDOM_PLAY_SEED to replay)");

    StartGame();
    ASSERT_EQ(Shown(), "") << "the built game starts without a message";
    // The rooms ask the song player what plays, as in the game: it is the running session's.
    const auto installServices = [this] {
        Game->Context().SetServices(TGameServices{&Config, &Game->SongPlayer(), nullptr, &Printers});
    };
    installServices();
    random_play::TRandomChild child(*Game, seed, [&] {
        Game->Restart();
        installServices();
    });
    random_play::TQuestionAnswers answers([&child] { return child.OneIn(2); });
    const std::filesystem::path dat = Game->Folder().Path() / "dat";

    std::set<std::string> visited{Game->RoomName()};
    long nextCheck = kTicksBetweenRecordChecks;
    // Besides the walks it takes by chance, the child sets out for every room a few times
    // however short the run.
    const long walkEvery = std::max<long>(50, ticks / long(3 * std::max<std::size_t>(1, child.Ways().size())));
    long nextWalk = walkEvery;
    StartClock();
    std::string fault;
    std::size_t deepest = 0;
    // One move of the child and the ticks after it; what went wrong, or nothing.
    const auto move = [&]() -> std::string {
        if (TicksPlayed() >= nextWalk) {
            nextWalk += walkEvery;
            Note(child.WalkTo());
        } else {
            Note(child.Act());
        }
        if (Game->Running()) visited.insert(Game->RoomName());
        Game->Tick(child.Below(4));
        if (!Game->Running()) return "the game ended by itself";
        if (!answers.Faults().empty()) return "a message box showed: " + answers.Faults().front();
        if (HasFailure()) return "a move the harness refused";
        if (Game->HasFlag(kWorldQuit)) {
            // The window would close and the child start the game again.
            Note("the game quits and starts again");
            child.Restart();
        }
        visited.insert(Game->RoomName());
        deepest = std::max(deepest, Game->Stack().size());
        const std::int16_t cursor = Game->ViewCursor();
        Cursors.insert(cursor);
        if (!KnownCursor(cursor)) return "the play area shows cursor " + std::to_string(cursor) + ", which the game has not";
        if (TicksPlayed() >= nextCheck) {
            nextCheck += kTicksBetweenRecordChecks;
            const std::string records = random_play::CheckRoomRecords(Game->World(), dat);
            if (!records.empty()) return "room records do not read back:\n" + records;
            if (!answers.Faults().empty()) return "a message box showed: " + answers.Faults().front();
        }
        return {};
    };
    while (TicksPlayed() < ticks && fault.empty()) {
        try {
            fault = move();
        } catch (const std::exception& e) {
            fault = std::string("an exception left the game: ") + e.what();
        }
    }
    if (fault.empty() && Game->Running()) {
        const std::string records = random_play::CheckRoomRecords(Game->World(), dat);
        if (!records.empty()) fault = "room records do not read back:\n" + records;
    }
    if (fault.empty()) {
        // The end of the game saves it; the next start reads it back without a word.
        child.Restart();
        Game->Tick(1);
        if (!answers.Faults().empty()) fault = "a message box showed at the restart: " + answers.Faults().front();
    }
    ASSERT_EQ(fault, "") << "after " << TicksPlayed() << " ticks in " << Game->RoomName() << "; the last moves:\n"
                         << LogText();

    Report(child, answers, visited, deepest);
    // Every room behind the house's doors is reached unless its door stayed shut each time.
    for (const auto& [room, way] : child.Ways()) {
        const auto walks = child.Walks().count(room) != 0 ? child.Walks().at(room) : random_play::TWalks{};
        EXPECT_GT(walks.Tries, 0) << "random play never set out for " << room;
        if (walks.Tries > 0 && walks.Shut < walks.Tries) {
            EXPECT_GT(walks.Arrived, 0) << "random play never reached " << room << " in " << walks.Tries << " walks";
        }
    }
}

}  // namespace
