#pragma once
// A frame set: a named animation strip of equal-height frames stacked top to bottom in one
// library image, drawn one frame at a time at a position of the view. Rooms own them and
// change the current frame to animate doors, lamps, toys and buttons; a frame set's current
// frame may also hold a small bit of room state, which is why the saved game keeps it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/graphics/picture_handles.h"
#include "foundation/geometry.h"
#include "foundation/id_list.h"
#include "foundation/typed_node_list.h"

class TAC8ImageData;
class TAC8Library;
class TImageNode;

inline constexpr std::uint8_t kFrameSetClassId = 11;

class TFrameSet : public TIDNode {
public:
    // For the node factory: no strip, no library; the stream record fills the rest.
    TFrameSet();
    TFrameSet(std::string_view name, const TRect& position, std::uint16_t frameCount,
              std::uint16_t frameHeight, std::string_view imageName, TAC8Library* library);
    ~TFrameSet() override;

    // Drops the strip's reference; the next draw loads it again.
    void ReleaseImage();
    // Frame (taken unsigned) below the frame count: make it current and draw it.
    void ShowFrame(TAC8ImageData* view, std::int16_t frame);
    // DrawNow: ShowFrame; otherwise store the frame without a range check or drawing.
    void SetFrame(TAC8ImageData* view, std::int16_t frame, bool drawNow);
    void Draw(TAC8ImageData* view);
    void DrawAt(TAC8ImageData* view, TPoint at);
    // Loaded: the strip's whole rectangle at the position; not loaded: the empty rectangle.
    TRect GetBounds() const;

    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

    const std::string& GetImageName() const { return FImageName; }
    std::uint16_t GetFrameHeight() const { return FFrameHeight; }
    std::uint16_t GetFrameCount() const { return FFrameCount; }
    TAC8Library* GetLibrary() const { return FLibrary.Get(); }
    bool IsLoaded() const { return static_cast<bool>(FStrip); }

    std::int16_t CurrentFrame = 0;
    bool Visible = true;
    std::int32_t X = 0;
    std::int32_t Y = 0;

private:
    void LoadStrip();

    TPictureHandle FStrip;
    std::string FImageName;
    std::uint16_t FFrameHeight = 0;
    std::uint16_t FFrameCount = 0;
    // Read as none once the library has gone.
    TLibraryLink FLibrary;
};

class TFrameSetList : public TTypedNodeList<TFrameSet, TIDList> {
public:
    TFrameSet* FindFrameSet(std::string_view name) const;
};

// The frame set of that name; none raises QEException with game string 1350.
TFrameSet& FindFrameSetOrFail(const TFrameSetList& list, std::string_view name);
