#pragma once
// The shell's sound routines: rooms ask for an effect by sound id, these turn it into a wave
// file through the remap table and the sound list and hand it to the wave manager with a
// play mode. Nothing here raises: a missing name, a failed load or a refused play simply
// plays nothing.
#include <cstdint>

class TSoundList;
class TWaveMan;

// The program-wide objects the routines use; installed by the main window at start and by
// tests. Not owned; nullptr silences every routine.
void InstallSoundObjects(TWaveMan* waveMan, const TSoundList* soundList);

// An ordinary effect: interrupts a loop (which resumes afterwards) or waits behind a sound.
void PlaySound(std::int32_t soundId);
// A looping sound that is not restarted while it plays.
void PlaySoundIfIdle(std::int32_t soundId);
// A sound with the caller's own load flags, play mode and loop flag.
void PlaySoundEx(std::int32_t soundId, std::uint8_t loadFlags, std::uint32_t mode, bool loop);
void StopCurrentSound();
// Stops the playing sound if it loops and unloads every looping sound (a room leaving).
void StopLoopedSounds();
// Unloads every sound; a playing one is freed when its completion arrives.
void UnloadAllSounds();
// Whether the wave sound playing is a looping one (a say box keeps quiet then).
bool LoopingSoundPlaying();
