#include "rooms/wrap/wrap_room.h"

#include <algorithm>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/clip_restore.h"
#include "rooms/questions/toys_in_repair.h"
#include "rooms/questions/wrapped_gifts.h"
#include "rooms/wrap/gift_geometry.h"
#include "rooms/wrap/wrap_words.h"
#include "shell/room_world.h"
#include "shell/room_words.h"
#include "shell/view_size.h"

using namespace gift_geometry;
namespace words = wrap_words;

namespace {

constexpr const char* kNameFont = "01f36eu0";

// The digit at `index` of a box name when it lies in 1 to `count`, else 0: a box of the script
// naming no paper, ribbon or bow is ignored.
std::uint8_t DigitOf(const std::string& sender, std::size_t index, std::uint8_t count) {
    if (sender.size() <= index) return 0;
    const char c = sender[index];
    if (c < '1' || c > static_cast<char>('0' + count)) return 0;
    return static_cast<std::uint8_t>(c - '0');
}

std::string Numbered(std::string_view stem, int n) { return std::string(stem) + static_cast<char>('0' + n); }

TRect Union(const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) return b;
    if (IsRectEmpty(b)) return a;
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

}  // namespace

// The gift's two pictures for its size class: the box in each paper and each ribbon.
struct TWrapRoom::TPictures {
    TPictureHandle Gift;
    TPictureHandle Ribbon;
    std::uint8_t SizeClass = 0;
};

TWrapRoom::TWrapRoom(std::string_view name) : TAuxGfxRoom(name), FPictures(std::make_unique<TPictures>()) {
    SetAuxImageName("wrapgfx");
    Flags = static_cast<std::uint16_t>(Flags & ~(kRoomSnapOffered | kRoomWrapOffered));
    FIsShowRoom = GetID().substr(0, words::kShowPrefix.size()) == words::kShowPrefix;
    if (FIsShowRoom) Flags |= kRoomFullFrame;
}

TWrapRoom::~TWrapRoom() { FreeGiftPictures(); }

// --- The gift on the table ---

void TWrapRoom::SetGift(std::uint8_t kind, std::uint8_t detail) {
    // Made first: a gift that cannot be made leaves the table as it was.
    auto gift = std::make_unique<TGift>(kind, detail, Context());
    std::uint8_t oldSize = 0;
    if (FGift) {
        oldSize = FGift->SizeClass;
        if (!FIsShowRoom) CollectWrappedGift(World(), true);
        // Whatever the living room left (or all of it, in a house without one) goes away.
        if (FGift) DropGift();
    }
    FGift = std::move(gift);
    PlaceTag(*FGift);
    if (oldSize != FGift->SizeClass) FreeGiftPictures();
    if (IsOnScreen()) {
        LoadGiftPictures();
        UpdateBoxes();
    }
}

std::unique_ptr<TGift> TWrapRoom::TakeGift() {
    std::unique_ptr<TGift> gift = std::move(FGift);
    if (!FIsShowRoom) {
        SetFrame(words::kSlateToy, 1);
        UpdateBoxes();
    }
    return gift;
}

void TWrapRoom::DropGift() { TakeGift().reset(); }

void TWrapRoom::ShowGift(std::unique_ptr<TGift> gift) {
    FGift = std::move(gift);
    if (FGift) PlaceTag(*FGift);
    FGiftPlace = TPoint{0, 0};
    FreeGiftPictures();
}

int TWrapRoom::GiftState() const { return FGift ? 1 + FGift->Paper : 0; }

bool TWrapRoom::SlateOnTable() const {
    if (FIsShowRoom) return false;
    const TFrameSet* slate = FrameSets().FindFrameSet(words::kSlateToy);
    return slate != nullptr && slate->CurrentFrame == 0;
}

// --- Pictures ---

void TWrapRoom::LoadGiftPictures() {
    if (!FGift) return;
    if (FPictures->SizeClass == FGift->SizeClass && FPictures->Gift && FPictures->Ribbon) return;
    FreeGiftPictures();
    const char digit = static_cast<char>('0' + FGift->SizeClass);
    TAC8Library& library = Library();
    FPictures->Gift = TPictureHandle(library, AC8ImageName(std::string("gr_gift") + digit));
    FPictures->Ribbon = TPictureHandle(library, AC8ImageName(std::string("gr_ribn") + digit));
    FPictures->SizeClass = FGift->SizeClass;
}

void TWrapRoom::FreeGiftPictures() {
    FPictures->Ribbon.Reset();
    FPictures->Gift.Reset();
    FPictures->SizeClass = 0;
}

// --- Entering and the boxes ---

void TWrapRoom::Enter(const std::string& fromRoom) {
    FreeGiftPictures();
    ReleaseAuxImage();
    TAuxGfxRoom::Enter(fromRoom);
    LoadGiftPictures();
    FLastCoverage = TRect{};
    if (FIsShowRoom) {
        FGiftPlace = TPoint{0, 0};
        if (FGift) PlaceSmallTag();
    } else {
        StoreFrame(words::kSlateShelf, SlateToyInRepair(World()) ? 0 : 1);
        // A rack shows the bow the gift wears as taken.
        for (int b = 1; b <= kBowCount; ++b)
            StoreFrame(Numbered(words::kBowStem, b), FGift && FGift->Bow == b ? 0 : 1);
        StoreFrame(words::kTagRack, FGift && FGift->Tagged ? 0 : 1);
        if (FGift) FGiftPlace = kTablePlace[SizeIndex(*FGift)];
    }
    FBigTagShown = false;
    UpdateBoxes();
}

void TWrapRoom::UpdateBoxes() {
    for (THitBox* box : HitBoxes()) box->SetEnabled(!FBigTagShown);
    FindNodeOrFail<THitBox>(HitBoxes(), words::kBigTag).SetEnabled(FBigTagShown);
    if (FBigTagShown) return;
    FindNodeOrFail<THitBox>(HitBoxes(), words::kSmallTag).SetEnabled(FGift && FGift->Tagged);
    if (FIsShowRoom) return;
    const bool slateHome = FindFrameSetOrFail(FrameSets(), words::kSlateShelf).CurrentFrame == 1;
    FindNodeOrFail<THitBox>(HitBoxes(), words::kSlateShelf).SetEnabled(slateHome);
    // The slate toy is offered only while it stands on its shelf and is not away for repair.
    FindNodeOrFail<THitBox>(HitBoxes(), words::kSlateToy)
        .SetEnabled(!FGift && slateHome && FindFrameSetOrFail(FrameSets(), words::kSlateToy).CurrentFrame == 1);
    FindNodeOrFail<THitBox>(HitBoxes(), words::kGiftSlider).SetEnabled(FGift && FGift->Bow != 0);
    const bool onTable = FGift != nullptr;
    FindNodeOrFail<THitBox>(HitBoxes(), words::kTags).SetEnabled(onTable);
    for (int p = 1; p <= kPaperCount; ++p) FindNodeOrFail<THitBox>(HitBoxes(), Numbered(words::kPaperStem, p)).SetEnabled(onTable);
    for (int r = 1; r <= kRibbonCount; ++r) FindNodeOrFail<THitBox>(HitBoxes(), Numbered(words::kRibbonStem, r)).SetEnabled(onTable);
    for (int b = 1; b <= kBowCount; ++b) FindNodeOrFail<THitBox>(HitBoxes(), Numbered(words::kBowStem, b)).SetEnabled(onTable);
    if (GetWorld() != nullptr) World().RequestCursorRefresh();
}

void TWrapRoom::PlaceSmallTag() {
    if (!FGift) return;
    THitBox& box = FindNodeOrFail<THitBox>(HitBoxes(), words::kSmallTag);
    box.Rect = MakeBounds(FGiftPlace.X + FGift->TagX, FGiftPlace.Y + FGift->TagY, kTagBox.W, kTagBox.H);
}

void TWrapRoom::PlaceSlider() {
    if (!FGift) return;
    const std::size_t s = SizeIndex(*FGift);
    const std::size_t b = BowIndex(*FGift);
    const TPoint at = kTablePlace[s];
    FindNodeOrFail<THitBox>(HitBoxes(), words::kGiftSlider).Rect =
        TRect{at.X + kTravelStart[s][b], at.Y - 10, at.X + kTravelEnd[s][b], at.Y + 20};
}

// --- Commands ---

void TWrapRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == words::kTakeSlate) {
        SetGift(kSlateToyGift, 0);
        SetFrame(words::kSlateToy, 0);
        if (!FIsShowRoom) FGiftPlace = kTablePlace[SizeIndex(*FGift)];
        Redraw();
    } else if (script == words::kPaper) {
        ChoosePaper(sender);
    } else if (script == words::kRibbon) {
        ChooseRibbon(sender);
    } else if (script == words::kBow) {
        ChooseBow(sender);
    } else if (sender == words::kTags) {
        SwitchTag();
    } else if (script == words::kTag) {
        FBigTagShown = !FBigTagShown;
        UpdateBoxes();
        if (TAC8ImageData* view = ShownView()) {
            if (FBigTagShown)
                DrawOverlays(view);
            else
                Draw(view);
        }
    } else if (sender == words::kUnwrap) {
        Unwrap();
    } else if (sender == room_words::kTutor) {
        World().GoRoom(FIsShowRoom ? words::kShowHelpPage : words::kWrapHelpPage);
    } else {
        TAuxGfxRoom::RunScript(script, sender);
    }
}

void TWrapRoom::ChoosePaper(const std::string& sender) {
    const std::uint8_t p = DigitOf(sender, words::kPaperStem.size(), kPaperCount);
    if (p == 0 || !FGift) return;
    FGift->Paper = p == FGift->Paper ? 0 : p;
    Redraw();
}

void TWrapRoom::ChooseRibbon(const std::string& sender) {
    const std::uint8_t r = DigitOf(sender, words::kRibbonStem.size(), kRibbonCount);
    if (r == 0 || !FGift) return;
    FGift->Ribbon = r == FGift->Ribbon ? 0 : r;
    PlaceTag(*FGift);
    Redraw();
}

void TWrapRoom::ChooseBow(const std::string& sender) {
    std::uint8_t b = DigitOf(sender, words::kBowStem.size(), kBowCount);
    if (b == 0 || !FGift) return;
    if (FGift->Bow != 0) SetFrame(Numbered(words::kBowStem, FGift->Bow), 1);
    if (b == FGift->Bow) b = 0;
    FGift->Bow = b;
    PlaceSlider();
    if (b != 0) SetFrame(Numbered(words::kBowStem, b), 0);
    FGift->BowPosition = DefaultBowPosition(*FGift);
    PlaceTag(*FGift);
    Redraw();
}

void TWrapRoom::SwitchTag() {
    if (!FGift) return;
    FGift->Tagged = !FGift->Tagged;
    SetFrame(words::kTagRack, FGift->Tagged ? 0 : 1);
    if (FGift->Tagged) {
        FGift->ChooseTag(Context());
        FBigTagShown = true;
        Redraw();
    } else {
        Redraw();
    }
    UpdateBoxes();
}

void TWrapRoom::Unwrap() {
    if (!FGift) {
        World().GoBack();
        return;
    }
    if (FGift->Tagged || FGift->Bow != 0) {
        // Tag and bow come off together and go back on their racks.
        if (FGift->Bow != 0 && !FIsShowRoom)
            SetFrame(Numbered(words::kBowStem, FGift->Bow), 1);
        if (FGift->Tagged && !FIsShowRoom) SetFrame(words::kTagRack, 1);
        FGift->Tagged = false;
        FGift->Bow = 0;
    } else if (FGift->Ribbon != 0) {
        FGift->Ribbon = 0;
    } else if (FGift->Paper != 0) {
        FGift->Paper = 0;
    } else {
        World().GoBack();
        return;
    }
    PlaceTag(*FGift);
    UpdateBoxes();
    Redraw();
}

// --- The bow slider ---

bool TWrapRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    if (kind != TControlEventKind::Down || box.GetID() != words::kGiftSlider || !FGift || FGift->Bow == 0) return false;
    const std::size_t s = SizeIndex(*FGift);
    const std::size_t b = BowIndex(*FGift);
    const std::int32_t travel = kTravelEnd[s][b] - kTravelStart[s][b];
    const std::int32_t x = std::clamp(box.EventPoint.X, 0, travel);
    FGift->BowPosition = static_cast<std::int16_t>(x * 100 / travel);
    PlaceTag(*FGift);
    Redraw();
    return false;
}

// --- Drawing ---

// The gift at its place, and the boxes that follow it.
void TWrapRoom::Redraw() {
    UpdateBoxes();
    TAC8ImageData* view = ShownView();
    if (view == nullptr) return;
    TRect area = FLastCoverage;
    if (FGift) {
        const TPoint place = FIsShowRoom ? FGiftPlace : kTablePlace[SizeIndex(*FGift)];
        area = Union(area, LargeCoverage(*FGift, LargeOrigin(*FGift, place, ViewWidth(), ViewHeight())));
    }
    if (FBigTagShown) area = view->GetBounds();
    if (IsRectEmpty(area)) return;
    RedrawRect(view, area);
}

void TWrapRoom::DrawOverlays(TAC8ImageData* view) {
    TAuxGfxRoom::DrawOverlays(view);
    if (view == nullptr) return;
    if (FGift) {
        const TPoint place = FIsShowRoom ? FGiftPlace : kTablePlace[SizeIndex(*FGift)];
        DrawLargeGift(*view, place);
    } else {
        FLastCoverage = TRect{};
    }
    if (FBigTagShown) DrawBigTag(*view);
}

TRect TWrapRoom::DrawLargeGift(TAC8ImageData& view, TPoint place) {
    const TGift& gift = *FGift;
    // Drawn outside a visit (the pictures are not held): loaded for this drawing only.
    const bool borrowed = !FPictures->Gift || FPictures->SizeClass != gift.SizeClass;
    TPictureHandle borrowedAux;
    if (borrowed) LoadGiftPictures();
    TAC8ImageData* aux = AuxImage();
    if (aux == nullptr) {
        borrowedAux = TPictureHandle(Library(), AC8ImageName(GetAuxImageName()));
        aux = borrowedAux.Get();
    }
    const std::size_t s = SizeIndex(gift);
    const TSize size = kLargeSize[s];
    const TPoint o = LargeOrigin(gift, place, ViewWidth(), ViewHeight());
    const std::uint8_t paper = gift.Paper <= kPaperCount ? gift.Paper : 0;
    view.Blit(o, *FPictures->Gift, MakeBounds(0, size.H * paper, size.W, size.H));
    if (paper == 0) {
        const std::size_t kind = gift.Kind < kGiftKinds ? gift.Kind : 0;
        const TPoint corner = PointAdd(o, kContentsOffset[kind]);
        view.Blit(corner, *aux, kContents[kind]);
        std::int32_t mark = -1;
        TPoint markAt{};
        if (gift.Kind == kPuzzleGift && gift.Detail < kPuzzleMarkX.size()) {
            mark = gift.Detail;
            markAt = TPoint{kPuzzleMarkX[gift.Detail], kPuzzleMarkY};
        } else if (gift.Kind == kDollGift && gift.Detail < kDollMarkX.size()) {
            mark = gift.Detail + 3;
            markAt = TPoint{kDollMarkX[gift.Detail], kDollMarkY};
        }
        if (mark >= 0)
            view.Blit(PointAdd(corner, markAt), *aux,
                      MakeBounds(kMarkCells.X + kMarkSize.W * mark, kMarkCells.Y, kMarkSize.W, kMarkSize.H));
    }
    if (const std::size_t r = RibbonIndex(gift); r != 0)
        view.Blit(o, *FPictures->Ribbon, MakeBounds(0, size.H * static_cast<std::int32_t>(r - 1), size.W, size.H));
    if (gift.Tagged)
        view.Blit(PointAdd(o, TPoint{gift.TagX, gift.TagY}), *aux, kLargeTag[TagOnLeft(gift) ? 1 : 0]);
    if (const std::size_t b = BowIndex(gift); b != 0)
        view.Blit(PointAdd(o, TPoint{BowX(gift), kBowTop[s][b - 1]}), *aux, kLargeBow[b - 1]);
    FLastCoverage = LargeCoverage(gift, o);
    if (borrowed) FreeGiftPictures();
    FGiftPlace = o;
    if (gift.Tagged) PlaceSmallTag();
    return MakeBounds(o.X, o.Y, size.W, size.H);
}

void TWrapRoom::DrawBigTag(TAC8ImageData& view) {
    if (!FGift) return;
    TAC8Library& library = Library();
    TPictureHandle tag(library, AC8ImageName("bigtag"));
    TPictureHandle polyglot(library, AC8ImageName("polyglot"));
    view.Blit(kBigTagAt, *tag, tag->GetBounds());
    const std::uint8_t language = FGift->TagLanguage < kTagLanguageCount ? FGift->TagLanguage : 0;
    view.Blit(GreetingAt(language), *polyglot, kGreeting[language]);
    view.Blit(GiftBringerAt(language), *polyglot, kGiftBringer[language]);
    TAC8Font font(&library, AC8ImageName(kNameFont));
    const std::u16string name = FGift->TagName();
    TPoint pen{kTagTextLeft + ((kTagTextRight - kTagTextLeft) - font.TextWidth(name)) / 2, kNameY};
    font.DrawText(pen, view, name);
}

void TWrapRoom::ReleaseGraphics(bool final) {
    TAuxGfxRoom::ReleaseGraphics(final);
    FreeGiftPictures();
    if (final) ReleaseAuxImage();
}

// --- The small drawing under the living-room tree ---

TRect DrawSmallGift(TAC8ImageData& target, TPoint origin, const TAC8ImageData& smallPicture, const TGift& gift) {
    const std::size_t s = SizeIndex(gift);
    const TSize size = kSmallSize[s];
    const std::int32_t paper = gift.Paper >= 1 && gift.Paper <= kPaperCount ? gift.Paper : 1;
    const TPoint rows = kSmallGiftRows[s];
    target.Blit(origin, smallPicture, MakeBounds(rows.X, rows.Y + size.H * (paper - 1), size.W, size.H));
    if (const std::size_t r = RibbonIndex(gift); r != 0) {
        const TPoint ribbons = kSmallRibbonRows[s];
        target.Blit(origin, smallPicture,
                    MakeBounds(ribbons.X, ribbons.Y + size.H * static_cast<std::int32_t>(r - 1), size.W, size.H));
    }
    if (gift.Tagged)
        target.Blit(PointAdd(origin, TPoint{gift.TagX / 3, gift.TagY / 3}), smallPicture,
                    kSmallTag[TagOnLeft(gift) ? 1 : 0]);
    const TRect bounds = SmallBounds(gift);
    if (const std::size_t b = BowIndex(gift); b != 0) {
        const std::int32_t bowX =
            ((kTravelEnd[s][b] - kTravelStart[s][b]) * gift.BowPosition / 100 + kTravelStart[s][b] - kKnotX[b]) / 3;
        target.Blit(PointAdd(origin, TPoint{bowX, kSmallBowTop[s][b - 1]}), smallPicture, kSmallBow[b - 1]);
    }
    return OffsetRectBy(bounds, origin);
}

TWrapRoom* FindWrapRoom(const TRoomWorld& world, std::string_view name) {
    return dynamic_cast<TWrapRoom*>(world.FindRoom(name));
}
