#pragma once
// The tree decorating room (kind word TREE): buttons for the four top ornaments ("A1" to
// "A4"), the four light strings ("L1" to "L4") and the four garlands ("T1" to "T4"), a box of
// baubles ("B01" to "B21") and the tree itself under the control box "TREE", whose top-left
// corner is the tree's origin. The living room and the album reach the tree through this
// room by its name; the living room draws it through the house-tree question.
#include <memory>
#include <string>
#include <string_view>

#include "rooms/questions/house_tree.h"
#include "rooms/tree/tree.h"
#include "shell/room.h"

class TTreeRoom : public TRoom, public THouseTree {
public:
    explicit TTreeRoom(std::string_view name);
    ~TTreeRoom() override;

    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;
    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    std::int16_t GetBoxCursor(const std::string& boxName, std::int32_t x, std::int32_t y) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

    // The decorated tree, drawing from the world's library once the room is in a world.
    TTree& Tree();
    // False once the room has let its tree go on the way out.
    bool HasTree() const { return FTree != nullptr; }

    // --- The house tree, as the living room shows it ---
    void DrawHouseTree(TAC8ImageData& surface, TPoint origin) override;
    void TwinkleHouseTree(TAC8ImageData& surface, TPoint origin) override;
    bool SnapHouseTree() override;
    void ReleaseHouseTreePictures() override;

private:
    void RunSwitch(char group, const std::string& sender);
    void AddBaubleFrom(const std::string& sender);
    void Snap();

    std::unique_ptr<TTree> FTree;
};

// The tree of the room named "TREE", or nullptr when there is no such room of this class (or
// it has let its tree go).
TTree* FindHouseTree(const TRoomWorld& world);
