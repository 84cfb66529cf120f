// The room's pictures: the background at the scroll offset, the overlays above it, the
// camera flash, redraws of one rectangle and the one saved rectangle of the view. Every
// library image and surface the room takes is held by a handle that gives it back.
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/clip_restore.h"
#include "qe_exception.h"
#include "room.h"
#include "room_world.h"
#include "view_size.h"

TAC8Library& TRoom::Library() {
    if (!FLibrary) {
        // Pictures are held only while the library is there; once it has gone (or before
        // the first picture) the handles are empty and are simply dropped.
        FBackground.Reset();
        FSaveUnder.Reset();
        TAC8Library* library = World().GetImageLibrary();
        if (library == nullptr) RaiseGameError(GameStringNilPointer);
        FLibrary.Reset(library);
    }
    return *FLibrary.Get();
}

// The part every room shares: no view is an error, the camera flash blanks the whole view,
// and whatever clip the room's picture narrows is put back afterwards.
void TRoom::Draw(TAC8ImageData* view) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    if (IsBlanked()) {
        view->FillRect(view->GetBounds(), kFlashColour);
        return;
    }
    TClipRestore clip(*view);
    DrawPicture(*view);
}

void TRoom::DrawPicture(TAC8ImageData& view) {
    TAC8Library& library = Library();
    if (!FBackground) SetBackground(library.LoadImageNamed(GetBackgroundName()));
    TSurfaceHandle background(library, FBackground.Node());
    Flags |= kRoomDrawn;
    background->FlipVertical = (Flags & kRoomFlipVertical) != 0;
    background->FlipHorizontal = (Flags & kRoomFlipHorizontal) != 0;
    view.Blit(TPoint{0, 0}, *background, MakeBounds(ScrollOffset, 0, ViewWidth(), ViewHeight()));
    DrawOverlays(&view);
}

void TRoom::SetBackground(TImageNode* node) {
    FBackground.Reset();
    // The library the node came from is the one it goes back to.
    if (node != nullptr) FBackground = TImageHandle::Adopt(Library(), node);
}

void TRoom::RedrawRect(TAC8ImageData* view, const TRect& rect) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TClipRestore clip(*view);
    view->SetClipRect(rect);
    Draw(view);
}

void TRoom::RedrawOverlaysRect(TAC8ImageData* view, const TRect& rect) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TClipRestore clip(*view);
    view->SetClipRect(rect);
    DrawOverlays(view);
}

void TRoom::SaveUnder(TAC8ImageData* view, const TRect& rect) {
    FreeSaveUnder();
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TAC8Library& library = Library();
    TPictureHandle saved(TImageHandle::CreateBlank(library, "savunder", static_cast<std::uint32_t>(RectWidth(rect)),
                                                   static_cast<std::uint32_t>(RectHeight(rect))));
    saved->Blit(TPoint{0, 0}, *view, rect);
    FSaveUnder = std::move(saved);
    FSaveUnderRect = rect;
}

void TRoom::RestoreUnder(TAC8ImageData* view) {
    if (!FSaveUnder || view == nullptr) return;
    view->Blit(TPoint{FSaveUnderRect.Left, FSaveUnderRect.Top}, *FSaveUnder, FSaveUnder->GetBounds());
}

void TRoom::FreeSaveUnder() { FSaveUnder.Reset(); }

// The base's own references, dropped without virtual calls. With the library gone the
// images went with it and the handles have nothing to give back.
void TRoom::ReleaseRoomGraphics() {
    FreeSaveUnder();
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) frameSet->ReleaseImage();
    FBackground.Reset();
    FLibrary.Reset();
}
