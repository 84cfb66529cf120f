#include "rooms/album/snapshot_kinds.h"

#include <array>
#include <optional>
#include <stdexcept>

#include "rooms/album/album_room.h"
#include "rooms/album/album_room_words.h"
#include "shell/room_world.h"

namespace {
// Kinds 0 to 5 and 11; 6 to 10 were never made.
constexpr std::uint8_t kLastKind = 11;

std::array<std::optional<TSnapshotKind>, kLastKind + 1>& Table() {
    static std::array<std::optional<TSnapshotKind>, kLastKind + 1> table;
    return table;
}
}  // namespace

bool IsSnapshotKindNumber(std::uint8_t kind) { return kind <= 5 || kind == kLastKind; }

void RegisterSnapshotKind(const TSnapshotKind& kind) {
    if (!IsSnapshotKindNumber(kind.Kind)) throw std::invalid_argument("no such snapshot kind");
    if (kind.Draw == nullptr || kind.Read == nullptr || kind.Write == nullptr)
        throw std::invalid_argument("a snapshot kind needs its drawing, reading and writing");
    if (kind.Thumbnail.Width <= 0 || kind.Thumbnail.Height <= 0 || kind.Full.Width <= 0 || kind.Full.Height <= 0 ||
        kind.Hung.Width <= 0 || kind.Hung.Height <= 0 || kind.WidePrintShare <= 0 ||
        kind.WidePrintShareOf < kind.WidePrintShare)
        throw std::invalid_argument("a snapshot kind needs its sizes");
    Table()[kind.Kind] = kind;
}

const TSnapshotKind* FindSnapshotKind(std::uint8_t kind) {
    if (kind > kLastKind || !Table()[kind]) return nullptr;
    return &*Table()[kind];
}

void UnregisterSnapshotKind(std::uint8_t kind) {
    if (kind <= kLastKind) Table()[kind].reset();
}

bool HandSnapshotToAlbum(TRoomWorld& world, std::unique_ptr<TSnapshot> snapshot, std::uint8_t kind) {
    auto* album = dynamic_cast<TAlbumRoom*>(world.FindRoom(album_room_words::kAlbumRoom));
    if (album == nullptr || snapshot == nullptr || FindSnapshotKind(kind) == nullptr) return false;
    album->AddPicture(std::move(snapshot), kind);
    return true;
}
