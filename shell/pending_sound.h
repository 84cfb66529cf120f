#pragma once
// Interim: the sound calls of the room framework until the sound module is merged.
void StopLoopedSounds();
void UnloadAllSounds();
void PlaySound(int soundId);
bool LoopingSoundPlaying();
void StopSongPlayer();
void PlayMusic(int song);
void ProcessPendingMessages();
