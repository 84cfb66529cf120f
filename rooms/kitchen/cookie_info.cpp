#include "rooms/kitchen/cookie_info.h"

namespace {

void DrawCookieKind(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    DrawCookieInfo(static_cast<TCookieInfo&>(snapshot), surface, rect, &library);
}

std::unique_ptr<TSnapshot> ReadCookieKind(TStream& s) {
    auto info = std::make_unique<TCookieInfo>();
    info->LoadFromStream(s);
    return info;
}

void WriteCookieKind(const TSnapshot& snapshot, TStream& s) {
    static_cast<const TCookieInfo&>(snapshot).SaveToStream(s);
}

}  // namespace

void DrawCookieInfo(const TCookieInfo& info, TAC8ImageData& surface, const TRect& rect, TAC8Library* library) {
    DrawCookieTray(info.Cookies, surface, rect, library);
}

bool HandTrayToAlbum(TRoomWorld& world, const TCookieTray& tray) {
    return HandSnapshotToAlbum(world, std::make_unique<TCookieInfo>(tray), kCookieSnapshotKind);
}

void RegisterCookieSnapshotKind() {
    TSnapshotKind kind;
    kind.Kind = kCookieSnapshotKind;
    kind.Thumbnail = {200, 138};
    kind.Full = {432, 298};
    kind.Hung = {103, 71};
    kind.Draw = &DrawCookieKind;
    kind.Read = &ReadCookieKind;
    kind.Write = &WriteCookieKind;
    RegisterSnapshotKind(kind);
}
