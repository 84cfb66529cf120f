#pragma once
// The decorated Christmas tree: its top ornament, four strings of lights that twinkle, four
// tinsel garlands and up to 101 baubles. The tree room decorates it, the living room shows
// it and the album keeps copies of it. Everything is drawn from two library pictures: the
// bare tree "tree" and the decoration sheet "treegfx".
#include <array>
#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/typed_node_list.h"
#include "rooms/tree/bauble.h"
#include "shell/hit_box.h"

namespace platform {
class RandomNumbers;
}

class TAC8ImageData;
class TAC8Library;
class THotImage;
class TStream;

inline constexpr int kTreeStringCount = 4;
inline constexpr int kTreeBulbCount = 36;
inline constexpr std::uint8_t kTreeTopChoiceCount = 4;
// One more than a hundred: the oldest goes only when the 102nd arrives.
inline constexpr std::int32_t kTreeMaxBaubles = 101;

class TTree {
public:
    // A library of nullptr means the held pictures' default library.
    explicit TTree(TAC8Library* library = nullptr);
    ~TTree();
    TTree(const TTree&) = delete;
    TTree& operator=(const TTree&) = delete;

    // The same decorations and lit bulbs, and a fresh bauble for each one, none selected.
    std::unique_ptr<TTree> Clone() const;

    // The whole tree with its origin at the point; remembered as the last drawing.
    void Draw(TAC8ImageData& surface, TPoint origin);
    // One step of the lights: lit bulbs burn down, two random bulbs may light up.
    void Twinkle(TAC8ImageData& surface, TPoint origin, platform::RandomNumbers& random);
    // Picking up, dragging and dropping a bauble; the point is a tree coordinate. True while
    // the mouse should stay captured.
    bool MouseEvent(TAC8ImageData& surface, TPoint point, TControlEventKind kind, TPoint origin);
    // The top-most bauble whose picture holds the point, or nullptr.
    TBauble* BaubleAt(TPoint point) const;
    // A new selected bauble of the kind (1 to 21) near the middle of the tree.
    void AddBauble(std::uint8_t kind);

    // 0 none, 1 to 4; other values are ignored.
    void SetTopChoice(std::uint8_t choice);
    // Strings and garlands are numbered 1 to 4; other numbers are ignored.
    void SetLightString(int number, bool on);
    void SetTinsel(int number, bool on);
    std::uint8_t TopChoice() const { return FTopChoice; }
    bool LightString(int number) const;
    bool Tinsel(int number) const;
    // Bulbs 1 to 36; bulb 27 never exists, and a bulb exists only while its string is on.
    bool BulbExists(int bulb) const;
    bool BulbLit(int bulb) const;
    std::uint8_t BulbCounter(int bulb) const;
    void SetBulbCounter(int bulb, std::uint8_t ticks);

    const TTypedNodeList<TBauble>& Baubles() const { return FBaubles; }
    TBauble* FirstSelected() const;
    // Clears the first selected bauble's flag (without drawing).
    void ClearSelection();
    // Where the next added bauble goes, relative to the tree picture's centre.
    TPoint NextOffset() const { return FNextOffset; }

    // The tree picture's size (loads it).
    std::int32_t PictureWidth();
    std::int32_t PictureHeight();

    // Drops the pictures' pixels (they are fetched again on the next drawing) and lets go of
    // the last drawing's surface, which may go away once the caller is done with it.
    void ReleasePictures();
    // Gives the pictures up altogether.
    void FreePictures();
    // Uses this library from now on (pictures held from another one are given up).
    void SetLibrary(TAC8Library* library);
    // The surface of the last whole drawing, held until the pictures are released (nullptr
    // when there is none, or the library it came from has gone).
    TAC8ImageData* LastSurface() const { return FLastSurface.Get(); }

    // The tree's own stream: top choice, light strings, tinsel, then the bauble list. A top
    // choice above 4, a switch byte other than 0 or 1, a record other than a bauble, a kind
    // outside 1 to 21 or more than 101 baubles raise "Saved game is damaged."; the tree is
    // changed only by a read that succeeds.
    void ReadFromStream(TStream& s);
    void WriteToStream(TStream& s) const;

    // The library the pictures come from.
    TAC8Library* Library() const;

private:
    TAC8ImageData& TreeImage();
    TAC8ImageData& DecorationImage();
    void DrawBauble(TAC8ImageData& surface, TPoint origin, const TBauble& bauble);
    // The tree redrawn into the rectangle (tree coordinates) only.
    void RedrawClipped(TAC8ImageData& surface, TPoint origin, const TRect& treeRect);

    TAC8Library* FLibrary = nullptr;
    TPictureHandle FLastSurface;
    TPoint FLastOrigin;
    TPoint FNextOffset;
    TPoint FGrabOffset;
    std::unique_ptr<THotImage> FTreePicture;
    std::unique_ptr<THotImage> FDecorationPicture;
    std::uint8_t FTopChoice = 0;
    std::array<bool, kTreeStringCount> FLights{};
    std::array<bool, kTreeStringCount> FTinsel{};
    std::array<std::uint8_t, kTreeBulbCount> FBulbCounters{};
    TTypedNodeList<TBauble> FBaubles;
};
