// Interim: the sound calls of the room framework until the sound module is merged.
#include "pending_sound.h"

void StopLoopedSounds() {}
void UnloadAllSounds() {}
void PlaySound(int) {}
bool LoopingSoundPlaying() { return false; }
void StopSongPlayer() {}
void PlayMusic(int) {}
void ProcessPendingMessages() {}
