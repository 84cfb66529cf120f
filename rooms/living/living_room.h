#pragma once
// The living room (kind word LIVING): a wide room, 912 pixels, whose left end holds the tree
// of the tree room with the wrapped gifts under it, the album picture hung on the wall above
// the fireplace and the radio on the mantel; further right stand the wrapping table, the
// cuckoo clock with its pendulum, the album and the slate toy. A gift finished on the
// wrapping table is carried under the tree (at most 11, the oldest goes first); a click on
// one shows a copy of it full size in the show room. The clock shows the local time and its
// cuckoo calls the quarters and the hours; the radio cycles off, talk and music. Nothing of
// the room is saved: the gifts last until the program ends.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "foundation/typed_node_list.h"
#include "platform/clock.h"
#include "rooms/questions/wrapped_gifts.h"
#include "shell/aux_gfx_room.h"

class TGift;

class TLivingRoom : public TWideRoom, public TWrappedGiftCollector {
public:
    explicit TLivingRoom(std::string_view name);
    ~TLivingRoom() override;

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;
    void UpdateScrollButtons() override;

    // A finished gift on the wrapping table goes under the tree, an unwrapped one away; unless
    // forced, not while the room was entered from an activity with the view away from the
    // tree. The host's gift is made anew.
    void CollectWrappedGift(bool force) override;

    // --- State ---
    std::int32_t GiftCount() const;
    // Gift in slot n (1 = the oldest kept), or nullptr.
    const TGift* GiftInSlot(int slot) const;
    const TGift* HostGift() const { return FHostGift.get(); }
    bool ClockPresent() const { return FClockPresent; }
    bool RadioPresent() const { return FRadioPresent; }
    std::uint8_t RadioMode() const { return FRadioMode; }
    bool RadioLight() const { return FRadioLight; }
    std::uint16_t CallsLeft() const { return FCallsLeft; }
    std::uint16_t MinuteShown() const { return FMinuteShown; }
    std::uint16_t LastCuckooMinute() const { return FLastCuckooMinute; }
    bool CameFromActivity() const { return FCameFromActivity; }

private:
    // The TREE box and the gift boxes while the tree is in view, the radio while it stands
    // here, and every way to another room while that room exists.
    void UpdateRoomBoxes();
    // The local time; a new minute sets the calls the cuckoo owes to the hour.
    platform::TimeOfDay ReadClockMinute();
    void DrawClock(TAC8ImageData& view);
    void DrawRadio(TAC8ImageData& view);
    void RedrawRadio();
    void DrawGifts(TAC8ImageData& view);
    void CuckooStep();
    void OnClockTimer();
    void StartRadio();
    void SoundEnded(const std::string& entry);
    void MusicStopped();
    void Scroll(const std::string& script, const std::string& sender);
    void ShowGiftOf(const TGift* gift);
    void MakeHostGift();

    bool FBirdGoingOut = false;
    bool FRadioPresent = false;
    bool FClockPresent = true;
    std::uint16_t FLastCuckooMinute = 60;
    std::uint16_t FCallsLeft = 0;
    std::uint16_t FMinuteShown = 60;
    std::uint8_t FRadioMode = 0;
    bool FCameFromActivity = false;
    bool FRadioLight = false;
    TTypedNodeList<TGift> FGifts;
    std::unique_ptr<TGift> FHostGift;
};
