#pragma once
// The plain controls of the game window: a paint box whose owner paints it and takes its
// clicks, a panel of one colour, and a one-line text label.
#include <functional>
#include <string>

#include "platform/controls.h"

namespace platform {

class PaintBox : public Control {
public:
    std::function<void(PaintBox& sender, ControlCanvas& canvas)> OnPaint;
    // A press and release of the left button inside the box.
    std::function<void(PaintBox& sender)> OnClick;
    std::int32_t Tag = 0;

    void Paint(ControlCanvas& canvas) override;
    void MouseDown(MouseButton button, std::int32_t x, std::int32_t y) override;
    void MouseUp(MouseButton button, std::int32_t x, std::int32_t y) override;

private:
    bool FPressed = false;
};

class Panel : public Control {
public:
    RgbColour Colour{0, 0, 0};
    void Paint(ControlCanvas& canvas) override;
};

// Text in the platform's label font, drawn over what lies below. Takes no mouse input.
class Label : public Control {
public:
    Label() { SetEnabled(false); }
    void SetText(std::string text);
    const std::string& Text() const { return FText; }
    RgbColour Colour{0, 0, 0};
    // The size the text needs.
    std::int32_t TextWidth() const;
    static std::int32_t TextHeight();

    void Paint(ControlCanvas& canvas) override;

private:
    std::string FText;
};

}  // namespace platform
