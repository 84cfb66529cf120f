#pragma once
// The photo album: every snapshot the child took, two facing pages at a time. The child
// leafs through it, picks the left or right picture, deletes it (Shift and Delete), hangs it
// on the living-room wall, prints it full size or as a folded card. The pictures and the hung
// picture are kept in the saved game.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "foundation/node_list.h"
#include "platform/printers.h"
#include "rooms/album/snapshot_kinds.h"
#include "shell/room.h"
#include "shell/world_room_roles.h"

class THotImage;
class TConfig;

// One picture of the album: the snapshot (owned) and its kind.
class TPicNode : public TVekNode {
public:
    TPicNode(std::unique_ptr<TSnapshot> snapshot, std::uint8_t kind) : Snapshot(std::move(snapshot)), Kind(kind) {}
    std::unique_ptr<TSnapshot> Snapshot;
    std::uint8_t Kind;
};

// Timer codes of the album (their words are DELAY, HANGBUGWAIT, PRINTBUGWAIT, CARDBUGWAIT).
inline constexpr std::uint8_t kAlbumCoverTimer = TimerCodeValue(TTimerCode::Delay);
inline constexpr std::uint8_t kAlbumHangTimer = TimerCodeValue(TTimerCode::HangBugWait);
inline constexpr std::uint8_t kAlbumPrintTimer = TimerCodeValue(TTimerCode::PrintBugWait);
inline constexpr std::uint8_t kAlbumCardTimer = TimerCodeValue(TTimerCode::CardBugWait);
// Ticks the closed cover shows before the album opens.
inline constexpr std::int32_t kAlbumCoverTicks = 20;
// The resolution pages are laid out and printed at.
inline constexpr std::int32_t kAlbumPrintDotsPerInch = 600;

class TAlbumRoom : public TRoom, public TAlbumActions {
public:
    explicit TAlbumRoom(std::string_view name);
    ~TAlbumRoom() override;

    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;
    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    // --- What other rooms call ---
    // Appends the snapshot (the album owns it now) and turns to it, so the album opens on it.
    void AddPicture(std::unique_ptr<TSnapshot> snapshot, std::uint8_t kind);
    bool CanHang() const override;
    bool HasCurrentPicture() const override;
    bool HasPrinter() const override;
    // The hung picture centred in rect on a plain wall colour (the living room's frame).
    void DrawHungPicture(TAC8ImageData& surface, const TRect& rect);

    // --- State ---
    std::int32_t Count() const { return FEntries.CachedCount(); }
    // count + (count mod 2) + 1, and 3 for an empty album.
    std::int16_t LastPage() const;
    std::int16_t CurrentPage() const { return FCurrentPage; }
    std::int16_t HungPage() const { return FHungPage; }
    bool CoverShown() const { return FCoverShown != 0; }
    bool HasHungPicture() const { return FHungPicture != nullptr; }
    THotImage* HungPicture() const { return FHungPicture.get(); }
    // Picture n (1-based), or nullptr.
    TPicNode* Entry(std::int32_t n) const;

private:
    void GoPage(std::int16_t page);
    void RefreshBoxes();
    void DrawPage(TAC8ImageData& view, bool right);
    void DrawPageNumber(TAC8ImageData& view, std::int32_t pageLeft, std::int32_t page);
    void MakeHungPicture();
    void PrintPicture(bool card);
    void DeleteCurrentPicture();
    void ReadHungPicture(TStream& s);

    std::unique_ptr<THotImage> FHangIcon;
    std::unique_ptr<THotImage> FPageDigits;
    std::unique_ptr<THotImage> FHungPicture;
    TVekList FEntries;
    std::int16_t FCurrentPage = 0;
    std::int16_t FHungPage = 0;
    std::uint8_t FCoverShown = 0;
};

// The background of album page `page` of an album whose last page is `lastPage`.
std::string AlbumPageBackground(std::int32_t page, std::int32_t lastPage);

// The printer pictures go to: the default printer when the configuration says so (or the
// index is -1), else the printer at the configuration's index; none when that index is not
// in the list, or no printer is the default.
std::optional<std::string> ChooseAlbumPrinter(const std::vector<platform::PrinterInfo>& printers,
                                              bool useDefault, std::int32_t index);
