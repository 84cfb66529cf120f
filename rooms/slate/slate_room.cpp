#include "rooms/slate/slate_room.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/hot_image.h"
#include "foundation/messages.h"
#include "foundation/stream_values.h"
#include "rooms/slate/slate_pieces.h"
#include "rooms/slate/slate_snapshot.h"
#include "rooms/slate/slate_words.h"
#include "shell/application_title.h"
#include "shell/record_reading.h"
#include "shell/room_world.h"
#include "shell/room_words.h"

namespace words = slate_words;
using record_reading::Require;

namespace {

constexpr TPoint kSlateOrigin{15, 15};
constexpr std::int16_t kTakeCursor = 4;
constexpr std::int16_t kBrushCursor = 21;
constexpr std::int32_t kReleaseDelay = 5;
constexpr std::int32_t kIconSize = 19;
constexpr TPoint kFirstIcon{108, 252};
constexpr std::uint8_t kEmptySlotColour = 62;
constexpr std::uint8_t kNoSticker = 255;

constexpr std::array<std::uint8_t, 8> kNormalWells{16, 11, 241, 53, 12, 47, 15, 233};
constexpr std::array<std::uint8_t, 8> kBrightWells{39, 242, 10, 84, 89, 14, 229, 101};
constexpr std::array<std::int32_t, 12> kButtonTops{19, 19, 62, 62, 112, 112, 155, 155, 198, 198, 241, 241};
constexpr std::int32_t kButtonWidth = 42, kButtonHeight = 39;
constexpr std::int32_t kFaceWidth = 30, kFaceHeight = 27;
constexpr std::int32_t kWellWidth = 43, kWellHeight = 39;

TPoint ButtonAt(int n) { return TPoint{n % 2 == 1 ? 405 : 451, kButtonTops[static_cast<std::size_t>(n - 1)]}; }

// A box name's digit as a number in lo..hi, or 0.
int DigitIn(const std::string& text, std::size_t length, int lo, int hi) {
    if (text.empty() || text.size() < length) return 0;
    int value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return 0;
        value = value * 10 + (text[i] - '0');
    }
    return value >= lo && value <= hi ? value : 0;
}

// The whole sender as a number lo..hi, or 0.
int NumberIn(const std::string& text, int lo, int hi) {
    if (text.empty() || text.size() > 2) return 0;
    return DigitIn(text, text.size(), lo, hi);
}

}  // namespace

TSlateRoom::TSlateRoom(std::string_view name) : TRoom(name), FDrawing(std::make_unique<TSlateDrawing>()) {
    ResetSlate();
    Flags |= kRoomSnapEnabled;
    FSelectedIcon = 0;
    FSlots.fill(kNoSticker);
}

TSlateRoom::~TSlateRoom() = default;

TSlateDrawing& TSlateRoom::Drawing() {
    if (GetWorld() != nullptr) FDrawing->SetLibrary(GetWorld()->GetImageLibrary());
    FDrawing->SetSurface(ShownView(), kSlateOrigin);
    return *FDrawing;
}

std::uint8_t TSlateRoom::WellColour(int well) const {
    if (well < 1 || well > 8) well = 1;
    return (FBright ? kBrightWells : kNormalWells)[static_cast<std::size_t>(well - 1)];
}

int TSlateRoom::SelectedSticker() const {
    if (FSelectedIcon < 1 || FSelectedIcon > kMaxStickers) return 0;
    const std::uint8_t number = FSlots[static_cast<std::size_t>(FSelectedIcon - 1)];
    return number == kNoSticker ? 0 : number;
}

// ---- state

void TSlateRoom::ResetSlate() {
    FBright = false;
    FBackgroundButton = 1;
    FPage = 1;
    FColour = 1;
    FStickerCount = 0;
    FDrawing->Reset();
    FLit.fill(false);
}

void TSlateRoom::UpdateStickerButtons() {
    for (int n = 5; n <= 12; ++n)
        if (THitBox* box = FindHitBox(std::to_string(n))) box->SetEnabled(FStickerCount < kMaxStickers);
}

void TSlateRoom::SelectIcon(int a) {
    TSlateDrawing& drawing = Drawing();
    if (a != FSelectedIcon) {
        if (FSelectedIcon != 0) {
            drawing.SetSelected(SelectedSticker(), false);
            const int old = FSelectedIcon;
            FSelectedIcon = 0;
            RedrawIcon(old);
        }
        FSelectedIcon = a;
        if (a != 0) {
            drawing.SetSelected(SelectedSticker(), true);
            RedrawIcon(a);
        }
    }
    THitBox* slate = FindHitBox(words::kSlateBox);
    const int sticker = SelectedSticker();
    if (sticker != 0) {
        FEraserEnabled = true;
        FMirrorState = drawing.IsMirrored(sticker) ? 2 : 1;
        FHalfState = drawing.IsHalf(sticker) ? 2 : 1;
        if (slate != nullptr) slate->Hover = true;
    } else {
        const bool shift = GetWorld() != nullptr && (GetWorld()->GetFlags() & kWorldShiftDown) != 0;
        FEraserEnabled = shift && FStickerCount > 0;
        FMirrorState = 0;
        FHalfState = 0;
        if (slate != nullptr) {
            slate->SetCursor(kBrushCursor);
            slate->Hover = false;
        }
    }
    const auto show = [&](std::string_view name, int state) {
        if (THitBox* box = FindHitBox(name)) box->SetEnabled(state != 0);
        SetFrameIfAny(name, state == 0 ? 2 : state - 1);
    };
    show(words::kEraserBox, FEraserEnabled ? 1 : 0);
    show(words::kMirrorBox, FMirrorState);
    show(words::kHalfBox, FHalfState);
}

void TSlateRoom::SetFrameIfAny(std::string_view frameSet, int frame) {
    TFrameSet* set = FrameSets().FindFrameSet(frameSet);
    if (set == nullptr || frame < 0 || frame >= set->GetFrameCount()) return;
    SetFrame(*set, static_cast<std::int16_t>(frame));
}

void TSlateRoom::SetPage(int a) {
    if (a < 1 || a > 4) return;
    FPage = a;
    if (FFacePage != a || !FFace) {
        FFace = std::make_unique<THotImage>(AC8ImageName("btnface" + std::to_string(a)), false, &Library());
        FFacePage = a;
    }
    SetFrameIfAny(words::kPageSlide, a - 1);
    for (int i = 1; i <= 4; ++i) FLit[static_cast<std::size_t>(i - 1)] = FPage * 4 - 4 + i == FBackgroundButton;
    for (int i = 5; i <= 12; ++i) FLit[static_cast<std::size_t>(i - 1)] = false;
    RedrawButtons();
}

bool TSlateRoom::ReleaseStickerButtons(int n) {
    bool wasLit = false;
    for (int i = 5; i <= 12; ++i) {
        if (!FLit[static_cast<std::size_t>(i - 1)]) continue;
        FLit[static_cast<std::size_t>(i - 1)] = false;
        RedrawButton(i);
        if (i == n) wasLit = true;
    }
    return wasLit;
}

// ---- saved record

void TSlateRoom::ReadData(TStream& s) {
    // Everything is checked before anything changes.
    TSlateDrawingState state = ReadSlateDrawingState(s, FDrawing->Map());
    const std::uint8_t bright = ReadU8(s);
    const std::uint8_t button = ReadU8(s);
    const std::uint8_t page = ReadU8(s);
    const std::uint8_t colour = ReadU8(s);
    const std::uint8_t count = ReadU8(s);
    std::array<std::uint8_t, 15> slots{};
    s.ReadExact(slots.data(), slots.size());
    Require(bright <= 1 && button >= 1 && button <= 16 && page >= 1 && page <= 4 && colour >= 1 && colour <= 8 &&
            count == state.Stickers.size());
    // Slots 1..count show each sticker once; the rest are empty.
    std::array<bool, 16> seen{};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i >= count) {
            Require(slots[i] == kNoSticker);
        } else {
            Require(slots[i] >= 1 && slots[i] <= count && !seen[slots[i]]);
            seen[slots[i]] = true;
        }
    }
    FDrawing->SetState(std::move(state));
    FBright = bright == 1;
    FBackgroundButton = button;
    FPage = page;
    FColour = colour;
    FStickerCount = count;
    FSlots = slots;
    FSelectedIcon = 0;
    UpdateStickerButtons();
}

void TSlateRoom::WriteData(TStream& s) {
    FDrawing->WriteToStream(s);
    WriteByte(s, FBright);
    WriteByte(s, static_cast<std::uint8_t>(FBackgroundButton));
    WriteByte(s, static_cast<std::uint8_t>(FPage));
    WriteByte(s, static_cast<std::uint8_t>(FColour));
    WriteByte(s, static_cast<std::uint8_t>(FStickerCount));
    s.Write(FSlots.data(), FSlots.size());
}

// ---- life

void TSlateRoom::LoadPictures() {
    TAC8Library* library = &Library();
    if (!FWells) FWells = std::make_unique<THotImage>(AC8ImageName("colbtns"), false, library);
    if (!FButtonPicture) FButtonPicture = std::make_unique<THotImage>(AC8ImageName("slatebtn"), false, library);
    if (!FIcons) FIcons = std::make_unique<THotImage>(AC8ImageName("smslticn"), false, library);
}

void TSlateRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    Flags |= kRoomWantsShift;
    LoadPictures();
    UpdateStickerButtons();
    SelectIcon(0);
    SetPage(FPage);
    SetFrameIfAny(words::kBrightLamp, FBright ? 0 : 1);
}

void TSlateRoom::Leave() {
    if (FSelectedIcon != 0 && FDrawing) {
        FDrawing->SetSurface(nullptr, kSlateOrigin);
        FDrawing->SetSelected(SelectedSticker(), false);
        FSelectedIcon = 0;
    }
    TRoom::Leave();
    if (FDrawing) FDrawing->SetSurface(nullptr, kSlateOrigin);
}

void TSlateRoom::ReleaseGraphics(bool final) {
    TRoom::ReleaseGraphics(final);
    FIcons.reset();
    FWells.reset();
    FFace.reset();
    FFacePage = 0;
    FButtonPicture.reset();
    if (final) {
        // The room is being taken down: the game was saved before, so the drawing goes with it.
        FDrawing.reset();
    } else if (FDrawing) {
        FDrawing->SetSurface(nullptr, kSlateOrigin);
    }
}

// ---- messages

void TSlateRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == words::kShift) {
        SelectIcon(FSelectedIcon);
    } else if (sender == words::kReleaseTimer) {
        ReleaseStickerButtons(0);
    } else if (script == words::kErase) {
        Erase();
    } else if (script == words::kMirror) {
        Drawing().ToggleMirror(SelectedSticker());
        SelectIcon(FSelectedIcon);
        RedrawIcons();
    } else if (script == words::kHalf) {
        Drawing().SetHalf(SelectedSticker(), false);
        SelectIcon(FSelectedIcon);
        RedrawIcons();
    } else {
        SelectIcon(0);
        if (script == words::kStickerButton) {
            PressStickerButton(NumberIn(sender, 5, 12));
        } else if (script == words::kBackground) {
            ChooseBackground(NumberIn(sender, 1, 4));
        } else if (script == words::kPageBack) {
            if (FPage > 1) SetPage(FPage - 1);
        } else if (script == words::kPageOn) {
            if (FPage < 4) SetPage(FPage + 1);
        } else if (script == words::kColour) {
            const int well = DigitIn(sender, 1, 1, 8);
            if (well != 0) {
                const int old = FColour;
                FColour = well;
                RedrawWell(old);
                RedrawWell(well);
            }
        } else if (script == words::kBright) {
            FBright = !FBright;
            SetFrameIfAny(words::kBrightLamp, FBright ? 0 : 1);
            RedrawWells();
        } else if (sender == words::kSnap) {
            HandSlateToAlbum(World(), *FDrawing);
            RunScript("", std::string(room_words::kSnapFlash));
        } else if (sender == room_words::kTutor) {
            World().GoRoom(words::kHelpPage);
        } else {
            TRoom::RunScript(script, sender);
        }
    }
}

void TSlateRoom::PressStickerButton(int n) {
    if (n == 0) return;
    if (ReleaseStickerButtons(n)) return;
    // A full slate takes no more (its buttons are disabled, but a message may still come).
    if (FStickerCount >= kMaxStickers) return;
    FLit[static_cast<std::size_t>(n - 1)] = true;
    RedrawButton(n);
    AddTimer(TTimerCode::Release, kReleaseDelay);
    const bool shift = (World().GetFlags() & kWorldShiftDown) != 0;
    Drawing().AddSticker(8 * FPage + n - 5, shift, Context().RandomNumbers());
    ++FStickerCount;
    FSlots[static_cast<std::size_t>(FStickerCount - 1)] = static_cast<std::uint8_t>(FStickerCount);
    SelectIcon(FStickerCount);
    if (FStickerCount == kMaxStickers) {
        UpdateStickerButtons();
        RedrawButtons();
    }
}

void TSlateRoom::ChooseBackground(int b) {
    if (b == 0) return;
    Drawing().SetBackground((FPage - 1) * 2 + (b - 1) / 2, b % 2 == 1, Context().RandomNumbers());
    const int old = FBackgroundButton;
    if (old > FPage * 4 - 4 && old <= FPage * 4) {
        FLit[static_cast<std::size_t>(old - (FPage * 4 - 4) - 1)] = false;
        RedrawButton(old - (FPage * 4 - 4));
    }
    FBackgroundButton = FPage * 4 - 4 + b;
    FLit[static_cast<std::size_t>(b - 1)] = true;
    RedrawButton(b);
}

void TSlateRoom::Erase() {
    const bool full = FStickerCount == kMaxStickers;
    const std::uint16_t flags = World().GetFlags();
    const bool shift = (flags & kWorldShiftDown) != 0, ctrl = (flags & kWorldCtrlDown) != 0;
    TSlateDrawing& drawing = Drawing();
    if (shift) {
        if (!AskYesNo(kApplicationTitle, ctrl ? u"Remove all coloring in scene?" : u"Delete all objects in scene?"))
            return;
        if (ctrl) {
            const THourglass hourglass(World());
            for (int n = drawing.StickerCount(); n >= 0; --n) drawing.ClearColouring(n);
        } else {
            for (int a = 1; a <= FStickerCount; ++a) FSlots[static_cast<std::size_t>(a - 1)] = kNoSticker;
            // The selection goes with the stickers.
            SelectIcon(0);
            RedrawIcons();
            drawing.Clear();
            drawing.Draw();
            FStickerCount = 0;
            SelectIcon(0);
        }
    } else {
        const int sticker = SelectedSticker();
        if (sticker == 0) return;
        if (ctrl) {
            drawing.ClearColouring(sticker);
        } else {
            const int s = FSelectedIcon;
            for (int a = s; a < FStickerCount; ++a)
                FSlots[static_cast<std::size_t>(a - 1)] = FSlots[static_cast<std::size_t>(a)];
            FSlots[static_cast<std::size_t>(FStickerCount - 1)] = kNoSticker;
            if (FStickerCount != s) RedrawIcon(FStickerCount);
            SelectIcon(0);
            --FStickerCount;
            drawing.DeleteSticker(sticker);
            for (std::uint8_t& slot : FSlots)
                if (slot != kNoSticker && slot > sticker) --slot;
        }
    }
    RedrawIcons();
    if (full) {
        UpdateStickerButtons();
        RedrawButtons();
    }
}

bool TSlateRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    if (kind == TControlEventKind::Tick) return false;
    const TPoint point = box.EventPoint;
    if (box.GetID() == words::kIconsBox) {
        if (point.X < 0) return false;
        const int a = point.X / kIconSize + 1;
        if (a < 1 || a > FStickerCount || a == FSelectedIcon) return false;
        SelectIcon(a);
        const int raised = FSlots[static_cast<std::size_t>(a - 1)];
        Drawing().BringToFront(raised);
        for (int i = 1; i <= FStickerCount; ++i) {
            std::uint8_t& slot = FSlots[static_cast<std::size_t>(i - 1)];
            if (i == a)
                slot = static_cast<std::uint8_t>(FStickerCount);
            else if (slot > raised)
                --slot;
        }
        return false;
    }
    if (box.GetID() != words::kSlateBox) return false;
    TSlateDrawing& drawing = Drawing();
    const int sticker = SelectedSticker();
    switch (kind) {
        case TControlEventKind::Down:
            if (sticker != 0 && drawing.HitSticker(point, sticker, &FDragOffset)) return true;
            SelectIcon(0);
            drawing.Fill(point, (World().GetFlags() & kWorldShiftDown) != 0 ? RandomSlateColour(Context().RandomNumbers()) : WellColour(FColour));
            return false;
        case TControlEventKind::Drag:
        case TControlEventKind::Up:
            if (sticker == 0) return false;
            drawing.MoveSticker(PointSub(point, FDragOffset), sticker, kind == TControlEventKind::Up);
            return kind == TControlEventKind::Drag;
        case TControlEventKind::Enter:
            // Hovering only changes the cursor; it never takes the mouse.
            box.SetCursor(sticker != 0 && drawing.HitSticker(point, sticker) ? kTakeCursor : kBrushCursor);
            return false;
        default:
            return false;
    }
}

// ---- drawing

void TSlateRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    if (view == nullptr) return;
    TSlateDrawing& drawing = *FDrawing;
    if (GetWorld() != nullptr) drawing.SetLibrary(GetWorld()->GetImageLibrary());
    drawing.SetSurface(view, kSlateOrigin);
    drawing.Draw();
    LoadPictures();
    for (int n = 1; n <= 12; ++n) DrawButton(*view, n);
    for (int n = 1; n <= 8; ++n) DrawWell(*view, n);
    for (int a = 1; a <= FStickerCount; ++a) DrawIcon(*view, a);
}

void TSlateRoom::DrawButton(TAC8ImageData& view, int n) {
    if (!FButtonPicture) return;
    const bool lit = FLit[static_cast<std::size_t>(n - 1)];
    const TPoint at = ButtonAt(n);
    view.Blit(at, FButtonPicture->Image(), MakeBounds(0, lit ? kButtonHeight : 0, kButtonWidth, kButtonHeight));
    if (FStickerCount >= kMaxStickers && n >= 5) return;
    if (!FFace || FFacePage != FPage) {
        FFace = std::make_unique<THotImage>(AC8ImageName("btnface" + std::to_string(FPage)), false, &Library());
        FFacePage = FPage;
    }
    const std::int32_t x = n % 2 == 1 ? (lit ? 60 : 0) : (lit ? 90 : 30);
    view.Blit(PointAdd(at, TPoint{6, 6}), FFace->Image(), MakeBounds(x, ((n - 1) / 2) * kFaceHeight, kFaceWidth, kFaceHeight));
}

void TSlateRoom::DrawWell(TAC8ImageData& view, int n) {
    if (!FWells) return;
    const bool chosen = n == FColour;
    const std::int32_t y = FBright ? (chosen ? 39 : 0) : (chosen ? 117 : 78);
    view.Blit(TPoint{(n - 1) * kWellWidth + 50, 277}, FWells->Image(), MakeBounds((n - 1) * kWellWidth, y, kWellWidth, kWellHeight));
}

void TSlateRoom::DrawIcon(TAC8ImageData& view, int a) {
    const TPoint at{kFirstIcon.X + kIconSize * (a - 1), kFirstIcon.Y};
    const TRect place = MakeBounds(at.X, at.Y, kIconSize, kIconSize);
    std::uint8_t index = 0;
    const std::uint8_t number = FSlots[static_cast<std::size_t>(a - 1)];
    if (!FIcons || number == kNoSticker || !FDrawing->GetMapIndex(number, index)) {
        view.FillRect(place, kEmptySlotColour);
        return;
    }
    const int v = a == FSelectedIcon ? index + 24 : index - 8;
    view.Blit(at, FIcons->Image(), MakeBounds((v % 4) * kIconSize, (v / 4) * kIconSize, kIconSize, kIconSize));
}

void TSlateRoom::RedrawButton(int n) {
    if (TAC8ImageData* view = ShownView()) {
        LoadPictures();
        DrawButton(*view, n);
    }
}

void TSlateRoom::RedrawButtons() {
    for (int n = 1; n <= 12; ++n) RedrawButton(n);
}

void TSlateRoom::RedrawWell(int n) {
    if (TAC8ImageData* view = ShownView()) {
        LoadPictures();
        DrawWell(*view, n);
    }
}

void TSlateRoom::RedrawWells() {
    for (int n = 1; n <= 8; ++n) RedrawWell(n);
}

void TSlateRoom::RedrawIcon(int a) {
    if (a < 1 || a > kMaxStickers) return;
    if (TAC8ImageData* view = ShownView()) {
        LoadPictures();
        DrawIcon(*view, a);
    }
}

void TSlateRoom::RedrawIcons() {
    for (int a = 1; a <= kMaxStickers; ++a) RedrawIcon(a);
}
