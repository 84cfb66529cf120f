#pragma once
// The jukebox close-up: ten song cartridges in a rack, the jukebox's slot and its button. A
// rack click puts a cartridge into the slot (the one there goes back first), the button plays
// or stops that cartridge's song. The end of any song sets the jukebox idle, wherever the
// child is. Nothing of it is saved: the cartridge and the idle flag last for the run.
#include <cstdint>

#include "rooms/questions/jukebox_idle.h"
#include "shell/aux_gfx_room.h"
#include "shell/music_ended.h"

inline constexpr std::uint8_t kNoCartridge = 255;
inline constexpr int kCartridgeCount = 10;

class TJukeboxRoom : public TAuxGfxRoom, public TSongIdleRoom, public TJukeboxIdleAnswer {
public:
    explicit TJukeboxRoom(std::string_view name);

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;

    // The slot shows idle (1) or playing (2) when the state changes; drawn only on screen.
    void SetIdle(bool idle) override;

    // 0 to 9, or kNoCartridge for an empty slot.
    std::uint8_t Cartridge() const { return FCartridge; }
    bool Idle() const override { return FIdle; }

    // Song number of each cartridge's carol.
    static std::int32_t SongOfCartridge(int cartridge);

private:
    void UpdateBoxes();
    // Draws cartridge n in the rack, or its empty place while it is in the slot.
    void DrawCartridge(TAC8ImageData& view, int n) const;
    void RedrawCartridge(int n);

    std::uint8_t FCartridge = kNoCartridge;
    bool FIdle = true;
};
