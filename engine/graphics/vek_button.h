#pragma once
// A picture button of the window frame. Its looks come from a library picture of one to
// three frames stacked vertically (normal, pressed or checked, disabled); the chosen frame is
// composed over the background behind the button in a private buffer, which is what paints.
// A push button clicks on release inside; a toggle clicks on press and flips Checked.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/picture_handles.h"
#include "platform/controls.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;
class TTileBG;

class TVekButton : public platform::Control {
public:
    using TNotifyEvent = std::function<void(TVekButton& sender)>;

    // 75 by 25, disabled, three frames, no picture.
    TVekButton();
    ~TVekButton() override;

    // Shown in place of a picture when there is none.
    std::string Name;
    std::int32_t Version = 1;  // kept with the window's layout; no behaviour

    TNotifyEvent OnClick;
    // Called after each composition, to draw over the buffer.
    TNotifyEvent OnDecorate;

    const AC8ImageName& ImageName() const { return FImageName; }
    // Loads the strip, sizes the button to one frame of it and makes the buffer.
    void SetImageName(const AC8ImageName& name);
    // The library the strip comes from; none (no picture) until one is set.
    TAC8Library* Library();
    void SetLibrary(TAC8Library* library);

    void SetTileBG(TTileBG* background);
    std::uint8_t BGPen() const { return FBGPen; }
    void SetBGPen(std::uint8_t index);
    void SetEnabled(bool enabled) override;
    bool Toggles = false;
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    std::uint8_t FrameCount() const { return FFrameCount; }
    // Accepted only in 1..3; the size is not recomputed.
    void SetFrameCount(std::uint8_t count);

    // The frame the buffer shows now (0 normal, 1 pressed or checked, 2 disabled).
    std::int32_t CurrentFrame() const;
    // The composed picture, or null without a strip.
    TAC8ImageData* Buffer() const;

    void Paint(platform::ControlCanvas& canvas) override;
    void MouseDown(platform::MouseButton button, std::int32_t x, std::int32_t y) override;
    void MouseMove(std::int32_t x, std::int32_t y) override;
    void MouseUp(platform::MouseButton button, std::int32_t x, std::int32_t y) override;

private:
    void Recompose();
    void ReleasePictures();
    bool Inside(std::int32_t x, std::int32_t y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

    AC8ImageName FImageName;
    TLibraryLink FLibrary;
    TPictureHandle FStrip;
    TPictureHandle FBuffer;  // composed frame; released before the strip
    TTileBG* FTileBG = nullptr;
    std::uint8_t FBGPen = 0;
    bool FChecked = false;
    std::uint8_t FFrameCount = 3;
    bool FPressed = false;
    bool FPointerInside = false;
};
