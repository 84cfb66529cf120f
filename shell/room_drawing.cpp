// The room's pictures: the background at the scroll offset, the overlays above it, the
// camera flash, redraws of one rectangle and the one saved rectangle of the view. Every
// library image and surface the room takes is paired with its release.
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "qe_exception.h"
#include "room.h"
#include "room_world.h"
#include "view_size.h"

namespace {

// Drops a surface reference when the scope ends, also when drawing fails.
class TSurfaceHold {
public:
    TSurfaceHold(TAC8Library& library, TImageNode* node)
        : FLibrary(library), FNode(node), FData(library.GetImageData(node)) {}
    ~TSurfaceHold() { FLibrary.ReleaseImageData(FNode); }
    TSurfaceHold(const TSurfaceHold&) = delete;
    TSurfaceHold& operator=(const TSurfaceHold&) = delete;
    TAC8ImageData& Data() const { return *FData; }

private:
    TAC8Library& FLibrary;
    TImageNode* FNode;
    TAC8ImageData* FData;
};

// Sets a clip rectangle and puts the previous one back when the scope ends.
class TClipScope {
public:
    TClipScope(TAC8ImageData& view, const TRect& clip) : FView(view), FPrevious(view.ClipRect()) {
        view.SetClipRect(clip);
    }
    ~TClipScope() { FView.SetClipRect(FPrevious); }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TAC8ImageData& FView;
    TRect FPrevious;
};

}  // namespace

TAC8Library& TRoom::Library() {
    if (FLibrary == nullptr) {
        // Pictures are held only while the library is registered; once it has gone
        // (or before the first picture) any node pointer left here is stale.
        FBackground = nullptr;
        FSaveUnderImage = nullptr;
        FSaveUnderData = nullptr;
        TAC8Library* library = World().GetImageLibrary();
        if (library == nullptr) RaiseGameError(GameStringNilPointer);
        FLibrary = library;
        FLibrary->AddReference(&FLibrary);
    }
    return *FLibrary;
}

void TRoom::Draw(TAC8ImageData* view) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    if (IsBlanked()) {
        view->FillRect(view->GetBounds(), kFlashColour);
        return;
    }
    TAC8Library& library = Library();
    if (FBackground == nullptr) SetBackground(library.LoadImageNamed(GetBackgroundName()));
    TSurfaceHold background(library, FBackground);
    Flags |= kRoomDrawn;
    background.Data().FlipVertical = (Flags & kRoomFlipVertical) != 0;
    background.Data().FlipHorizontal = (Flags & kRoomFlipHorizontal) != 0;
    view->Blit(TPoint{0, 0}, background.Data(), MakeBounds(ScrollOffset, 0, ViewWidth(), ViewHeight()));
    DrawOverlays(view);
}

void TRoom::SetBackground(TImageNode* node) {
    if (FBackground != nullptr && FLibrary != nullptr) FLibrary->ReleaseImage(FBackground);
    FBackground = nullptr;
    if (node != nullptr) {
        Library();  // the library the node came from is the one it goes back to
        FBackground = node;
    }
}

void TRoom::RedrawRect(TAC8ImageData* view, const TRect& rect) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TClipScope clip(*view, rect);
    Draw(view);
}

void TRoom::RedrawOverlaysRect(TAC8ImageData* view, const TRect& rect) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TClipScope clip(*view, rect);
    DrawOverlays(view);
}

void TRoom::SaveUnder(TAC8ImageData* view, const TRect& rect) {
    FreeSaveUnder();
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    TAC8Library& library = Library();
    TImageNode* node = library.CreateImage("savunder", static_cast<std::uint32_t>(RectWidth(rect)),
                                           static_cast<std::uint32_t>(RectHeight(rect)));
    try {
        TAC8ImageData* data = library.GetImageData(node);
        FSaveUnderImage = node;
        FSaveUnderData = data;
        FSaveUnderRect = rect;
        data->Blit(TPoint{0, 0}, *view, rect);
    } catch (...) {
        if (FSaveUnderImage == nullptr) library.ReleaseImage(node);
        FreeSaveUnder();
        throw;
    }
}

void TRoom::RestoreUnder(TAC8ImageData* view) {
    if (FSaveUnderData == nullptr || view == nullptr) return;
    view->Blit(TPoint{FSaveUnderRect.Left, FSaveUnderRect.Top}, *FSaveUnderData, FSaveUnderData->GetBounds());
}

void TRoom::FreeSaveUnder() {
    if (FSaveUnderImage != nullptr && FLibrary != nullptr) {
        FLibrary->ReleaseImageData(FSaveUnderImage);
        FLibrary->ReleaseImage(FSaveUnderImage);
    }
    FSaveUnderImage = nullptr;
    FSaveUnderData = nullptr;
}

// The base's own references, dropped without virtual calls. With the library gone
// (FLibrary cleared by it) the images went with it and there is nothing to drop.
void TRoom::ReleaseRoomGraphics() {
    FreeSaveUnder();
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) frameSet->ReleaseImage();
    if (FBackground != nullptr && FLibrary != nullptr) FLibrary->ReleaseImage(FBackground);
    FBackground = nullptr;
    if (FLibrary != nullptr) FLibrary->RemoveReference(&FLibrary);
    FLibrary = nullptr;
}
