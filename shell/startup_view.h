#pragma once
// The loading picture: shown over the whole window while the main window builds the game,
// then hidden. It owns the start library and shows the library's first picture, centred on
// black.
#include <memory>

#include "engine/graphics/picture_handles.h"

#include "platform/controls.h"
#include "platform/game_window.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;

class TStartupView final : public platform::Control {
public:
    explicit TStartupView(std::unique_ptr<TAC8Library> library);
    ~TStartupView() override;

    void Paint(platform::ControlCanvas& canvas) override;
    // Drops the picture: its surface first, then the picture the surface was made from; the
    // view paints black afterwards. The destructor does the same.
    void ReleasePicture();

    // The window's icon: the middle square of the loading picture, made `side` pixels square;
    // empty without a picture.
    platform::CursorPicture IconPicture(std::int32_t side = kIconSide) const;

    static constexpr std::int32_t kIconSide = 64;

private:
    std::unique_ptr<TAC8Library> FLibrary;
    TPictureHandle FPicture;
};
