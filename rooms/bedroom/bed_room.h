#pragma once
// The bedroom: a room full of things that answer a click. The blind rolls up and down, the
// lamp flickers, the coat falls off its hook, the watering can waters the flower, four
// drawers hide toys that pop up, a pair of red socks hops out of the bottom drawer, the pail
// tips over, the book opens the credits, the door lets the child out into the house, and the
// jukebox (with the cartridge that is in it) leads to its close-up. With the blind down and
// the lamp off, the game goes to the dark room. Nothing is saved: the frames keep their
// state for the run.
#include <cstdint>

#include "shell/aux_gfx_room.h"

class TBedRoom : public TAuxGfxRoom {
public:
    explicit TBedRoom(std::string_view name);

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;

    // The door stands open (the way out, and the jukebox room's navigation, follow it).
    bool IsDoorOpen() const;
    bool Carrying() const { return FCarrying; }
    bool JukeboxAway() const { return FJukeboxAway; }
    std::int32_t BlindSteps() const { return FBlindSteps; }

private:
    void UpdateBoxes();
    void ArticleFollowsDrawer(int drawer);
    void RaiseBlindStep();
    void LowerBlindStep();
    void SwitchLamp();
    void CarryOrPutDown(const std::string& sender);
    void ToggleDrawer(int drawer);
    void RedsUp();
    void RedsDown();
    void AnimateArticle(int drawer);
    void Toggle(const std::string& frameSetName);
    void GoDark();

    std::int32_t FBlindSteps = 0;
    bool FJukeboxAway = false;
    bool FCarrying = false;
};

// The dark room: the bedroom at night, a night light blinking, and a lullaby when no song
// plays. A click on the lamp, or the end of that lullaby, switches the light back on.
class TDarkRoom : public TRoom {
public:
    explicit TDarkRoom(std::string_view name);

    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;

    bool SongStarted() const { return FSongStarted; }

private:
    bool FSongStarted = false;
};
