#pragma once
// The loading picture: shown over the whole window while the main window builds the game,
// then hidden. It owns the start library and shows the library's first picture, centred on
// black.
#include <memory>

#include "engine/graphics/picture_handles.h"

#include "platform/controls.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;

class TStartupView final : public platform::Control {
public:
    explicit TStartupView(std::unique_ptr<TAC8Library> library);
    ~TStartupView() override;

    void Paint(platform::ControlCanvas& canvas) override;

private:
    std::unique_ptr<TAC8Library> FLibrary;
    TPictureHandle FPicture;
};
