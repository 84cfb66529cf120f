#include "bed_room.h"
#include "dark_room_words.h"
#include "shell/game_services.h"
#include "engine/sound/midi_player.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/game_context.h"

namespace {
constexpr std::uint8_t kMusicTimer = TimerCodeValue(TTimerCode::Music);      // "MUSIC": start the lullaby if all is quiet
constexpr std::uint8_t kAnimateTimer = TimerCodeValue(TTimerCode::Animate);  // "ANIMATE": the night light blinks
constexpr std::int32_t kLullaby = 13;
constexpr std::int32_t kSoundLampSwitch = 30;

// The tag of the song asked for last; -1 (silence) without a song player.
std::int32_t CurrentSongTag(const TGameServices& services) {
    const TMidiPlayer* songs = services.Songs;
    return songs != nullptr ? songs->CurrentTag() : -1;
}
}  // namespace

using namespace dark_room_words;

TDarkRoom::TDarkRoom(std::string_view name) : TRoom(name) {
    Flags = static_cast<std::uint16_t>((Flags & ~(kRoomSnapOffered | kRoomWrapOffered)) | kRoomNoNavigation);
}

void TDarkRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    if (CurrentSongTag(GameServices()) <= 0) AddTimer(kMusicTimer, 10);
    FSongStarted = false;
    AddTimer(kAnimateTimer, 10);
}

void TDarkRoom::Leave() {
    // Only the lullaby this room started ends with the visit; the schedule goes with it, so
    // no late end of it reaches a later visit.
    if (FSongStarted) World().StopMusic();
    FSongStarted = false;
    TRoom::Leave();
}

void TDarkRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == kBlinkTimer) {
        ShowFrame(kLamp, FrameOf(kLamp) == 0 ? 1 : 0);
        AddTimer(kAnimateTimer, 2 + Random(10));
    } else if (sender == kLamp) {
        PlaySound(kSoundLampSwitch);
        World().GoRoom(kBedroom);
    } else if (sender == kLullabyTimer) {
        if (CurrentSongTag(GameServices()) == -1) {
            World().PlayMusic(kLullaby);
            FSongStarted = true;
        }
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else {
        TRoom::RunScript(script, sender);
    }
}
