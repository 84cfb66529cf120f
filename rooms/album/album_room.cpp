#include "rooms/album/album_room.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "rooms/album/album_room_words.h"
#include "shell/qe_exception.h"
#include "shell/record_reading.h"
#include "shell/room_world.h"
#include "shell/room_words.h"

using namespace album_room_words;
using namespace record_reading;

namespace {

constexpr std::int32_t kPageWidth = 256;
constexpr std::int32_t kPageHeight = 320;
constexpr std::uint8_t kThumbnailFrame = 255;
constexpr std::uint8_t kCurrentPageFrame = 254;
constexpr std::uint8_t kHungWall = 135;
constexpr std::int32_t kDigitWidth = 10;
constexpr std::int32_t kDigitHeight = 14;
// Saved games of version 8 and below keep the hung page in one byte.
constexpr std::uint16_t kLastShortHungPageVersion = 8;

TRect Outset(const TRect& r, std::int32_t by) { return TRect{r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

}  // namespace

std::string AlbumPageBackground(std::int32_t page, std::int32_t lastPage) {
    if (page == 0) return "album_fo";
    if (page == 1) return "album_fi";
    if (page == lastPage) return "album_bo";
    if (page == lastPage - 1) return "album_bi";
    return "album";
}

std::optional<std::string> ChooseAlbumPrinter(const std::vector<platform::PrinterInfo>& printers,
                                              bool useDefault, std::int32_t index) {
    if (useDefault || index == -1) {
        for (const platform::PrinterInfo& printer : printers)
            if (printer.IsDefault) return printer.Name;
        return std::nullopt;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= printers.size()) return std::nullopt;
    return printers[static_cast<std::size_t>(index)].Name;
}

TAlbumRoom::TAlbumRoom(std::string_view name) : TRoom(name) { Flags |= kRoomWantsDelete; }

TAlbumRoom::~TAlbumRoom() = default;

std::int16_t TAlbumRoom::LastPage() const {
    const std::int32_t count = Count();
    if (count == 0) return 3;
    return static_cast<std::int16_t>(count + count % 2 + 1);
}

TPicNode* TAlbumRoom::Entry(std::int32_t n) const { return static_cast<TPicNode*>(FEntries.GetNode(n)); }

// --- What other rooms call ---

void TAlbumRoom::AddPicture(std::unique_ptr<TSnapshot> snapshot, std::uint8_t kind) {
    if (snapshot == nullptr || FindSnapshotKind(kind) == nullptr) RaiseGameError(GameStringNilPointer);
    // The album holds at most as many pictures as its page numbers count.
    if (Count() >= INT16_MAX - 2) return;
    FEntries.Append(std::make_unique<TPicNode>(std::move(snapshot), kind));
    GoPage(static_cast<std::int16_t>(Count()));
}

bool TAlbumRoom::CanHang() const {
    return !CoverShown() && FCurrentPage > 0 && Count() >= FCurrentPage && FCurrentPage != FHungPage;
}

bool TAlbumRoom::HasCurrentPicture() const { return !CoverShown() && FCurrentPage >= 1 && Count() >= FCurrentPage; }

void TAlbumRoom::DrawHungPicture(TAC8ImageData& surface, const TRect& rect) {
    surface.FillRect(rect, kHungWall);
    if (FHungPicture == nullptr) return;
    TAC8ImageData& picture = FHungPicture->Image();
    const std::int32_t x = rect.Left + ((rect.Right - rect.Left) - picture.Width()) / 2;
    const std::int32_t y = rect.Top + ((rect.Bottom - rect.Top) - picture.Height()) / 2;
    surface.Blit(TPoint{x, y}, picture, picture.GetBounds());
}

// --- Pages ---

void TAlbumRoom::GoPage(std::int16_t page) {
    FCurrentPage = page;
    SetBackground(nullptr);
    SetBackgroundName(AlbumPageBackground(page, LastPage()));
    RefreshBoxes();
}

void TAlbumRoom::RefreshBoxes() {
    const bool open = !CoverShown();
    const std::int32_t c = FCurrentPage;
    const std::int32_t count = Count();
    auto set = [this](std::string_view name, bool enabled) {
        if (THitBox* box = FindHitBox(name)) box->SetEnabled(enabled);
    };
    set(kPageBack, open && c > 0);
    set(kPageForward, open && c < LastPage());
    set(kLeftPicture, open && c % 2 == 1 && c > 1 && c <= count);
    set(kRightPicture, open && c % 2 == 0 && c > 0 && c + 1 <= count);
}

void TAlbumRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    if (FCurrentPage <= 0 || Count() == 0) {
        FCoverShown = 0;
        GoPage(0);
    } else {
        if (Count() < FCurrentPage) GoPage(static_cast<std::int16_t>(Count()));
        SetBackground(nullptr);
        SetBackgroundName("album_fo");
        FCoverShown = 1;
        AddTimer(kAlbumCoverTimer, kAlbumCoverTicks);
    }
    FHangIcon = std::make_unique<THotImage>(AC8ImageName("hangicon"), false, &Library());
    FPageDigits = std::make_unique<THotImage>(AC8ImageName("albumnum"), false, &Library());
    RefreshBoxes();
    // The world set the buttons before this entry; under the closed cover nothing is offered.
    World().UpdateActionButtons(*this);
}

void TAlbumRoom::RunScript(const std::string& script, const std::string& sender) {
    TRoomWorld& world = World();
    // The hourglass while the album works, gone again also when an error leaves the work.
    THourglass hourglass(world);
    const std::int16_t c = FCurrentPage;
    const std::int32_t count = Count();
    if (sender == kCoverOpens) {
        FCoverShown = 0;
        GoPage(c);
        Draw(world.GetViewImage());
    } else if (sender == kPageBack) {
        if (count < 3 || c < 3)
            GoPage(static_cast<std::int16_t>(c - 1));
        else
            GoPage(static_cast<std::int16_t>(c == LastPage() ? c - 1 : c - 2));
        Draw(world.GetViewImage());
    } else if (sender == kPageForward) {
        if (count > 2 && c != 0)
            GoPage(static_cast<std::int16_t>(c < LastPage() - 2 ? c + 2 : c + 1));
        else
            GoPage(static_cast<std::int16_t>(c + 1));
        Draw(world.GetViewImage());
    } else if (sender == kLeftPicture) {
        GoPage(static_cast<std::int16_t>(c & ~1));
        Draw(world.GetViewImage());
    } else if (sender == kRightPicture) {
        GoPage(static_cast<std::int16_t>(c | 1));
        Draw(world.GetViewImage());
    } else if (sender == kHangButton) {
        AddTimer(kAlbumHangTimer, 1);
    } else if (sender == kHangAfterWait) {
        // The button may have been pressed just before the page changed: only a picture
        // that may be hung is.
        if (CanHang()) {
            FHungPage = c;
            MakeHungPicture();
            Draw(world.GetViewImage());
        }
    } else if (sender == kPrintButton) {
        AddTimer(kAlbumPrintTimer, 1);
    } else if (sender == kPrintAfterWait) {
        PrintPicture(false);
    } else if (sender == kCardButton) {
        AddTimer(kAlbumCardTimer, 1);
    } else if (sender == kCardAfterWait) {
        PrintPicture(true);
    } else if (sender == room_words::kTutor) {
        world.GoRoom(kHelpPage);
    } else if (script == kDeleteScript) {
        // Shift and Delete together, on a page with a picture; anything else is ignored.
        if (!sender.empty() && sender.front() == kShiftDownMark && c > 0 && count >= c) {
            DeleteCurrentPicture();
            Draw(world.GetViewImage());
        }
    } else {
        TRoom::RunScript(script, sender);
    }
    // The buttons follow what the message changed, for the room now current (after TUTOR
    // or EXIT that is another room).
    if (TRoom* current = world.GetCurrentRoom()) world.UpdateActionButtons(*current);
}

void TAlbumRoom::DeleteCurrentPicture() {
    const std::int16_t c = FCurrentPage;
    if (c == FHungPage)
        FHungPage = 0;
    else if (c < FHungPage)
        --FHungPage;  // the hung picture moves down a page with the pictures after the deleted one
    FEntries.Remove(Entry(c));
    std::int16_t page = c;
    if (LastPage() == page) --page;
    GoPage(page);
}

// --- Drawing ---

void TAlbumRoom::DrawOverlays(TAC8ImageData* view) {
    DrawFrameSets(view);
    if (view == nullptr || CoverShown()) return;
    DrawPage(*view, false);
    DrawPage(*view, true);
}

void TAlbumRoom::DrawPage(TAC8ImageData& view, bool right) {
    const std::int32_t c = FCurrentPage;
    const std::int32_t count = Count();
    const std::int32_t p = right ? (c | 1) : (c & ~1);
    if (right ? !(c >= 1 && count >= p) : !(c >= 2 && count >= c)) return;
    const std::int32_t pageLeft = right ? kPageWidth : 0;
    if (TPicNode* entry = Entry(p)) {
        const TSnapshotKind* kind = FindSnapshotKind(entry->Kind);
        if (kind == nullptr) RaiseGameError(GameStringNilPointer);
        const std::int32_t w = kind->Thumbnail.Width;
        const std::int32_t h = kind->Thumbnail.Height;
        const TRect thumb = MakeBounds(pageLeft + (kPageWidth - w) / 2, (kPageHeight - h) / 2, w, h);
        kind->Draw(*entry->Snapshot, view, thumb, Library());
        view.FrameRect(Outset(thumb, 1), kThumbnailFrame);
        view.FrameRect(Outset(thumb, 2), kThumbnailFrame);
        if (p == c) view.FrameRect(Outset(thumb, 7), kCurrentPageFrame);
        if (THitBox* box = FindHitBox(right ? kRightPicture : kLeftPicture)) box->Rect = thumb;
    }
    if (p != 0 && p == FHungPage && FHangIcon != nullptr) {
        TAC8ImageData& icon = FHangIcon->Image();
        view.Blit(right ? TPoint{470, 283} : TPoint{14, 283}, icon, icon.GetBounds());
    }
    DrawPageNumber(view, pageLeft, p);
}

void TAlbumRoom::DrawPageNumber(TAC8ImageData& view, std::int32_t pageLeft, std::int32_t page) {
    if (FPageDigits == nullptr) return;
    TAC8ImageData& digits = FPageDigits->Image();
    const std::int32_t d = page < 10 ? 1 : page < 100 ? 2 : page < 1000 ? 3 : 4;
    std::int32_t x = pageLeft + 5 * d + 123;
    std::int32_t rest = page;
    for (std::int32_t i = 0; i < d; ++i) {
        const std::int32_t k = rest % 10;
        rest /= 10;
        view.Blit(TPoint{x, 2}, digits, MakeBounds(kDigitWidth * k, 0, kDigitWidth, kDigitHeight));
        x -= kDigitWidth;
    }
}

void TAlbumRoom::MakeHungPicture() {
    FHungPicture.reset();
    TPicNode* entry = Entry(FHungPage);
    if (entry == nullptr) return;
    const TSnapshotKind* kind = FindSnapshotKind(entry->Kind);
    if (kind == nullptr) RaiseGameError(GameStringNilPointer);
    std::unique_ptr<THotImage> picture = THotImage::CreateBlank(kind->Hung.Width, kind->Hung.Height, &Library());
    TAC8ImageData& surface = picture->Image();
    const std::int32_t w = surface.Width();
    const std::int32_t h = surface.Height();
    kind->Draw(*entry->Snapshot, surface, surface.GetBounds(), Library());
    surface.VLine(TPoint{0, 0}, h, 0);
    surface.HLine(TPoint{0, 0}, w, 0);
    surface.VLine(TPoint{w - 1, 0}, h, 255);
    surface.HLine(TPoint{0, h - 1}, w, 255);
    FHungPicture = std::move(picture);
}

void TAlbumRoom::ReleaseGraphics(bool final) {
    FHangIcon.reset();
    FPageDigits.reset();
    if (final) {
        FHungPicture.reset();
        FEntries.Clear();
    } else if (FHungPicture != nullptr) {
        FHungPicture->Release();
    }
    TRoom::ReleaseGraphics(final);
}

// --- Saved record ---

void TAlbumRoom::WriteData(TStream& s) {
    WriteByte(s, static_cast<std::uint8_t>(FHungPicture != nullptr ? 1 : 0));
    if (FHungPicture != nullptr) FHungPicture->SaveToStream(s);
    WriteWord(s, FCurrentPage);
    WriteWord(s, FHungPage);
    WriteWord(s, static_cast<std::int16_t>(Count()));
    for (auto* entry : NodesOf<TPicNode>(FEntries)) {
        const TSnapshotKind* kind = FindSnapshotKind(entry->Kind);
        if (kind == nullptr) RaiseGameError(GameStringNilPointer);
        WriteByte(s, entry->Kind);
        kind->Write(*entry->Snapshot, s);
    }
}

// The hung picture is one of the kinds' hung pictures: never wider or taller than the
// living room's frame for it.
void TAlbumRoom::ReadHungPicture(TStream& s) {
    const std::int64_t start = s.Position();
    const std::uint16_t width = ReadU16(s);
    const std::uint16_t height = ReadU16(s);
    const std::uint8_t transparent = ReadU8(s);
    Require(width != 0 && height != 0 && width <= 512 && height <= 320 && transparent <= 1);
    s.Seek(start);
    FHungPicture = THotImage::CreateFromStream(s, &Library());
}

void TAlbumRoom::ReadData(TStream& s) {
    FHungPicture.reset();
    FEntries.Clear();
    if (ReadFlag(s)) ReadHungPicture(s);
    const std::int16_t current = ReadI16(s);
    const std::int16_t hung =
        World().GetFileVersion() <= kLastShortHungPageVersion ? static_cast<std::int16_t>(ReadU8(s)) : ReadI16(s);
    const std::int16_t count = ReadI16In(s, 0, INT16_MAX - 3);
    for (std::int16_t i = 0; i < count; ++i) {
        const std::uint8_t kindNumber = ReadU8(s);
        const TSnapshotKind* kind = FindSnapshotKind(kindNumber);
        if (kind == nullptr) throw QEException("AlbumRoom.ReadData");
        std::unique_ptr<TSnapshot> snapshot = kind->Read(s);
        Require(snapshot != nullptr);
        FEntries.Append(std::make_unique<TPicNode>(std::move(snapshot), kindNumber));
    }
    Require(current >= 0 && hung >= 0);
    // Deleting pictures can leave the hung page past the last picture and the current page past
    // the back cover in a record; neither is damage. Nothing is hung then, and the album opens
    // on its last page.
    FCurrentPage = std::min(current, LastPage());
    FHungPage = hung > count ? std::int16_t{0} : hung;
    FCoverShown = 0;
}
