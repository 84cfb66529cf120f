#include "platform/controls.h"

#include <algorithm>

#include "platform/label_font.h"

namespace platform {

ControlRect Intersect(const ControlRect& a, const ControlRect& b) {
    const ControlRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                        std::min(a.Bottom, b.Bottom)};
    return r.Empty() ? ControlRect{} : r;
}

ControlRect Union(const ControlRect& a, const ControlRect& b) {
    if (a.Empty()) return b.Empty() ? ControlRect{} : b;
    if (b.Empty()) return a;
    return ControlRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                       std::max(a.Bottom, b.Bottom)};
}

// ---- ControlCanvas

ControlCanvas::ControlCanvas(const RgbTarget& backBuffer, std::int32_t originX, std::int32_t originY, ControlRect clip)
    : FTarget(backBuffer), FOriginX(originX), FOriginY(originY) {
    // Never beyond the back buffer, whatever the caller asked for.
    const ControlRect buffer{-originX, -originY, backBuffer.Width - originX, backBuffer.Height - originY};
    FClip = Intersect(clip, buffer);
    FLookup = MakeRgbLookup(FPalette);
}

void ControlCanvas::SelectPalette(const CanvasPalette& palette) {
    FPalette = palette;
    FLookup = MakeRgbLookup(palette);
}

std::int32_t ControlCanvas::DrawRows(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                                     const std::uint8_t* topRow, std::ptrdiff_t rowStep,
                                     std::int32_t transparentIndex) {
    if (FClip.Empty()) return 0;
    // A target that is exactly the clip area, so the shared drawing clips for us.
    RgbTarget view;
    view.Pixels = FTarget.Pixels + (FOriginY + FClip.Top) * FTarget.Stride + (FOriginX + FClip.Left);
    view.Width = FClip.Width();
    view.Height = FClip.Height();
    view.Stride = FTarget.Stride;
    return DrawIndexedRows(view, FLookup, x - FClip.Left, y - FClip.Top, width, height, topRow, rowStep,
                           transparentIndex);
}

void ControlCanvas::SetPixel(std::int32_t x, std::int32_t y, std::uint32_t rgb) {
    if (!FClip.Contains(x, y)) return;
    FTarget.Pixels[(FOriginY + y) * FTarget.Stride + (FOriginX + x)] = rgb;
}

void ControlCanvas::FillSolid(const ControlRect& rect, RgbColour colour) {
    // Panels fill the whole play area under every full redraw: whole clipped rows at a time.
    const ControlRect r = Intersect(rect, FClip);
    if (r.Empty()) return;
    const std::uint32_t rgb = PackRgb(colour);
    std::uint32_t* row = FTarget.Pixels + (FOriginY + r.Top) * FTarget.Stride + (FOriginX + r.Left);
    for (std::int32_t y = r.Top; y < r.Bottom; ++y, row += FTarget.Stride) std::fill_n(row, r.Width(), rgb);
}

void ControlCanvas::FillDiagonalCross(const ControlRect& rect, RgbColour lines) {
    const ControlRect r = Intersect(rect, FClip);
    const std::uint32_t ink = PackRgb(lines);
    const std::uint32_t ground = 0xFFFFFF;
    // The hatch is anchored to the back buffer, so neighbouring paints join without seams.
    for (std::int32_t y = r.Top; y < r.Bottom; ++y)
        for (std::int32_t x = r.Left; x < r.Right; ++x) {
            const std::int32_t bx = FOriginX + x;
            const std::int32_t by = FOriginY + y;
            const bool onLine = ((bx + by) & 7) == 0 || ((bx - by) & 7) == 0;
            SetPixel(x, y, onLine ? ink : ground);
        }
}

void ControlCanvas::DrawLabel(std::int32_t x, std::int32_t y, std::string_view text, RgbColour colour) {
    const std::uint32_t rgb = PackRgb(colour);
    for (const char c : text) {
        const auto glyph = LabelGlyph(c);
        for (int col = 0; col < LabelGlyphWidth; ++col)
            for (int row = 0; row < LabelGlyphHeight; ++row)
                if ((glyph[static_cast<std::size_t>(col)] >> row) & 1) SetPixel(x + col, y + row, rgb);
        x += LabelAdvance;
    }
}

// ---- Control

Control::~Control() {
    if (FHost != nullptr) FHost->Remove(*this);
}

void Control::SetBounds(const ControlRect& bounds) {
    if (bounds == FBounds) return;
    Invalidate();
    FBounds = bounds;
    Invalidate();
}

void Control::SetSize(std::int32_t width, std::int32_t height) {
    SetBounds(ControlRect{FBounds.Left, FBounds.Top, FBounds.Left + width, FBounds.Top + height});
}

void Control::SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    if (FHost != nullptr) FHost->Invalidate(FBounds);
}

void Control::SetFillsHost(bool fills) {
    FFillsHost = fills;
    if (fills && FHost != nullptr) SetBounds(ControlRect{0, 0, FHost->Width(), FHost->Height()});
}

void Control::Invalidate() {
    if (FHost != nullptr) FHost->Invalidate(FBounds);
}

// ---- ControlHost

ControlHost::ControlHost(std::int32_t width, std::int32_t height)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), 0) {}

ControlHost::~ControlHost() {
    for (Control* control : FControls) control->FHost = nullptr;
}

void ControlHost::Add(Control& control) {
    if (control.FHost == this) return;
    if (control.FHost != nullptr) control.FHost->Remove(control);
    FControls.push_back(&control);
    control.FHost = this;
    if (control.FFillsHost) control.FBounds = ControlRect{0, 0, FWidth, FHeight};
    control.Invalidate();
}

void ControlHost::Remove(Control& control) {
    if (control.FHost != this) return;
    Invalidate(control.FBounds);
    Forget(control);
}

void ControlHost::Forget(Control& control) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), &control), FControls.end());
    control.FHost = nullptr;
    if (FCaptured == &control) {
        FCaptured = nullptr;
        FHeldButtons = 0;
    }
}

void ControlHost::Resize(std::int32_t width, std::int32_t height) {
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
    FPixels.assign(static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight), 0);
    for (Control* control : FControls)
        if (control->FFillsHost) control->FBounds = ControlRect{0, 0, FWidth, FHeight};
    FInvalid = ControlRect{0, 0, FWidth, FHeight};
}

void ControlHost::Invalidate(const ControlRect& rect) {
    FInvalid = Union(FInvalid, Intersect(rect, ControlRect{0, 0, FWidth, FHeight}));
}

ControlRect ControlHost::PaintInvalid() {
    const ControlRect area = FInvalid;
    FInvalid = ControlRect{};
    if (area.Empty()) return area;
    const RgbTarget target = BackBuffer();
    // A control may invalidate while painting; that asks for another pass, not this one.
    const std::vector<Control*> controls = FControls;
    for (Control* control : controls) {
        if (!control->FVisible) continue;
        const ControlRect part = Intersect(area, control->FBounds);
        if (part.Empty()) continue;
        const ControlRect& b = control->FBounds;
        ControlCanvas canvas(target, b.Left, b.Top,
                             ControlRect{part.Left - b.Left, part.Top - b.Top, part.Right - b.Left, part.Bottom - b.Top});
        control->Paint(canvas);
    }
    return area;
}

RgbTarget ControlHost::BackBuffer() {
    return RgbTarget{FPixels.data(), FWidth, FHeight, FWidth};
}

std::uint32_t ControlHost::PixelAt(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
    return FPixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x)];
}

Control* ControlHost::ControlAt(std::int32_t x, std::int32_t y) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        Control* control = *it;
        if (control->FVisible && control->FEnabled && control->FBounds.Contains(x, y)) return control;
    }
    return nullptr;
}

namespace {
std::uint32_t ButtonBit(MouseButton button) { return 1u << static_cast<unsigned>(button); }
}  // namespace

void ControlHost::MouseDown(MouseButton button, std::int32_t x, std::int32_t y) {
    Control* target = FCaptured != nullptr ? FCaptured : ControlAt(x, y);
    if (target == nullptr) return;
    FCaptured = target;
    FHeldButtons |= ButtonBit(button);
    target->MouseDown(button, x - target->FBounds.Left, y - target->FBounds.Top);
}

void ControlHost::MouseMove(std::int32_t x, std::int32_t y) {
    Control* target = FCaptured != nullptr ? FCaptured : ControlAt(x, y);
    if (target != nullptr) target->MouseMove(x - target->FBounds.Left, y - target->FBounds.Top);
}

void ControlHost::MouseUp(MouseButton button, std::int32_t x, std::int32_t y) {
    Control* target = FCaptured != nullptr ? FCaptured : ControlAt(x, y);
    FHeldButtons &= ~ButtonBit(button);
    if (FHeldButtons == 0) FCaptured = nullptr;
    // The handler may remove or destroy the control; nothing of it is used afterwards.
    if (target != nullptr) target->MouseUp(button, x - target->FBounds.Left, y - target->FBounds.Top);
}

std::int16_t ControlHost::CursorAt(std::int32_t x, std::int32_t y) const {
    if (FCaptured != nullptr) return FCaptured->Cursor;
    const Control* control = ControlAt(x, y);
    return control != nullptr ? control->Cursor : 0;
}

}  // namespace platform
