#pragma once
// Room kinds that activity rooms build on: a room with one extra picture (a sheet of pieces
// the room draws from), and a room wider than the view that scrolls between its two ends.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/graphics/picture_handles.h"
#include "room.h"

class TAC8ImageData;
class TImageNode;

class TAuxGfxRoom : public TRoom {
public:
    using TRoom::TRoom;
    ~TAuxGfxRoom() override;

    // Loads the aux picture unless it is loaded; room flag 0x0004 turns it upside down too.
    void Enter(const std::string& fromRoom) override;
    // Releases the aux picture after the inherited leaving.
    void Leave() override;

    const std::string& GetAuxImageName() const { return FAuxImageName; }
    // The aux sheet while the room is entered, else nullptr.
    TAC8ImageData* AuxImage() const { return FAuxPicture.Get(); }

protected:
    // Set by the subclass constructor (cut to 8 characters).
    void SetAuxImageName(std::string_view name) { FAuxImageName = std::string(name.substr(0, 8)); }
    void ReleaseAuxImage();

private:
    std::string FAuxImageName;
    // Empty once the library has gone: a library closed first leaves nothing to release.
    TPictureHandle FAuxPicture;
};

// Scroll timers: each repeats one step of 50 pixels on the next tick.
inline constexpr std::uint8_t kScrollLeftTimer = TimerCodeValue(TTimerCode::GoLeftEnd);
inline constexpr std::uint8_t kScrollRightTimer = TimerCodeValue(TTimerCode::GoRightEnd);
inline constexpr std::int32_t kScrollStep = 50;

// A room whose picture is wider than the view. Its constructor sets the width; the init
// script gives it the room-script boxes "GO_L_END" and "GO_R_END". One click scrolls the whole
// way to the other end, a step a tick, so the room rests only at its two ends.
class TWideRoom : public TAuxGfxRoom {
public:
    using TAuxGfxRoom::TAuxGfxRoom;

    // The scroll offset is kept across visits; whether the room rests at its left end is
    // derived from it.
    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    // "GO_L_END" is enabled away from the left end, "GO_R_END" at it; a missing box raises
    // the 1350 message.
    virtual void UpdateScrollButtons();

    bool AtLeftEnd() const { return FAtLeftEnd; }

private:
    bool FAtLeftEnd = true;
};
