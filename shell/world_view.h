#pragma once
// The play area: a paint box of 514 by 322 pixels that shows the world's view picture inside
// a one-pixel black frame (or edge to edge for a full-frame room) and hands its mouse events
// to the world. The main window places it in its frame panel.
#include <cstdint>

#include "platform/controls.h"

class TWorld;

inline constexpr std::int32_t kPlayAreaWidth = 514;
inline constexpr std::int32_t kPlayAreaHeight = 322;

class TWorldView final : public platform::Control {
public:
    explicit TWorldView(TWorld& world);

    void Paint(platform::ControlCanvas& canvas) override;
    void MouseDown(platform::MouseButton button, std::int32_t x, std::int32_t y) override;
    void MouseMove(std::int32_t x, std::int32_t y) override;
    void MouseUp(platform::MouseButton button, std::int32_t x, std::int32_t y) override;

private:
    std::uint8_t ShiftState(std::uint8_t buttonBits) const;

    TWorld& FWorld;
    std::uint8_t FHeldButtons = 0;
};
