#pragma once
// The game's content loaders as the main window calls them: the sound list from the sounds
// file and the rooms from the init script, both in the data folder.
class TSoundList;
class TWorld;

void LoadGameSoundList(TSoundList& list);
void BuildGameRooms(TWorld& world);
