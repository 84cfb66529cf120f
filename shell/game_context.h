#pragma once
// TGameContext: the program-wide objects of one game, which rooms reach through the world
// that holds them: the image library, what rooms ask of the program (the child's
// configuration, the song player and the wave manager, the printers, the clock), the sound
// routines, the random numbers and the size of the play area's view picture. The main window
// builds one for the program and the test harness one for each test game; nothing of it is a
// global, so two games never share it. Nothing here is owned but the generator and the view
// size: whoever builds the context keeps the objects alive while it points at them.
#include <cstdint>

#include "platform/random.h"
#include "shell/game_services.h"
#include "shell/view_size.h"

class TAC8Library;
class TSoundList;
class TWaveMan;

class TGameContext {
public:
    TGameContext() = default;
    TGameContext(const TGameContext&) = delete;
    TGameContext& operator=(const TGameContext&) = delete;

    // --- The image library the view picture and the rooms' pictures come from ---
    TAC8Library* Library() const { return FLibrary; }
    void SetLibrary(TAC8Library* library) { FLibrary = library; }

    // --- What rooms ask of the program; a missing object reads as nullptr ---
    const TGameServices& Services() const { return FServices; }
    void SetServices(const TGameServices& services) { FServices = services; }

    // --- The sound routines ---
    // Rooms ask for an effect by sound id; the routines turn it into a wave file through the
    // remap table and the sound list and hand it to the wave manager with a play mode. Nothing
    // here raises: a missing name, a failed load or a refused play simply plays nothing, and
    // without a wave manager every routine is silent.
    void SetSoundObjects(TWaveMan* waveMan, const TSoundList* soundList);
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
    bool LoopingSoundPlaying() const;

    // --- Random numbers: one generator for every choice of the game ---
    platform::RandomNumbers& RandomNumbers() { return FRandom; }
    // Uniform over 0 .. range - 1; a range of 0 or below gives 0.
    std::int32_t Random(std::int32_t range) { return FRandom.Next(range); }

    // --- The play area's view picture: 512 by 320, or 514 by 322 while a full-frame room is
    // shown. The world changes it; rooms read it (scrolling keeps the view inside the room's
    // picture). ---
    std::int32_t ViewWidth() const { return FViewWidth; }
    std::int32_t ViewHeight() const { return FViewHeight; }
    void SetViewSize(std::int32_t width, std::int32_t height) {
        FViewWidth = width;
        FViewHeight = height;
    }

private:
    TAC8Library* FLibrary = nullptr;
    TGameServices FServices;
    TWaveMan* FWaveMan = nullptr;
    const TSoundList* FSoundList = nullptr;
    platform::RandomNumbers FRandom;
    std::int32_t FViewWidth = kNormalViewWidth;
    std::int32_t FViewHeight = kNormalViewHeight;
};
