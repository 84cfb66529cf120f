#include "sound_effects.h"

#include <string>

#include "engine/sound/wave_man.h"
#include "shell/sound_ids.h"
#include "shell/sound_list.h"

namespace {

TWaveMan* gWaveMan = nullptr;
const TSoundList* gSoundList = nullptr;

std::string FileNameOf(std::uint8_t waveId) {
    return gSoundList != nullptr ? gSoundList->SoundFileName(waveId) : std::string();
}

}  // namespace

void InstallSoundObjects(TWaveMan* waveMan, const TSoundList* soundList) {
    gWaveMan = waveMan;
    gSoundList = soundList;
}

void PlaySound(std::int32_t soundId) {
    PlaySoundEx(soundId, kSoundOneShot, kModeOrdinary, false);
}

void PlaySoundIfIdle(std::int32_t soundId) {
    if (gWaveMan == nullptr) return;
    const std::uint8_t wave = RemapSoundId(soundId);
    if (gWaveMan->PlayingID() == wave) return;
    PlaySoundEx(soundId, kSoundOneShot, kModeAmbientLoop, true);
}

void PlaySoundEx(std::int32_t soundId, std::uint8_t loadFlags, std::uint32_t mode, bool loop) {
    if (gWaveMan == nullptr) return;
    const std::uint8_t wave = RemapSoundId(soundId);
    if (gWaveMan->Load(FileNameOf(wave), WaveManIdOf(wave), loadFlags))
        gWaveMan->Play(WaveManIdOf(wave), mode, loop);
}

void StopCurrentSound() {
    if (gWaveMan != nullptr) gWaveMan->StopCurrent();
}

void StopLoopedSounds() {
    if (gWaveMan != nullptr) gWaveMan->StopLoops();
}

void UnloadAllSounds() {
    if (gWaveMan != nullptr) gWaveMan->UnloadAll();
}

bool LoopingSoundPlaying() { return gWaveMan != nullptr && gWaveMan->IsLooping(); }
