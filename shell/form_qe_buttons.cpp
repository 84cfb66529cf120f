// The main window's room and action buttons: each shows a private picture composed from
// the button sheets of the library, redrawn only when its state changes.
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/hot_image.h"
#include "engine/graphics/ac8_palette.h"
#include "shell/form_qe.h"
#include "shell/world.h"

namespace {
// The colour of a button with nothing on it.
constexpr std::uint8_t kEmptyButtonColour = 118;
constexpr std::int32_t kFaceSize = 43;
}  // namespace

void TFormQE::CreateButtonPictures() {
    FEdgeImage = std::make_unique<THotImage>(AC8ImageName("rb_edge"), false, FLibrary.get());
    FFaceImage = std::make_unique<THotImage>(AC8ImageName("rb_face"), false, FLibrary.get());
    for (int i = 1; i <= kNavButtonCount; ++i)
        FNavImages[std::size_t(i - 1)] = THotImage::CreateBlank(NavBox(i).Width(), NavBox(i).Height(), FLibrary.get());
    FActionSheet = std::make_unique<THotImage>(AC8ImageName("actbtns"), false, FLibrary.get());
    for (int i = 1; i <= kActionButtonCount; ++i)
        FActionImages[std::size_t(i - 1)] =
            THotImage::CreateBlank(ActionBox(i).Width(), ActionBox(i).Height(), FLibrary.get());
}

void TFormQE::FreeButtonPictures() {
    for (auto& image : FNavImages) image.reset();
    for (auto& image : FActionImages) image.reset();
    FEdgeImage.reset();
    FFaceImage.reset();
    FActionSheet.reset();
}

TAC8ImageData* TFormQE::NavPicture(int index) {
    THotImage* image = FNavImages.at(std::size_t(index - 1)).get();
    return image == nullptr ? nullptr : &image->Image();
}

TAC8ImageData* TFormQE::ActionPicture(int index) {
    THotImage* image = FActionImages.at(std::size_t(index - 1)).get();
    return image == nullptr ? nullptr : &image->Image();
}

void TFormQE::SetHomeIndex(std::uint8_t index) { FHomeIndex = index; }

void TFormQE::SetNavButtonState(int index, TNavState state) {
    if (index < 1 || index > kNavButtonCount) return;
    FNavStates[std::size_t(index - 1)] = state;
    DrawNavButton(index);
}

void TFormQE::DrawNavButton(int index) {
    platform::PaintBox& box = NavBox(index);
    TAC8ImageData* picture = NavPicture(index);
    const TNavState state = FNavStates[std::size_t(index - 1)];
    if (picture != nullptr && FNavGreyed) {
        picture->FillRect(picture->GetBounds(), kEmptyButtonColour);
        box.Cursor = 0;
    } else if (picture != nullptr && FEdgeImage && FFaceImage) {
        const std::int32_t edgeRow = index == FHomeIndex ? 2 : state == TNavState::Current ? 1 : 0;
        picture->Blit(TPoint{0, 0}, FEdgeImage->Image(),
                      TRect{0, edgeRow * kButtonSize, kButtonSize, (edgeRow + 1) * kButtonSize});
        const std::int32_t faceRow = state == TNavState::Disabled ? index + 3 : index - 1;
        const TPoint facePlace = state == TNavState::Current ? TPoint{9, 8} : TPoint{8, 8};
        picture->Blit(facePlace, FFaceImage->Image(), TRect{0, faceRow * kFaceSize, kFaceSize, (faceRow + 1) * kFaceSize});
        box.Cursor = state == TNavState::Normal ? 1 : 0;
    }
    box.Invalidate();
}

void TFormQE::SetNavGreyed(bool greyed) {
    if (greyed == FNavGreyed) return;
    FNavGreyed = greyed;
    for (int i = 1; i <= kNavButtonCount; ++i) DrawNavButton(i);
}

void TFormQE::SetActionCommand(int index, TActionCommand command) {
    if (index < 1 || index > kActionButtonCount) return;
    FActionCommands[std::size_t(index - 1)] = command;
    SetActionState(index, FActionStates[std::size_t(index - 1)]);
}

void TFormQE::SetActionState(int index, TActionState state) {
    if (index < 1 || index > kActionButtonCount) return;
    platform::PaintBox& box = ActionBox(index);
    TAC8ImageData* picture = ActionPicture(index);
    const TActionCommand command = FActionCommands[std::size_t(index - 1)];
    if (command == TActionCommand::None) {
        if (picture != nullptr) picture->FillRect(picture->GetBounds(), kEmptyButtonColour);
        box.Cursor = 0;
    } else if (state == TActionState::Disabled && index == FPressedAction) {
        // The pressed look stays until its countdown ends.
        box.Cursor = 0;
    } else {
        if (picture != nullptr && FActionSheet) {
            const std::int32_t column = static_cast<std::int32_t>(state);
            const std::int32_t row = static_cast<std::int32_t>(command) - 1;
            picture->Blit(TPoint{0, 0}, FActionSheet->Image(),
                          TRect{column * kButtonSize, row * kButtonSize, (column + 1) * kButtonSize,
                                (row + 1) * kButtonSize});
        }
        box.Cursor = state == TActionState::Normal ? 1 : 0;
    }
    FActionStates[std::size_t(index - 1)] = state;
    box.Invalidate();
}

void TFormQE::SetTutorChecked(bool checked) { FTutor.SetChecked(checked); }

void TFormQE::NavButtonClick(int index) {
    if (index < 1 || index > kNavButtonCount || FNavGreyed || !FWorld) return;
    // A click while a room change is under way would start a second one inside it.
    if ((FWorld->GetFlags() & kWorldBusy) != 0) return;
    if (FNavStates[std::size_t(index - 1)] == TNavState::Normal) FWorld->NavButtonClick(index);
}

void TFormQE::ActionButtonClick(int index) {
    if (index < 1 || index > kActionButtonCount || !FWorld) return;
    if ((FWorld->GetFlags() & kWorldBusy) != 0) return;
    const TActionCommand command = FActionCommands[std::size_t(index - 1)];
    if (command == TActionCommand::None || FActionStates[std::size_t(index - 1)] != TActionState::Normal) return;
    FPressedAction = static_cast<std::uint8_t>(index);
    FPressCountdown = kPressedTicks;
    SetActionState(index, TActionState::Pressed);
    FWorld->ActionButtonClick(command);
}

void TFormQE::PaintButton(THotImage* picture, platform::ControlCanvas& canvas) {
    // Nothing to show before the pictures exist.
    if (picture == nullptr || !FLibrary || FLibrary->Palette() == nullptr) return;
    TAC8ImageData& image = picture->Image();
    const platform::ControlRect& clip = canvas.ClipRect();
    image.AddDamage(TRect{clip.Left, clip.Top, clip.Right, clip.Bottom});
    const platform::CanvasPalette previous = canvas.Palette();
    canvas.SelectPalette(FLibrary->GetHPal()->Colours());
    image.DisplayDamage(canvas, TPoint{0, 0});
    canvas.SelectPalette(previous);
}
