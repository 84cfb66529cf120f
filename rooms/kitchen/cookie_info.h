#pragma once
// A baking tray as an album snapshot (kind 3): the six cookie records as they lay on the
// tray when the photo was taken.
#include <cstdint>
#include <memory>

#include "rooms/album/snapshot_kinds.h"
#include "rooms/kitchen/cookie.h"

class TRoomWorld;

inline constexpr std::uint8_t kCookieSnapshotKind = 3;

class TCookieInfo final : public TSnapshot {
public:
    TCookieInfo() = default;
    explicit TCookieInfo(const TCookieTray& tray) : Cookies(tray) {}
    // The 24 bytes of the tray; damage raises "Saved game is damaged.".
    void LoadFromStream(TStream& s) { ReadCookieTray(s, Cookies); }
    void SaveToStream(TStream& s) const { WriteCookieTray(s, Cookies); }

    TCookieTray Cookies{};
};

// The album's drawing of a tray snapshot into rect of the surface.
void DrawCookieInfo(const TCookieInfo& info, TAC8ImageData& surface, const TRect& rect, TAC8Library* library);
// A copy of the tray goes to the album of the house; false when there is none to take it.
bool HandTrayToAlbum(TRoomWorld& world, const TCookieTray& tray);
// Puts kind 3 into the album's table of snapshot kinds.
void RegisterCookieSnapshotKind();
