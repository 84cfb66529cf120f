#pragma once
// The doll room (kind word DOLL, room "DOLLS"): a little theatre where the child dresses a
// doll. Sixteen pickers ("T1".."T4" torsos, "H1".."H4" heads, "A1".."A4" arms, "L1".."L4"
// legs) choose the body; a drawer of thirteen accessories ("R1".."R6" robes, "X1" the bow,
// "C1".."C6" caps), revealed one by one when it opens, dresses it in up to three of them.
// The curtains open on entry; a complete doll sings when clicked and may be photographed or
// wrapped as a present. The doll lives for the run only: it is not in the saved game.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/graphics/picture_handles.h"
#include "rooms/dolls/doll.h"
#include "rooms/questions/doll_parts.h"
#include "shell/aux_gfx_room.h"

inline constexpr int kDrawerItemCount = 13;
// The doll's origin on the stage.
inline constexpr TPoint kStageDollOrigin{207, 138};

class TDollRoom : public TAuxGfxRoom, public TDollPartsAnswer {
public:
    explicit TDollRoom(std::string_view name);
    ~TDollRoom() override;

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    TDollPartChoices CurrentDollParts() const override;

    const TDoll& Doll() const { return *FDoll; }
    bool DrawerOpen() const { return FDrawerOpen; }
    // 0 closed, 1 opening, 2 open.
    int CurtainStep() const { return FCurtainStep; }
    // The drawer's items by order number (1 to 6 robes, 7 to 12 caps, 13 the bow) in the
    // order this opening reveals them.
    const std::array<std::uint8_t, kDrawerItemCount>& RevealOrder() const { return FRevealOrder; }

    // Where the stage and its curtains lie in the view: what a change of the doll redraws.
    static TRect StageArea();

private:
    void ToggleDrawer();
    void CloseDrawer();
    void RevealNext();
    void PickPart(const std::string& sender);
    void WearItem(char kind, const std::string& sender);
    void Sing();
    void ResetDoll();
    void FollowCompleteness();
    void RedrawStage();
    // The room named, or back the way the child came while the house has no such room.
    void LeaveTo(const std::string& room);

    std::unique_ptr<TDoll> FDoll;
    TPictureHandle FCurtains;
    bool FDrawerOpen = false;
    std::array<std::uint8_t, kDrawerItemCount> FRevealOrder{};
    int FNextReveal = 0;
    int FCurtainStep = 0;
};

// The name of the drawer item by its order number 1 to 13 ("R1".."R6", "C1".."C6", "X1");
// empty for another number.
std::string DrawerItemName(int order);
