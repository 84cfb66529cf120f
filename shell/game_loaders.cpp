#include "shell/game_loaders.h"

#include "shell/form_qe.h"
#include "shell/game_cursors.h"
#include "shell/init_script.h"
#include "shell/sound_list_loader.h"

void LoadGameSoundList(TSoundList& list) { LoadSoundList(list); }

void BuildGameRooms(TWorld& world) { LoadGameScript(world); }

void UseGameLoaders(TFormQEServices& services) {
    services.LoadSoundList = LoadGameSoundList;
    services.BuildRooms = BuildGameRooms;
    services.LoadCursors = [](platform::GameWindow& window, TAC8Library& library) { LoadGameCursors(window, library); };
}
