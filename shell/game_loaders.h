#pragma once
// The game's content loaders as the main window calls them: the sound list from the sounds
// file, the rooms from the init script, both in the data folder, and the cursors from the
// main library. The program and the test of its start use the same set.
struct TFormQEServices;
class TSoundList;
class TWorld;

void LoadGameSoundList(TSoundList& list);
void BuildGameRooms(TWorld& world);
// Sets the window's loaders to the game's own.
void UseGameLoaders(TFormQEServices& services);
