#pragma once
// The title screen: its picture with the gift label written on a plate, and a cycle of four
// songs with pauses between them while it is shown (the cycle runs on through all four only
// under the ID "GIFT", the one room the end of a song is reported to).
#include <cstdint>
#include <string>

#include "room.h"
#include "world_room_roles.h"

// Timer code of the song cycle (its word is DELAY).
inline constexpr std::uint8_t kFrontDelayTimer = TimerCodeValue(TTimerCode::Delay);

class TFrontRoom : public TRoom, public TTutorRoleRoom {
public:
    // No navigation, full frame; neither SNAP nor WRAP offered.
    explicit TFrontRoom(std::string_view name);

    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawPicture(TAC8ImageData& view) override;
    TTutorRole GetTutorRole() const override { return TTutorRole::FrontRoom; }

    std::uint8_t CycleCounter() const { return FCycleCounter; }

private:
    void DrawLabelPlate(TAC8ImageData& view);

    std::uint8_t FCycleCounter = 0;
};

// The label as the plate shows it: cut character by character from its end until it is at
// most 149 pixels wide in the font.
std::u16string FitGiftLabel(const class TAC8Font& font, std::u16string label);
