#include "tests/random_play/record_check.h"

#include <exception>
#include <vector>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "shell/game_context.h"
#include "shell/init_script.h"
#include "shell/room.h"
#include "shell/strings/game_string.h"
#include "shell/world.h"
#include "tests/support/quiet_world_window.h"
#include "tests/support/record_framing.h"

namespace random_play {

std::string CheckRoomRecords(TWorld& playing, const std::filesystem::path& dataFolder) {
    TQuietWindow window;
    TAC8Library library;
    library.Open(dataFolder / Utf16ToUtf8(GameString(GameStringMainLibraryFile)));
    // The next start's world asks the program the same things; its pictures and random
    // numbers are its own.
    TGameContext context;
    context.SetLibrary(&library);
    context.SetServices(playing.Context().Services());
    TConfig config;
    std::string faults;
    {
        // The second world is never opened for a player, so its end writes no saved game.
        TWorld next(window, context, config);
        try {
            LoadGameScript(next, dataFolder);
        } catch (const std::exception& e) {
            library.Close();
            return std::string("the init script does not load a second time: ") + e.what() + "\n";
        }
        std::vector<TRoom*> fresh;
        for (auto* room : NodesOf<TRoom>(next.Rooms())) fresh.push_back(room);
        std::size_t index = 0;
        for (auto* room : NodesOf<TRoom>(playing.Rooms())) {
            if (index >= fresh.size()) {
                faults += room->GetID() + ": the script built no room in its place\n";
                break;
            }
            TRoom& other = *fresh[index++];
            std::string why;
            if (other.GetID() != room->GetID())
                why = "the script built " + other.GetID() + " in its place";
            else
                try {
                    why = testing_support::CheckRoomRecordFraming(*room, other);
                } catch (const std::exception& e) {
                    why = std::string("writing the record failed: ") + e.what();
                }
            if (!why.empty()) faults += room->GetID() + ": " + why + "\n";
        }
    }
    library.Close();
    return faults;
}

}  // namespace random_play
