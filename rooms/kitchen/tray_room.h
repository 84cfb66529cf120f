#pragma once
// The tray room (kind word TRAY): the baked tray taken out of the oven, close up. It shows
// the kitchen's machine tray; SNAP keeps a photo of it and WRAP makes it a gift.
#include <string>
#include <string_view>

#include "shell/room.h"

class TTrayRoom : public TRoom {
public:
    explicit TTrayRoom(std::string_view name);

    // SNAP and WRAP are offered while the tray holds a cookie (a tray already wrapped
    // leaves nothing to photograph or to give).
    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;

private:
    void UpdateSnapWrap();
};
