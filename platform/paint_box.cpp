#include "platform/paint_box.h"

#include "platform/label_font.h"

namespace platform {

void PaintBox::Paint(ControlCanvas& canvas) {
    if (OnPaint) OnPaint(*this, canvas);
}

void PaintBox::MouseDown(MouseButton button, std::int32_t, std::int32_t) {
    if (button == MouseButton::Left) FPressed = true;
}

void PaintBox::MouseUp(MouseButton button, std::int32_t x, std::int32_t y) {
    if (button != MouseButton::Left || !FPressed) return;
    FPressed = false;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside && OnClick) OnClick(*this);
}

void Panel::Paint(ControlCanvas& canvas) { canvas.FillSolid(ControlRect{0, 0, Width(), Height()}, Colour); }

void Label::SetText(std::string text) {
    FText = std::move(text);
    Invalidate();
}

std::int32_t Label::TextWidth() const { return static_cast<std::int32_t>(FText.size()) * LabelAdvance; }
std::int32_t Label::TextHeight() { return LabelGlyphHeight + 1; }

void Label::Paint(ControlCanvas& canvas) { canvas.DrawLabel(0, 0, FText, Colour); }

}  // namespace platform
