#include "shell/game_loaders.h"

#include "shell/init_script.h"
#include "shell/sound_list_loader.h"

void LoadGameSoundList(TSoundList& list) { LoadSoundList(list); }

void BuildGameRooms(TWorld& world) { LoadGameScript(world); }
