#include <string>

#include "engine/sound/wave_man.h"
#include "shell/game_context.h"
#include "shell/sound_ids.h"
#include "shell/sound_list.h"

void TGameContext::SetSoundObjects(TWaveMan* waveMan, const TSoundList* soundList) {
    FWaveMan = waveMan;
    FSoundList = soundList;
}

void TGameContext::PlaySound(std::int32_t soundId) { PlaySoundEx(soundId, kSoundOneShot, kModeOrdinary, false); }

void TGameContext::PlaySoundIfIdle(std::int32_t soundId) {
    if (FWaveMan == nullptr) return;
    const std::uint8_t wave = RemapSoundId(soundId);
    if (FWaveMan->PlayingID() == wave) return;
    PlaySoundEx(soundId, kSoundOneShot, kModeAmbientLoop, true);
}

void TGameContext::PlaySoundEx(std::int32_t soundId, std::uint8_t loadFlags, std::uint32_t mode, bool loop) {
    if (FWaveMan == nullptr) return;
    const std::uint8_t wave = RemapSoundId(soundId);
    const std::string file = FSoundList != nullptr ? FSoundList->SoundFileName(wave) : std::string();
    if (FWaveMan->Load(file, WaveManIdOf(wave), loadFlags)) FWaveMan->Play(WaveManIdOf(wave), mode, loop);
}

void TGameContext::StopCurrentSound() {
    if (FWaveMan != nullptr) FWaveMan->StopCurrent();
}

void TGameContext::StopLoopedSounds() {
    if (FWaveMan != nullptr) FWaveMan->StopLoops();
}

void TGameContext::UnloadAllSounds() {
    if (FWaveMan != nullptr) FWaveMan->UnloadAll();
}

bool TGameContext::LoopingSoundPlaying() const { return FWaveMan != nullptr && FWaveMan->IsLooping(); }
