#pragma once
// The controls of the game window: rectangles in the window's client area that paint
// themselves into one RGB back buffer and take the mouse. The logic here is shared: the game
// window presents the back buffer on screen, tests read it from memory.
//
// Controls lie flat in one host, in z-order (later ones on top). A control is not owned by
// its host; it leaves the host when destroyed.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace platform {

struct ControlRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(std::int32_t x, std::int32_t y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};
ControlRect Intersect(const ControlRect& a, const ControlRect& b);
ControlRect Union(const ControlRect& a, const ControlRect& b);  // an empty rectangle adds nothing

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// What a control paints with: the back buffer seen from the control, whose top-left is
// (0, 0), limited to the area being painted.
class ControlCanvas : public Canvas {
public:
    // origin: the control's top-left in the back buffer; clip: in control coordinates.
    ControlCanvas(const RgbTarget& backBuffer, std::int32_t originX, std::int32_t originY, ControlRect clip);

    // The area being painted, in control coordinates.
    const ControlRect& ClipRect() const { return FClip; }
    const CanvasPalette& Palette() const { return FPalette; }

    void SelectPalette(const CanvasPalette& palette) override;
    std::int32_t DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          const std::uint8_t* topRow, std::ptrdiff_t rowStep,
                          std::int32_t transparentIndex) override;

    void FillSolid(const ControlRect& rect, RgbColour colour);
    // A hatch of diagonal lines both ways on a white ground: the look of an area with
    // nothing to show.
    void FillDiagonalCross(const ControlRect& rect, RgbColour lines);
    // Printable ASCII in a small built-in pixel font (5 by 7 cells, 6 pixels apart); other
    // characters show as a box. For labels of controls that have nothing else to show.
    void DrawLabel(std::int32_t x, std::int32_t y, std::string_view text, RgbColour colour);

private:
    void SetPixel(std::int32_t x, std::int32_t y, std::uint32_t rgb);

    RgbTarget FTarget;
    std::int32_t FOriginX;
    std::int32_t FOriginY;
    ControlRect FClip;
    CanvasPalette FPalette{};
    RgbLookup FLookup{};
};

class ControlHost;

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // In the host's client coordinates.
    const ControlRect& Bounds() const { return FBounds; }
    void SetBounds(const ControlRect& bounds);
    void SetSize(std::int32_t width, std::int32_t height);
    std::int32_t Width() const { return FBounds.Width(); }
    std::int32_t Height() const { return FBounds.Height(); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    // A disabled control takes no mouse input; the pointer over it belongs to what lies below.
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled) { FEnabled = enabled; }
    // A control that fills the host follows the host's size.
    bool FillsHost() const { return FFillsHost; }
    void SetFillsHost(bool fills);

    // Cursor number shown while the pointer is over the control: -1 none, 0 the arrow.
    std::int16_t Cursor = 0;

    ControlHost* Host() const { return FHost; }
    // Asks for the whole control to be painted again.
    void Invalidate();

    // The canvas shows the control at (0, 0) and is limited to the area being painted.
    virtual void Paint(ControlCanvas& canvas) = 0;
    // Mouse events in control coordinates. While any button is held the control that took
    // the press receives every event, wherever the pointer goes.
    virtual void MouseDown(MouseButton, std::int32_t /*x*/, std::int32_t /*y*/) {}
    virtual void MouseMove(std::int32_t /*x*/, std::int32_t /*y*/) {}
    virtual void MouseUp(MouseButton, std::int32_t /*x*/, std::int32_t /*y*/) {}

private:
    friend class ControlHost;
    ControlHost* FHost = nullptr;
    ControlRect FBounds;
    bool FVisible = true;
    bool FEnabled = true;
    bool FFillsHost = false;
};

class ControlHost {
public:
    ControlHost(std::int32_t width, std::int32_t height);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // On top of every control added before; a control belongs to one host at a time.
    void Add(Control& control);
    void Remove(Control& control);

    std::int32_t Width() const { return FWidth; }
    std::int32_t Height() const { return FHeight; }
    // Resizes the back buffer (its content is lost), refits filling controls, repaints all.
    void Resize(std::int32_t width, std::int32_t height);

    void Invalidate(const ControlRect& rect);
    const ControlRect& InvalidRect() const { return FInvalid; }
    // Paints every visible control that meets the invalid area, bottom to top, each limited
    // to that area; returns the area painted (empty when nothing was invalid).
    ControlRect PaintInvalid();

    RgbTarget BackBuffer();
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) const;  // 0x00RRGGBB; 0 off the buffer

    // Mouse input in client coordinates.
    void MouseDown(MouseButton button, std::int32_t x, std::int32_t y);
    void MouseMove(std::int32_t x, std::int32_t y);
    void MouseUp(MouseButton button, std::int32_t x, std::int32_t y);
    Control* Captured() const { return FCaptured; }
    // The topmost visible, enabled control at the point, or nullptr.
    Control* ControlAt(std::int32_t x, std::int32_t y) const;
    // The cursor number for the pointer at the point: the captured control's while a button
    // is held, else that of the control under it, else 0 (the arrow).
    std::int16_t CursorAt(std::int32_t x, std::int32_t y) const;

private:
    void Forget(Control& control);

    std::int32_t FWidth;
    std::int32_t FHeight;
    std::vector<std::uint32_t> FPixels;
    std::vector<Control*> FControls;  // bottom to top
    ControlRect FInvalid;
    Control* FCaptured = nullptr;
    std::uint32_t FHeldButtons = 0;
};

}  // namespace platform
