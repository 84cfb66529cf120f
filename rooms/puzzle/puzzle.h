#pragma once
// One picture-cube puzzle: a grid of 2 x 2, 3 x 3 or 4 x 4 cubes, each showing on its four
// faces one piece of each of four pictures. A cube's state is 0 to 7: the even states show a
// whole face (0 the first picture, 2 the second, 4 the third, 6 the fourth), an odd state is
// the cube half-way between the faces either side of it. The puzzle is solved when every cube
// shows the same face. It draws itself into the machine of the puzzle room, open (the cubes
// apart, turning) or closed (the frame pressed around them: one whole picture).
#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/picture_handles.h"
#include "foundation/geometry.h"

class TAC8ImageData;
class TAC8Library;
class THotImage;

inline constexpr int kPuzzleStates = 8;
inline constexpr int kMostBlocks = 4;
inline constexpr std::uint8_t kPuzzleTransparent = 108;  // scratch and block pictures see through it
inline constexpr std::uint8_t kPuzzleFaceKey = 15;       // where the half-turn picture takes a face
inline constexpr std::uint8_t kPuzzleAreaFill = 100;      // behind the cubes in the open machine

using TPuzzleStates = std::array<std::array<std::uint8_t, kMostBlocks>, kMostBlocks>;  // [column][row]

// Where the piece of block (c, r) of a face state lies in the "puzzle" picture of a size;
// an odd state raises "rcBlockSource: Invalid picture state".
TRect BlockSource(int size, int state, int c, int r);
// The same for the album's drawing, where any state but 0, 2 and 4 takes the fourth picture.
TRect SnapshotBlockSource(int size, int state, int c, int r);

namespace platform {
class RandomNumbers;
}

class TPuzzle {
public:
    // Size 2, 3 or 4, every cube on the first face and the frame open; Reset scrambles it.
    explicit TPuzzle(int size);
    ~TPuzzle();
    TPuzzle(const TPuzzle&) = delete;
    TPuzzle& operator=(const TPuzzle&) = delete;

    // Every cube of the size at a random state; the frame open.
    void Reset(platform::RandomNumbers& random);
    // Backwards steps the state down (0 to 7), otherwise up (7 to 0).
    void TurnBlock(int c, int r, bool backwards);
    // Closing settles each half-turned cube at random on one of its two faces.
    void SetClosed(bool closed, platform::RandomNumbers& random);
    // Every cube on the same whole face. Not solved forgets that the solved picture was shown.
    bool IsSolved();

    // The block's square while the frame is open (its click box).
    TRect BlockRect(int c, int r) const;
    // The machine with the cubes: mechanism columns and every cube.
    void Draw(TAC8ImageData& view, TPoint origin);
    // One cube, with what lies around it.
    void DrawBlock(TAC8ImageData& view, TPoint origin, int c, int r);
    // Lets go of every picture; the next drawing fetches them again.
    void ReleasePictures();
    void SetLibrary(TAC8Library* library) { FLibrary = library; }

    int Size() const { return FSize; }
    std::uint8_t State(int c, int r) const { return FStates[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]; }
    void SetState(int c, int r, std::uint8_t state);
    const TPuzzleStates& States() const { return FStates; }
    bool Closed() const { return FClosed; }
    bool SolvedShown() const { return FSolvedShown; }
    void SetSolvedShown(bool shown) { FSolvedShown = shown; }

private:
    TAC8Library& Library() const;
    TAC8ImageData& Picture(TPictureHandle& handle, const char* name);
    void FreeBlockPicture(int c, int r);
    void DrawMechanism(TAC8ImageData& view, TPoint origin);
    void ComposeBlock(int c, int r);
    // The cube's picture and where it goes (view coordinates, origin (0, 0)).
    TRect BlockPictureRect(int c, int r) const;
    TRect BlockArea(int c, int r) const;

    int FSize;
    TPuzzleStates FStates{};
    TAC8Library* FLibrary = nullptr;
    TPictureHandle FFaces;
    TPictureHandle FHalfTurn;
    TPictureHandle FBorder;
    TPictureHandle FBackgroundH;
    TPictureHandle FBackgroundV;
    TPictureHandle FMechanism;
    TPictureHandle FSides;  // the outer columns' sides, bigger puzzles only
    std::unique_ptr<THotImage> FScratch;
    std::array<std::array<std::unique_ptr<THotImage>, kMostBlocks>, kMostBlocks> FBlockPictures;
    bool FSolvedShown = false;
    bool FClosed = false;
};
