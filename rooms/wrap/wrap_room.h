#pragma once
// The wrapping table (kind word WRAP, room "WRAP") and the show room (the same kind under an
// ID beginning with "SHOW", room "SHOWGIFT"). An activity's WRAP puts a gift on the table;
// the child picks paper ("PAPER1" to "PAPER4"), ribbon ("RIB1" to "RIB3") and bow ("BOW1" to
// "BOW3"), slides the bow along the ribbon (the control box "GIFT"), puts on a tag ("TAGS"),
// looks at the big tag ("SMTAG", "BIGTAG") and undoes a step at a time ("UNWRAP"). The slate
// toy on its shelf ("SLATE2") is a gift of its own. The living room carries a gift in paper
// under its tree and shows a copy of one in the show room.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "rooms/questions/gift_table.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_words.h"
#include "shell/aux_gfx_room.h"

class TAC8ImageData;
class TRoomWorld;

class TWrapRoom : public TAuxGfxRoom, public TGiftTable {
public:
    explicit TWrapRoom(std::string_view name);
    ~TWrapRoom() override;

    // A new gift on the table. In the wrapping room a gift already there goes to the living
    // room first (a wrapped one under the tree, an unwrapped one away); in the show room it is
    // dropped.
    void SetGift(std::uint8_t kind, std::uint8_t detail) override;
    // The gift on the table, which the caller now owns (nullptr when the table is empty); the
    // table is left empty and the slate toy goes back on its shelf.
    std::unique_ptr<TGift> TakeGift();
    // The same, the gift freed.
    void DropGift();
    // The show room's gift, set by the living room; the gift shown before is freed. The gift
    // has no place in the show room yet, so it is centred in the view when drawn.
    void ShowGift(std::unique_ptr<TGift> gift);

    // 0 when the table is empty, else 1 + the gift's paper.
    int GiftState() const;
    // The slate toy lies on the wrapping table ("SLATE2" shows frame 0); never in the show room.
    bool SlateOnTable() const;
    bool IsShowRoom() const { return FIsShowRoom; }
    const TGift* Gift() const { return FGift.get(); }
    bool BigTagShown() const { return FBigTagShown; }
    // Where the gift was last drawn (its top-left corner).
    TPoint GiftPlace() const { return FGiftPlace; }

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;

private:
    struct TPictures;

    void ChoosePaper(const std::string& sender);
    void ChooseRibbon(const std::string& sender);
    void ChooseBow(const std::string& sender);
    void SwitchTag();
    void Unwrap();
    void Redraw();
    void UpdateBoxes();
    // The small tag's box over the tag where the gift was last drawn. The tag's own place on
    // the gift (PlaceTag) follows every change of its ribbon and bow, so drawing finds it set.
    void PlaceSmallTag();
    void PlaceSlider();
    void LoadGiftPictures();
    void FreeGiftPictures();
    TRect DrawLargeGift(TAC8ImageData& view, TPoint origin);
    void DrawBigTag(TAC8ImageData& view);

    std::unique_ptr<TPictures> FPictures;
    std::unique_ptr<TGift> FGift;
    bool FIsShowRoom = false;
    bool FBigTagShown = false;
    TPoint FGiftPlace{0, 0};
    // All the last large drawing covered (gift, bow and tag), put back before the next one.
    TRect FLastCoverage;
};

// The gift drawn small (a gift in paper 1 to 4) from the picture "wrapsgfx" with its
// top-left corner at origin; returns the rectangle it covers, the bow and tag counted in.
TRect DrawSmallGift(TAC8ImageData& target, TPoint origin, const TAC8ImageData& smallPicture, const TGift& gift);

// The wrapping room (or the show room) of that name, or nullptr when there is none of this
// class.
TWrapRoom* FindWrapRoom(const TRoomWorld& world, std::string_view name);
inline constexpr std::string_view kWrapRoomName = wrap_words::kWrapRoom;
inline constexpr std::string_view kShowRoomName = wrap_words::kShowRoom;
