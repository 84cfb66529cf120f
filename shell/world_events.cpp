// The world's events: the main window's tick, focus and sound reports, the play area's
// mouse and its painting.
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "hit_box.h"
#include "music_ended.h"
#include "room.h"
#include "script_message.h"
#include "world.h"
#include "world_errors.h"

namespace {
// Marks the tick as running and always clears the mark again, also when the tick fails.
class TTickMark {
public:
    explicit TTickMark(bool& mark) : FMark(mark) { FMark = true; }
    ~TTickMark() { FMark = false; }
    TTickMark(const TTickMark&) = delete;
    TTickMark& operator=(const TTickMark&) = delete;

private:
    bool& FMark;
};
}  // namespace

// A room script may let pending messages run (a room change always does), and a timer
// event could then arrive inside the tick: the mark keeps that from running a second tick.
// After an error the tick still counts and the mark is released, so one failed timer never
// stops the game's clock.
void TWorld::Tick(std::int32_t elapsed) {
    if (FInTick) return;
    TTickMark mark(FInTick);
    try {
        RunGuarded(*this, [&] {
            const TKeyState keys = FWindow.ReadKeys();
            bool modifierChange = false;
            if (keys.Shift != ((FFlags & kWorldShiftDown) != 0)) {
                SetFlags(kWorldShiftDown, keys.Shift);
                modifierChange = true;
            }
            if (keys.Ctrl != ((FFlags & kWorldCtrlDown) != 0)) {
                SetFlags(kWorldCtrlDown, keys.Ctrl);
                modifierChange = true;
            }
            const bool deleteChange = keys.Delete != ((FFlags & kWorldDeleteDown) != 0);
            if (deleteChange) SetFlags(kWorldDeleteDown, keys.Delete);

            FCaptureTick = 0;
            if ((FFlags & kWorldCursorRefresh) != 0) {
                FWindow.RefreshMousePosition();
                SetFlags(kWorldCursorRefresh, false);
            }
            if (FCurrentRoom != nullptr) {
                if (modifierChange) ReportModifierChange(*FCurrentRoom, keys.Shift, keys.Ctrl);
                if (deleteChange && keys.Delete && FCurrentRoom != nullptr)
                    ReportDeleteDown(*FCurrentRoom, keys.Shift, keys.Ctrl);
                if (FCapturedBox != nullptr) FCapturedBox->Tick(FTickTotal - FCaptureTick);
                if (FCurrentRoom != nullptr) FCurrentRoom->ProcessTimers(FTickTotal);
                SetFlags(kWorldIdle, false);
            }
            if (FViewImage && FViewImage->HasDamage()) Repaint();
        });
    } catch (...) {
        FTickTotal += elapsed;
        throw;
    }
    FTickTotal += elapsed;
}

void TWorld::SoundEnded(std::int32_t waveId) {
    RunGuarded(*this, [&] { ::SoundEnded(*this, waveId); });
}

void TWorld::MusicEnded(std::int32_t songNumber) {
    RunGuarded(*this, [&] { ::MusicEnded(*this, songNumber); });
}

void TWorld::SetFocus(bool active) {
    if (active == ((FFlags & kWorldActive) != 0)) return;
    RunGuarded(*this, [&] {
        if (FCurrentRoom != nullptr) ReportFocusChange(*FCurrentRoom, active);
    });
    SetFlags(kWorldActive, active);
}

// --- Mouse ---

void TWorld::ViewMouseDown(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y) {
    RunGuarded(*this, "ViewMouseDown: exception caught", [&] {
        if (IsUnavailable()) return;
        THitBox* box = FCurrentRoom->HitBoxes().HitTest(x, y);
        FCapturedBox = nullptr;
        if (box == nullptr) return;
        if (!box->Capture) {
            box->Click();
        } else if (box->MouseDown(button, shift, x, y)) {
            FCapturedBox = box;
            FCaptureTick = FTickTotal;
            FView.Cursor = box->GetCursor(x, y);
        }
        RequestCursorRefresh();
    });
}

void TWorld::ViewMouseMove(std::uint8_t, std::int32_t x, std::int32_t y) {
    RunGuarded(*this, "ViewMouseMove: exception caught", [&] {
        if (IsUnavailable()) return;
        if (THitBox* box = FCapturedBox) {
            if (!box->MouseDrag(x, y)) FCapturedBox = nullptr;
            FView.Cursor = box->GetCursor(x, y);
            return;
        }
        THitBox* box = FCurrentRoom->HitBoxes().HitTest(x, y);
        if (box != nullptr && box->Hover && box->MouseEnter(x, y)) FCapturedBox = box;
        // A room's piece of work that lets messages run keeps its hourglass.
        if ((FFlags & kWorldBusy) == 0 && FHourglassDepth == 0) {
            ShowBusyCursor();
            FView.Cursor = box != nullptr ? box->GetCursor(x, y) : FDefaultCursor;
        }
    });
}

void TWorld::ViewMouseUp(TMouseButton, std::uint8_t, std::int32_t x, std::int32_t y) {
    RunGuarded(*this, "ViewMouseUp: exception caught", [&] {
        THitBox* box = FCapturedBox;
        if (box == nullptr) return;
        if (!box->MouseUp(x, y)) FCapturedBox = nullptr;
        FView.Cursor = box->GetCursor(x, y);
    });
}

// --- Painting ---

namespace {
// Where the picture lies on the paint box: inside the frame, or edge to edge.
TPoint PictureOrigin(std::uint16_t flags) { return (flags & kWorldFullFrame) != 0 ? TPoint{0, 0} : TPoint{1, 1}; }
}  // namespace

// The window paints its controls when it gets to it: the damaged parts of the picture are
// marked on the paint box, and its painting shows them.
void TWorld::Repaint() {
    if (!FViewImage) return;
    platform::ControlHost* host = FView.Host();
    if (host == nullptr || !FView.Visible()) {
        FViewImage->ClearDamage();
        return;
    }
    const TPoint origin = PictureOrigin(FFlags);
    const platform::ControlRect& bounds = FView.Bounds();
    for (auto* node : NodesOf<TDamageNode>(FViewImage->Damage())) {
        const TRect& r = node->Rect;
        host->Invalidate(platform::ControlRect{bounds.Left + origin.X + r.Left, bounds.Top + origin.Y + r.Top,
                                               bounds.Left + origin.X + r.Right, bounds.Top + origin.Y + r.Bottom});
    }
}

void TWorld::ViewPaint(platform::ControlCanvas& canvas) {
    if (!FViewImage || !FLibrary.IsOpen()) return;
    const TPoint origin = PictureOrigin(FFlags);
    const platform::ControlRect& clip = canvas.ClipRect();
    const TRect picture{origin.X, origin.Y, origin.X + FViewImage->Width(), origin.Y + FViewImage->Height()};
    const TRect shown = IntersectRects(picture, TRect{clip.Left, clip.Top, clip.Right, clip.Bottom});
    // Damage outside the area being painted would be shown clipped away and lost: it is
    // asked for again, to be shown by the next paint.
    Repaint();
    if (!IsRectEmpty(shown)) FViewImage->AddDamage(OffsetRectBack(shown, origin));
    canvas.SelectPalette(FLibrary.GetHPal()->Colours());
    FViewImage->DisplayDamage(canvas, origin);
    if ((FFlags & kWorldFullFrame) == 0) {
        const platform::RgbColour black{};
        canvas.FillSolid({0, 0, kPlayAreaWidth, 1}, black);
        canvas.FillSolid({0, kPlayAreaHeight - 1, kPlayAreaWidth, kPlayAreaHeight}, black);
        canvas.FillSolid({0, 0, 1, kPlayAreaHeight}, black);
        canvas.FillSolid({kPlayAreaWidth - 1, 0, kPlayAreaWidth, kPlayAreaHeight}, black);
    }
}
