#include "world_view.h"

#include "hit_box.h"
#include "world.h"

namespace {
TMouseButton ToBoxButton(platform::MouseButton button) {
    switch (button) {
        case platform::MouseButton::Right: return TMouseButton::Right;
        case platform::MouseButton::Middle: return TMouseButton::Middle;
        default: return TMouseButton::Left;
    }
}

std::uint8_t ButtonBit(platform::MouseButton button) {
    switch (button) {
        case platform::MouseButton::Right: return kRightButtonDown;
        case platform::MouseButton::Middle: return kMiddleButtonDown;
        default: return kLeftButtonDown;
    }
}
}  // namespace

TWorldView::TWorldView(TWorld& world) : FWorld(world) {
    SetBounds(platform::ControlRect{0, 0, kPlayAreaWidth, kPlayAreaHeight});
}

void TWorldView::Paint(platform::ControlCanvas& canvas) { FWorld.ViewPaint(canvas); }

std::uint8_t TWorldView::ShiftState(std::uint8_t buttonBits) const {
    const TKeyState keys = FWorld.FWindow.ReadKeys();
    return static_cast<std::uint8_t>(buttonBits | (keys.Shift ? kShiftKey : 0) | (keys.Ctrl ? kCtrlKey : 0));
}

void TWorldView::MouseDown(platform::MouseButton button, std::int32_t x, std::int32_t y) {
    FHeldButtons = static_cast<std::uint8_t>(FHeldButtons | ButtonBit(button));
    FWorld.ViewMouseDown(ToBoxButton(button), ShiftState(FHeldButtons), x, y);
}

void TWorldView::MouseMove(std::int32_t x, std::int32_t y) { FWorld.ViewMouseMove(ShiftState(FHeldButtons), x, y); }

void TWorldView::MouseUp(platform::MouseButton button, std::int32_t x, std::int32_t y) {
    FHeldButtons = static_cast<std::uint8_t>(FHeldButtons & ~ButtonBit(button));
    FWorld.ViewMouseUp(ToBoxButton(button), ShiftState(FHeldButtons), x, y);
}
