// show_rooms: shows the main window and every room of a built game folder in its main states
// through the engine, the way the game draws them, and writes each as a PNG to look at.
//   show_rooms <game dat folder> <palette.gpl> <output folder>
// The rooms are played through the headless game over the folder's own library and init
// script, each brought into its states by clicks as a child would, and the album holds the
// photos the rooms' camera took; the main window is put together from its pictures by its
// layout at 800 by 600. It fails when a click of the play could not be made.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/picture_handles.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "engine/graphics/hot_image.h"
#include "platform/headless/fake_clock.h"
#include "rooms/album/album_room.h"
#include "rooms/kitchen/cookie.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/living/living_room.h"
#include "rooms/wrap/wrap_room.h"
#include "rooms/cards/conc_room.h"
#include "rooms/cards/conc_snapshot.h"
#include "rooms/puzzle/puzzle_room.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/dolls/doll_room.h"
#include "rooms/dolls/doll_snapshot.h"
#include "rooms/tree/tree_room.h"
#include "rooms/tree/tree_snapshot.h"
#include "rooms/wrap/gift_geometry.h"
#include "rooms/slate/slate_room.h"
#include "rooms/slate/slate_snapshot.h"
#include "rooms/train/train_room.h"
#include "rooms/train/train_set.h"
#include "rooms/workshop/workshop_room.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"
#include "tools/common/palette.h"
#include "tools/pictures/indexed_picture.h"
#include "tools/pictures/png_files.h"

namespace fs = std::filesystem;
using testing_support::TGameHarness;
using testing_support::THarnessWindow;
using testing_support::THarnessOptions;

namespace {

TIndexedPicture PictureOf(const TAC8ImageData& image, const std::string& name) {
    TIndexedPicture picture;
    picture.name = name;
    picture.width = image.Width();
    picture.height = image.Height();
    for (std::int32_t y = 0; y < image.Height(); ++y)
        for (std::int32_t x = 0; x < image.Width(); ++x) picture.pixels.push_back(image.GetPixel(TPoint{x, y}));
    return picture;
}

// The camera button, as the child presses it in the room shown: the room hands the album its
// photo. A room that does not offer the camera leaves the preview unfinished, said aloud.
void Snap(TGameHarness& game) {
    const THarnessWindow& window = game.Window();
    if (window.ActionCommands[0] != TActionCommand::Snap || window.ActionStates[0] != TActionState::Normal)
        throw std::runtime_error("the camera is not offered in " + game.RoomName());
    game.PressAction(1);
    game.Tick(12);
}

// A library picture held for as long as it is drawn from.
class THeld : public TPictureHandle {
public:
    THeld(TAC8Library& library, const char* name) : TPictureHandle(library, AC8ImageName(name)) {}
};

// The main window at 800 by 600 with the title screen in its play area: the tiled
// background, the garland around the play area, the room and action buttons, the about and
// tutor buttons, as the window lays them out for a window wider than 799 pixels.
void DrawMainWindow(TAC8Library& library, const TAC8ImageData& playArea, TAC8ImageData& window) {
    const THeld tile(library, "tile"), corners(library, "glnd_cnr"), sides(library, "glnd_ew"),
        rows(library, "glnd_ns"), edges(library, "rb_edge"), faces(library, "rb_face"), actions(library, "actbtns"),
        about(library, "abt_btn"), tutor(library, "tutr_btn");
    for (std::int32_t y = 0; y < window.Height(); y += (*tile).Height())
        for (std::int32_t x = 0; x < window.Width(); x += (*tile).Width()) window.Blit({x, y}, *tile, (*tile).GetBounds());
    const TPoint garland{(window.Width() - 700) / 2, (window.Height() - 500) / 2};
    for (const std::int32_t column : {0, 600}) {
        const std::int32_t quarter = column == 0 ? 0 : 100;
        window.Blit({garland.X + column, garland.Y}, *corners, MakeBounds(quarter, 0, 100, 100));
        window.Blit({garland.X + column, garland.Y + 400}, *corners, MakeBounds(quarter, 100, 100, 100));
        window.Blit({garland.X + column, garland.Y + 100}, *sides, (*sides).GetBounds());
    }
    window.Blit({garland.X + 100, garland.Y}, *rows, (*rows).GetBounds());
    window.Blit({garland.X + 100, garland.Y + 400}, *rows, (*rows).GetBounds());

    const TPoint frame{(window.Width() - 514) / 2, (window.Height() - 322) / 2};
    window.Blit(frame, playArea, playArea.GetBounds());
    const std::int32_t step = (322 - 60 - 20) / 3;
    const TPoint firstButton{frame.X - 60 - 75, frame.Y + 10};
    const std::int32_t actionX = firstButton.X + 514 + 60 + 150;
    for (std::int32_t i = 0; i < 4; ++i) {
        const TPoint at{firstButton.X, firstButton.Y + i * step};
        // The first button as the current room's, the others clickable.
        window.Blit(at, *edges, MakeBounds(0, i == 0 ? 60 : 0, 60, 60));
        window.Blit({at.X + (i == 0 ? 9 : 8), at.Y + 8}, *faces, MakeBounds(0, i * 43, 43, 43));
    }
    // SNAP and WRAP offered, the third action button without a command.
    window.Blit({actionX, firstButton.Y}, *actions, MakeBounds(0, 0, 60, 60));
    window.Blit({actionX, firstButton.Y + step}, *actions, MakeBounds(0, 60, 60, 60));
    window.FillRect(MakeBounds(actionX, firstButton.Y + 2 * step, 60, 60), 118);
    window.Blit({4, 4}, *about, MakeBounds(0, 0, 56, 34));
    window.Blit({64, 4}, *tutor, MakeBounds(0, 0, 119, 34));
}

// The tree room bare, decorated with every top, light, garland and bauble kind, with a
// bauble being dragged off the branches, the album's copy of the tree, and its help page.
template <class Show, class Visit, class Write>
void ShowTreeRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("TREE", "tree");
    for (const char* box : {"A1", "L1", "L2", "L3", "L4", "T1", "T2", "T3", "T4"}) game.Click(box);
    // Top-left corners on the branches, one per kind, spread over the tree.
    const TPoint spots[] = {{100, 40}, {128, 70},  {80, 95},   {150, 112}, {60, 140},  {118, 128}, {170, 160},
                            {40, 190}, {95, 175},  {140, 200}, {185, 205}, {70, 222},  {115, 232}, {160, 238},
                            {30, 236}, {190, 180}, {100, 80},  {55, 175},  {135, 160}, {176, 120}, {80, 240}};
    auto& room = dynamic_cast<TTreeRoom&>(*game.World().FindRoom("TREE"));
    for (int kind = 1; kind <= 21; ++kind) {
        game.Click((kind < 10 ? "B0" : "B") + std::to_string(kind));
        const TPoint at = static_cast<const TBauble*>(room.Tree().Baubles().Last())->Position;
        const TPoint spot = spots[kind - 1];
        game.MouseDown({at.X + 3, at.Y + 3});
        game.MouseUp({spot.X + 3, spot.Y + 3});
    }
    show("tree-decorated");
    Snap(game);
    game.Click("A4");
    game.Click("B14");
    const TPoint at = static_cast<const TBauble*>(room.Tree().Baubles().Last())->Position;
    game.MouseDown({at.X + 3, at.Y + 3});
    game.MouseMove({at.X + 3, at.Y + 40});
    show("tree-drag-on");
    game.MouseMove({150, 290});
    show("tree-drag-off");
    game.MouseUp({150, 290});
    const auto copy = room.Tree().Clone();
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    DrawTreeSnapshot(*copy, view, MakeBounds(20, 56, kTreeThumbnailSize.Width, kTreeThumbnailSize.Height));
    DrawTreeSnapshot(*copy, view, MakeBounds(200, 10, kTreeFullSize.Width, kTreeFullSize.Height - 20));
    DrawTreeSnapshot(*copy, view, MakeBounds(440, 124, kTreeHungSize.Width, kTreeHungSize.Height));
    write("tree-album", view);
    visit("CTTEXT", "tree-help");
}

// The living room at its tree end with the decorated tree and the hung picture, the radio
// playing, the clock end with the cuckoo out, and its help pages.
template <class Show, class Visit>
void ShowLivingRoom(TGameHarness& game, Show show, Visit visit) {
    game.Clock().SetTimeOfDay(3, 40);
    visit("LIVING", "living-tree-end");
    game.Click("#365");
    game.Click("#365");
    game.Tick(7);
    show("living-radio-music");
    game.Click("GO_R_END");
    game.Tick(10);
    show("living-clock-end");
    game.Click("#678");
    game.Tick(9);
    show("living-cuckoo-out");
    // A gift waiting on the wrapping table while the view is away from the tree.
    auto& table = game.RoomAs<TWrapRoom>("WRAP");
    auto wrap = [&](int n) {
        table.SetGift(static_cast<std::uint8_t>(n % 6), 0);
        game.World().GoRoom("WRAP");
        game.Tick(1);
        game.Click("PAPER" + std::to_string(1 + n % 4));
        game.Click("RIB" + std::to_string(1 + n % 3));
        if (n % 4 != 0) game.Click("BOW" + std::to_string(n % 4));
        if (n % 2 == 0) {
            game.Click("TAGS");
            game.Click("BIGTAG");
        }
    };
    wrap(0);
    visit("LIVING", "living-gift-waiting");
    game.Click("GO_L_END");
    game.Tick(10);
    // Eleven gifts under the tree.
    for (int n = 1; n < 11; ++n) wrap(n);
    visit("LIVING", "living-gifts");
    // A present under the tree, and the stocking's, opened in the show room.
    game.Click("GIFT1");
    show("living-gift-opened");
    game.Click("BACK");
    game.Click("#430");
    show("living-stocking-opened");
    game.Click("BACK");
    visit("LRTEXT>", "living-help1");
    visit("LR2<", "living-help2");
}

// The wrapping table empty, with each kind of gift open, wrapped in every paper, ribbon and
// bow, with its tag, the big tag in every language, the show room, the small gifts of the
// living room, and the help pages.
template <class Show, class Visit, class Write>
void ShowWrapRooms(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("WRAP", "wrap-empty");
    auto& room = dynamic_cast<TWrapRoom&>(*game.World().FindRoom("WRAP"));
    for (std::uint8_t kind = 0; kind < kGiftKinds; ++kind) {
        room.SetGift(kind, kind == kDollGift ? 3 : kind == kPuzzleGift ? 2 : 0);
        game.World().GoRoom("TITLE");
        visit("WRAP", "wrap-open-kind" + std::to_string(kind));
    }
    room.DropGift();
    game.Click("SLATE2");
    show("wrap-slate-taken");
    for (int p = 1; p <= 4; ++p) {
        game.Click("PAPER" + std::to_string(p));
        game.Click("RIB" + std::to_string(p <= 3 ? p : 1));
        game.Click("BOW" + std::to_string(p <= 3 ? p : 1));
        show("wrap-paper" + std::to_string(p));
    }
    game.Click("TAGS");
    show("wrap-bigtag-new");
    game.Click("BIGTAG");
    show("wrap-tagged");
    // The bow slid towards the ribbon's left end, clicked where the slider and not the tag is hit.
    if (const THitBox* slider = game.Room()->FindHitBox("GIFT"); slider != nullptr && slider->IsEnabled()) {
        const std::int32_t y = (slider->Rect.Top + slider->Rect.Bottom) / 2;
        for (std::int32_t x = slider->Rect.Left + 4; x < slider->Rect.Right; x += 4) {
            if (game.Room()->HitBoxes().HitTest(x, y) != slider) continue;
            game.MouseDown({x, y});
            game.MouseUp({x, y});
            break;
        }
    }
    show("wrap-bow-slid");
    room.SetGift(kTrainGift, 0);
    game.World().GoRoom("TITLE");
    visit("WRAP", "wrap-train-open");
    game.Click("PAPER2");
    game.Click("RIB1");
    game.Click("BOW1");
    game.Click("TAGS");
    for (std::uint8_t language = 0; language < kTagLanguageCount; ++language) {
        const_cast<TGift*>(room.Gift())->TagLanguage = language;
        game.Tick(1);
        room.Draw(&game.View());
        show("wrap-bigtag-lang" + std::to_string(language));
    }
    game.Click("BIGTAG");
    show("wrap-train-wrapped");
    auto& showRoom = dynamic_cast<TWrapRoom&>(*game.World().FindRoom("SHOWGIFT"));
    showRoom.ShowGift(room.Gift()->Clone(game.Context()));
    visit("SHOWGIFT", "showgift");
    game.Click("SMTAG");
    show("showgift-bigtag");
    game.Click("BIGTAG");
    // The small gifts, in each size class, paper and bow.
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    TPictureHandle small(*game.World().GetImageLibrary(), AC8ImageName("wrapsgfx"));
    for (std::uint8_t kind = 0; kind < kGiftKinds; kind = static_cast<std::uint8_t>(kind + 2)) {
        for (std::uint8_t paper = 1; paper <= 4; ++paper) {
            TGift gift(kind, 0, game.Context());
            gift.Paper = paper;
            gift.Ribbon = static_cast<std::uint8_t>(1 + paper % 3);
            gift.Bow = static_cast<std::uint8_t>(1 + paper % 3);
            gift.BowPosition = static_cast<std::int16_t>(25 * paper - 10);
            gift.Tagged = paper % 2 == 0;
            gift_geometry::PlaceTag(gift);
            DrawSmallGift(view, TPoint{20 + 120 * (paper - 1), 40 + 90 * (kind / 2)}, *small, gift);
        }
    }
    write("wrap-small-gifts", view);
    visit("GATEXT>", "wrap-help1");
    visit("GA2<", "wrap-help2");
    visit("SRTEXT", "showgift-help");
}

// The slate: a bare page, pages coloured with stickers (one selected, mirrored, halved), the
// panel turned to another page with the bright wells, a full slate, the album's copy, and its
// help pages.
template <class Show, class Visit, class Write>
void ShowSlateRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("SLATE", "slate");
    auto& room = dynamic_cast<TSlateRoom&>(*game.World().FindRoom("SLATE"));
    game.Click("2");
    for (const char* well : {"1W", "3W", "4W", "5W", "6W"}) {
        game.Click(well);
        const TPoint at = {40 + 50 * (well[0] - '0'), 60 + 20 * (well[0] - '0')};
        game.MouseDown(at);
        game.MouseUp(at);
    }
    game.Click("5");
    game.Tick(6);
    game.Click("8");
    game.Tick(6);
    game.Click("FLOP");
    show("slate-coloured");
    // The coloured page is the photo; the camera lets go of the star, and its icon takes it again.
    Snap(game);
    game.MouseDown({108 + 19 + 9, 252 + 9});
    game.MouseUp({108 + 19 + 9, 252 + 9});
    game.Click("HALF");
    game.Click("XPANEL2");
    game.Click("BRIGHT");
    game.Click("3");
    game.Click("7");
    game.Tick(6);
    show("slate-page2");
    game.Click("XPANEL2");
    game.Click("XPANEL2");
    for (int i = 0; i < 13; ++i) {
        room.RunScript("BTN", std::to_string(5 + i % 8));
        game.Tick(6);
    }
    show("slate-full");
    TAC8ImageData& view = game.View();
    const TStaticSlateDrawing copy(room.Drawing());
    view.FillRect(view.GetBounds(), 255);
    DrawStaticSlate(copy, view, MakeBounds(10, 10, 200, 120), game.World().GetImageLibrary());
    DrawStaticSlate(copy, view, MakeBounds(10, 140, 117, 71), game.World().GetImageLibrary());
    write("slate-album", view);
    visit("MSTEXT>", "slate-help1");
    visit("MS2<", "slate-help2");
}

// The train table bare, a full layout of both pages with both trains running, an engine
// being placed, a switch's lever under the mouse, a crash, the album's copy and the help.
template <class Show, class Visit, class Write>
void ShowTrainRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("TRAINS", "train-empty");
    auto& room = game.RoomAs<TTrainRoom>("TRAINS");
    TTrainLayout& layout = room.Layout();
    struct Laid { int x, y, column, row, setting, terrain; };
    const Laid pieces[] = {
        {0, 0, 0, 2, 0, 1}, {1, 0, 2, 1, 0, 1}, {2, 0, 1, 4, 0, 1}, {3, 0, 2, 1, 0, 2}, {4, 0, 1, 3, 0, 2},
        {0, 1, 2, 0, 0, 1}, {1, 1, 2, 5, 1, 1}, {2, 1, 2, 0, 0, 1}, {3, 1, 2, 5, 1, 2}, {4, 1, 2, 0, 0, 2},
        {0, 2, 2, 0, 0, 1}, {1, 2, 2, 5, 4, 1}, {2, 2, 0, 0, 0, 2}, {3, 2, 2, 5, 3, 2}, {4, 2, 2, 4, 0, 2},
        {0, 3, 0, 3, 0, 1}, {1, 3, 2, 1, 0, 1}, {2, 3, 2, 1, 0, 2}, {3, 3, 2, 1, 0, 2}, {4, 3, 1, 2, 0, 2},
    };
    for (const Laid& p : pieces) {
        TTrainCell& cell = layout.Cell(p.x, p.y);
        cell.Column = static_cast<std::uint8_t>(p.column);
        cell.Row = static_cast<std::uint8_t>(p.row);
        cell.Setting = static_cast<std::uint8_t>(p.setting);
        cell.Terrain = static_cast<std::uint8_t>(p.terrain);
        cell.Spring = cell.IsSwitch();
    }
    layout.Cell(1, 2).Setting = 2;
    game.World().GoRoom("TITLE");
    visit("TRAINS", "train-layout");
    // Engine 1 onto the top straight, engine 2 onto the bottom one, each with its car.
    const auto place = [&](const char* engine, TPoint at) {
        room.RunScript("ENG", engine);
        game.MouseMove(at);
        game.MouseDown(at);
        game.MouseUp(at);
    };
    place("ENG1", {10 + 75 + 60, 9 + 37});
    place("ENG2", {10 + 150 + 60, 9 + 225 + 37});
    room.RunScript("CAR", "CAR1");
    room.RunScript("CAR", "CAR2");
    room.RunScript("KNOB", "+1KNB");
    room.RunScript("KNOB", "+2KNB");
    room.RunScript("KNOB", "+2KNB");
    game.Tick(30);
    show("train-running");
    Snap(game);
    room.RunScript("", "SWITCH");
    room.RunScript("ENG", "ENG1");
    room.RunScript("ENG", "ENG1");
    game.MouseMove({10 + 37, 9 + 75 + 50});
    show("train-placing-page2");
    room.RunScript("ENG", "ENG1");
    game.MouseMove({10 + 150 + 37, 9 + 37});
    show("train-lever-hover");
    {
        auto snapshot = MakeTrainSet(layout);
        TAC8ImageData& view = game.View();
        view.FillRect(view.GetBounds(), 135);
        DrawTrainSet(*snapshot, view, MakeBounds(4, 4, kTrainThumbnailSize.Width, kTrainThumbnailSize.Height), game.World().GetImageLibrary());
        DrawTrainSet(*snapshot, view, MakeBounds(4, 160, kTrainHungSize.Width, kTrainHungSize.Height), game.World().GetImageLibrary());
        DrawTrainSet(*snapshot, view, MakeBounds(186, 0, 326, 264), game.World().GetImageLibrary());
        write("train-album", view);
    }
    // Both trains head on at the same speed on one straight: one falls over.
    game.World().GoRoom("TITLE");
    visit("TRAINS", "train-before-crash");
    for (int n = 1; n <= 2; ++n)
        if (layout.Record(n).State == kOnLayout) room.RunScript("ENG", n == 1 ? "ENG1" : "ENG2");
    place("ENG1", {10 + 75 + 60, 9 + 225 + 37});
    place("ENG2", {10 + 225 + 60, 9 + 225 + 37});
    room.RunScript("KNOB", "+1KNB");
    room.RunScript("KNOB", "-2KNB");
    for (int i = 0; i < 60 && layout.Record(1).State != kCrashed && layout.Record(2).State != kCrashed; ++i) game.Tick(1);
    game.Tick(4);
    show("train-crash");
    visit("MRTEXT>", "train-help1");
    visit("MR2<", "train-help2");
}

// The two cards of the deck in play that show this face.
std::pair<int, int> CardsOfFace(const TConcRoom& room, int face) {
    int first = 0;
    for (int i = 1; i <= room.Game().InPlay(); ++i)
        if (room.Game().Card(i).Face == face) {
            if (first == 0)
                first = i;
            else
                return {first, i};
        }
    return {first, 0};
}

// Every pair of the deck in play found, one after the other.
void FinishDeck(TGameHarness& game, const TConcRoom& room) {
    const int deck = room.Game().CurrentDeck();
    for (int face = DeckFirstFace(deck); face < DeckFirstFace(deck) + DeckPairs(deck); ++face) {
        const auto [a, b] = CardsOfFace(room, face);
        if (room.Game().Card(a).Removed) continue;
        game.Click("C" + std::to_string(a));
        game.Click("C" + std::to_string(b));
        game.Tick(11);
    }
}

// The card room: a deck dealt, a pair shown, a mismatch, decks finished, the shadow play, the
// album's picture of the wall, and its help pages.
template <class Show, class Visit, class Write>
void ShowCardRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("CONC", "cards");
    auto& room = dynamic_cast<TConcRoom&>(*game.World().FindRoom("CONC"));
    game.Click("D3");
    game.Tick(20);
    show("cards-dealing");
    game.Tick(60);
    show("cards-dealt");
    const auto [a, b] = CardsOfFace(room, 9);
    game.Click("C" + std::to_string(a));
    game.Click("C" + std::to_string(b));
    show("cards-pair");
    game.Tick(11);
    const int other = CardsOfFace(room, 10).first;
    game.Click("C" + std::to_string(CardsOfFace(room, 11).first));
    game.Click("C" + std::to_string(other));
    show("cards-mismatch");
    game.Tick(21);
    FinishDeck(game, room);
    show("cards-deck-done");
    game.Click("D1");
    game.Tick(50);
    FinishDeck(game, room);
    game.Click("D2");
    game.Tick(50);
    FinishDeck(game, room);
    game.Tick(6);
    show("cards-shadows");
    game.Tick(12);
    show("cards-shadows2");
    Snap(game);
    const TConcInfo info(room.Game());
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    TAC8Library& library = *game.World().GetImageLibrary();
    info.Draw(view, MakeBounds(10, 10, 200, 121), library);
    info.Draw(view, MakeBounds(230, 10, kConcFullWidth, kConcFullHeight), library);
    info.Draw(view, MakeBounds(10, 200, 117, 71), library);
    TConcInfo dark;
    dark.FaceShown[2] = dark.FaceShown[9] = true;
    dark.Draw(view, MakeBounds(230, 180, 200, 121), library);
    write("cards-album", view);
    visit("CMTEXT>", "cards-help1");
    visit("CM2<", "cards-help2");
}

// The puzzle room: the cover down, each puzzle open with cubes half-turned, closed unsolved
// and solved, scrambling, the album's pictures of it, and its help pages.
template <class Show, class Visit, class Write>
void ShowPuzzleRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("PUZZLE", "puzzle-covered");
    auto& room = dynamic_cast<TPuzzleRoom&>(*game.World().FindRoom("PUZZLE"));
    game.Click("DOWN");
    show("puzzle2-open");
    game.Click("11");
    game.Click("22");
    show("puzzle2-half-turned");
    game.Click("FCLS");
    show("puzzle2-closed");
    game.Click("TCLS");
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r) room.Current().SetState(c, r, 4);
    game.Click("FCLS");
    game.Tick(22);
    show("puzzle2-solved");
    Snap(game);
    game.Click("TCLS");
    game.Click("LPUZ");
    game.Tick(2);
    game.Click("12");
    game.Click("23");
    game.Click("33");
    show("puzzle3-open");
    game.Click("FCLS");
    show("puzzle3-closed");
    game.Click("TCLS");
    game.Click("RPUZ");
    game.Tick(2);
    game.Click("11");
    game.Click("23");
    game.Click("34");
    game.Click("42");
    show("puzzle4-open");
    game.Click("FCLS");
    show("puzzle4-closed");
    game.Click("TCLS");
    game.Click("LEVER");
    game.Tick(8);
    show("puzzle4-scrambling");
    game.EndSong();
    game.Tick(2);
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    TAC8Library& library = *game.World().GetImageLibrary();
    for (int size = 2; size <= 4; ++size) {
        TPuzzleInfo info(room.Puzzle(size), game.Context().RandomNumbers());
        info.Draw(view, MakeBounds(10 + 160 * (size - 2), 10, 142, 142), library);
        info.Solved = true;
        info.Draw(view, MakeBounds(10 + 160 * (size - 2), 170, 71, 71), library);
    }
    write("puzzle-album", view);
    visit("PTEXT>", "puzzle-help1");
    visit("P2<", "puzzle-help2");
}

// The doll theatre: the curtains closed, the empty stage, whole dolls in every look and
// dressed, singing, the open wardrobe, the doll as the album draws it, and the help pages.
template <class Show, class Visit, class Write>
void ShowDollRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("DOLLS", "dolls-curtains");
    game.Tick(30);
    show("dolls-empty");
    for (const char* box : {"T1", "H1", "A1", "L1"}) game.Click(box);
    show("dolls-complete");
    game.Click("DRAWER");
    game.Tick(60);
    show("dolls-wardrobe");
    for (const char* box : {"R1", "X1", "C4"}) game.Click(box);
    show("dolls-dressed");
    Snap(game);
    game.Click("DOLL");
    game.Tick(1);
    show("dolls-singing");
    game.Tick(12);
    const char* looks[][6] = {{"T2", "H2", "A2", "L2", "R2", "C1"}, {"T3", "H3", "A3", "L3", "R3", "C2"},
                              {"T4", "H4", "A4", "L4", "R4", "C3"}, {"T1", "H1", "A2", "L1", "R5", "C5"},
                              {"T4", "H2", "A1", "L3", "R6", "C6"}};
    int n = 0;
    for (const auto& look : looks) {
        for (const char* box : look) game.Click(box);
        show("dolls-look" + std::to_string(++n));
    }
    game.Click("DRAWER");
    show("dolls-wardrobe-shut");
    auto& room = dynamic_cast<TDollRoom&>(*game.World().FindRoom("DOLLS"));
    const auto copy = room.Doll().Clone();
    TAC8ImageData& view = game.View();
    TAC8Library& library = *game.World().GetImageLibrary();
    view.FillRect(view.GetBounds(), 135);
    DrawDollSnapshot(*copy, view, MakeBounds(20, 56, kDollThumbnailSize.Width, kDollThumbnailSize.Height), library);
    DrawDollSnapshot(*copy, view, MakeBounds(200, 10, kDollFullSize.Width * 3 / 2, kDollFullSize.Height * 3 / 2), library);
    DrawDollSnapshot(*copy, view, MakeBounds(440, 124, kDollHungSize.Width, kDollHungSize.Height), library);
    write("dolls-album", view);
    visit("DTEXT>", "dolls-help1");
    visit("DT2<", "dolls-help2");
}

// The workshop at both ends, its drawers open, a tool in the hand, a toy complaining, a toy
// mended and playing, the hint of a tool's drawer; and its help pages. The work table mirrors
// the rooms as they were left: the puzzle in the machine, the dressed doll, a card game under
// way, and the engine that crashed waiting on the shelf.
template <class Show, class Visit>
void ShowWorkshop(TGameHarness& game, Show show, Visit visit) {
    {
        // Every deck was played out: one goes back to the shelf and is dealt afresh, one pair found.
        game.World().GoRoom("CONC");
        auto& cards = game.RoomAs<TConcRoom>("CONC");
        game.Click("D2");
        game.Click("D2");
        game.Tick(50);
        const auto [a, b] = CardsOfFace(cards, DeckFirstFace(cards.Game().CurrentDeck()));
        if (a != 0 && b != 0) {
            game.Click("C" + std::to_string(a));
            game.Click("C" + std::to_string(b));
            game.Tick(11);
        }
    }
    visit("WORKSHOP", "workshop-left");
    auto& shop = game.RoomAs<TWorkshopRoom>("WORKSHOP");
    game.Click("GO_R_END");
    game.Tick(12);
    show("workshop-right");
    for (const char* box : {"#563D1", "#664D2", "#562D3", "#660D4"}) game.Click(box);
    show("workshop-drawers-open");
    // A toy on the shelf, a tool that does not mend it, then its own.
    int toy = 0;
    for (int place = 1; place <= 5 && toy == 0; ++place) toy = shop.ShelfToy(place);
    if (toy == 0) return;
    const int tool = TWorkshopRoom::ToolOf(toy);
    const int wrong = tool % 4 + 1;
    const std::string toolBoxes[] = {"#563T1", "#664T2", "#562T3", "#660T4"};
    std::string toyBox;
    for (THitBox* box : game.Room()->HitBoxes())
        if (box->GetID().size() >= 6 && box->GetID()[4] == 'R' && box->GetID().substr(5) == std::to_string(toy)) toyBox = box->GetID();
    game.Click(toolBoxes[wrong - 1]);
    show("workshop-tool-held");
    game.Click(toyBox);
    show("workshop-toy-complains");
    game.Tick(8);
    game.Click("#550XT");
    game.Click("#563D1");
    game.Click("#664D2");
    game.Click("#562D3");
    game.Click("#660D4");
    const THitBox& box = *game.Room()->FindHitBox(toyBox);
    game.MouseMove({box.Rect.Left + 5, box.Rect.Top + 5});
    game.Tick(1);
    show("workshop-drawer-hint");
    game.MouseMove({300, 300});
    const std::string drawers[] = {"#563D1", "#664D2", "#562D3", "#660D4"};
    game.Click(drawers[tool - 1]);
    game.Click(toolBoxes[tool - 1]);
    game.Click(toyBox);
    game.Click(toyBox);
    game.Tick(12);
    show("workshop-toy-mended");
}

// The kitchen: fresh at its right end, a cookie dropping, a full baking tray, the oven open
// with the tray inside, the baked tray close up, the cooling tray at the left end with a
// cookie being eaten and a glass half full, the album's drawings of a tray, and the help.
template <class Show, class Visit, class Write>
void ShowKitchen(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("KITCHEN", "kitchen-right");
    auto& kitchen = game.RoomAs<TKitchenRoom>("KITCHEN");
    // shape, decoration and colour of each of the six cookies; button (row r, choice c) is
    // named "#", its x, "B", c and r
    const int picks[6][3] = {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 5, 1}, {5, 2, 4}, {2, 1, 1}};
    const int x[5] = {742, 772, 802, 832, 862};
    const auto button = [&](int row, int choice) {
        return "#" + std::to_string(x[choice - 1]) + "B" + std::to_string(choice) + std::to_string(row);
    };
    for (int n = 0; n < 6; ++n) {
        for (int row = 1; row <= 3; ++row) game.Click(button(row, picks[n][row - 1]));
        game.Click("#604GO");
        if (n == 2) {
            game.Tick(5 + 2 * 11);
            show("kitchen-cookie-drops");
        }
        for (int i = 0; i < 100 && kitchen.MachineStep() != 0; ++i) game.Tick();
    }
    show("kitchen-tray-full");
    game.Click("GO_L_END");
    game.Tick(10);
    game.Click("#223OVN");
    for (int i = 0; i < 400 && !(kitchen.TrayInOven() && kitchen.OvenDoor() == 2); ++i) game.Tick();
    show("kitchen-oven-open");
    for (int i = 0; i < 400 && game.RoomName() == "KITCHEN"; ++i) game.Tick();
    show("tray");
    game.Click("BACK");
    show("kitchen-left");
    Snap(game);
    game.Click("#093J1");
    game.Click("#093J1");
    game.Click("#162J2");
    game.Click("#072C1");
    game.Tick(21);
    show("kitchen-eating");
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    DrawCookieTray(kitchen.CoolingTray(), view, MakeBounds(10, 10, 200, 138), game.World().GetImageLibrary());
    DrawCookieTray(kitchen.CoolingTray(), view, MakeBounds(10, 160, 103, 71), game.World().GetImageLibrary());
    TCookieTray all{};
    for (std::size_t p = 0; p < all.size(); ++p)
        all[p] = TCookieSlot{static_cast<std::uint8_t>(p % 5 + 1), static_cast<std::uint8_t>(p % 5 + 1),
                             static_cast<std::uint8_t>(5 - p % 5), 1};
    DrawCookieTray(all, view, MakeBounds(220, 10, 288, 199), game.World().GetImageLibrary());
    write("kitchen-album", view);
    visit("KTEXT>", "kitchen-help1");
    visit("KTEXT2<", "kitchen-help2");
    visit("TTEXT", "tray-help");
}

// Every shape with every decoration and colour, as the machine makes them.
template <class Write>
void ShowCookies(TGameHarness& game, Write write) {
    auto canvas = THotImage::CreateBlank(5 * 64 + 192, 320, game.World().GetImageLibrary());
    TAC8ImageData& view = canvas->Image();
    view.SetTransparency(0, false);
    view.FillRect(view.GetBounds(), 234);
    int cell = 0;
    for (std::uint8_t shape = 1; shape <= 5; ++shape)
        for (std::uint8_t decoration = 1; decoration <= 5; ++decoration)
            for (std::uint8_t variant = 1; variant <= 5; ++variant) {
                if ((decoration == 1 || decoration == 5) && variant > 1) continue;
                auto cookie = MakeCookiePicture(shape, decoration, variant, game.World().GetImageLibrary());
                const TRect at = MakeBounds(cell % 16 * 32, cell / 16 * 36, 30, 34);
                view.StretchBlit(at, cookie->Image(), cookie->Image().GetBounds());
                ++cell;
            }
    write("kitchen-cookies", view);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: show_rooms <game dat folder> <palette.gpl> <output folder>\n");
        return 2;
    }
    try {
        const fs::path dat = argv[1];
        const TPalette palette = LoadPalette(argv[2]);
        const fs::path output = argv[3];
        fs::create_directories(output);
        RegisterGameFontMetrics();

        TGameHarness game(testing_support::BuiltGameOptions(dat));
        testing_support::InstallBuiltScript(game, dat, testing_support::TBuiltScript::Text);
        TConfig config;
        config.GiftLabel = u"Christopher";
        // The living room reads the time of day from the game's clock: the harness clock, set
        // below, keeps the wall clock in its pictures the same from run to run.
        game.Context().SetServices(TGameServices{&config, nullptr, nullptr, nullptr, &game.Clock()});
        game.Start();

        const auto write = [&](const std::string& file, const TAC8ImageData& image) {
            WriteIndexedPng(output / (file + ".png"), PictureOf(image, file), palette);
        };
        auto show = [&](const std::string& file) {
            game.Tick(2);
            write(file, game.View());
        };
        auto visit = [&](const std::string& room, const std::string& file) {
            game.World().GoRoom(room);
            show(file);
        };
        visit("TITLE", "title");
        {
            TAC8Library library;
            library.Open(dat / "Zorvik.ac8");
            const TPictureHandle window(TImageHandle::CreateBlank(library, "mainwin", 800, 600));
            DrawMainWindow(library, game.View(), *window);
            write("mainwin", *window);
        }
        visit("GIFT", "gift");
        visit("MGTEXT", "mgtext");
        game.Click("VIEW");
        show("mgtext-picture");
        game.Click("VIEW");
        visit("HBTEXT", "help1");
        visit("HB2<>", "help2");
        visit("HB3<", "help3");
        visit("OPTIONS", "options");

        // The bedroom's rooms in their main states.
        visit("DARK", "dark");
        game.Tick(12);
        show("dark-blink");
        game.Click("LAMP");
        show("bedroom-night");
        game.Click("BLIND");
        game.Tick(60);
        show("bedroom-day");
        for (const char* box : {"D1", "D2", "D3", "D4", "DOOR", "COAT", "PAIL", "BOOK"}) game.Click(box);
        game.Tick(11);
        game.Click("RED1");
        game.Tick(20);
        show("bedroom-busy");
        game.Click("CAN");
        show("bedroom-carrying");
        game.Click("POT");
        game.Click("JUKE");
        show("jukebox-empty");
        game.Click("3");
        game.Tick(3);
        game.Click("BUTTON");
        game.Tick(20);
        show("jukebox-playing");
        game.Click("BACK");
        show("bedroom-cartridge");
        visit("CREDITS", "credits");
        visit("BRTEXT", "help-bedroom");
        visit("DBRTEXT", "help-dark");
        visit("JBTEXT", "help-jukebox");
        visit("ALBUM", "album-empty");
        // Each room's photo is taken with the camera button as the child takes it.
        ShowKitchen(game, show, visit, write);
        ShowCookies(game, write);
        ShowDollRoom(game, show, visit, write);
        ShowTreeRoom(game, show, visit, write);
        ShowSlateRoom(game, show, visit, write);
        ShowTrainRoom(game, show, visit, write);
        ShowCardRoom(game, show, visit, write);
        ShowPuzzleRoom(game, show, visit, write);
        // The album with those photos: its closed cover, the first page, a spread with the
        // hung picture, every spread, the back pages; and its help pages.
        auto& album = game.RoomAs<TAlbumRoom>("ALBUM");
        game.World().GoRoom("TITLE");
        visit("ALBUM", "album-cover");
        game.Tick(20);
        game.Click("LEFT");
        game.PressAction(1);
        game.Tick(2);
        show("album-spread-hung");
        while (album.CurrentPage() > 1) game.Click("BACK");
        show("album-page1");
        for (int spread = 1; album.FindHitBox("FWD")->IsEnabled(); ++spread) {
            game.Click("FWD");
            if (album.FindHitBox("FWD")->IsEnabled()) show("album-spread" + std::to_string(spread));
        }
        game.Click("BACK");
        show("album-back-inside");
        game.Click("FWD");
        show("album-back-cover");
        visit("PATEXT>", "album-help1");
        visit("PA2<", "album-help2");
        // The living room's frame as the album fills it.
        {
            std::unique_ptr<THotImage> wall = THotImage::CreateBlank(140, 100, game.World().GetImageLibrary());
            album.DrawHungPicture(wall->Image(), MakeBounds(0, 0, 140, 100));
            write("album-hung-picture", wall->Image());
        }
        ShowLivingRoom(game, show, visit);
        ShowWrapRooms(game, show, visit, write);
        ShowWorkshop(game, show, visit);
        visit("WSTEXT>", "workshop-help1");
        visit("WS2<", "workshop-help2");
        int shown = 0;
        for (const auto& message : game.Messages()) {
            std::fprintf(stderr, "show_rooms: the game said: %s\n", Utf16ToUtf8(message.Text).c_str());
            ++shown;
        }
        game.Close();
        game.Context().SetServices({});
        // A click the harness could not make means a picture shows some other state than its name.
        const bool played = !testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed();
        if (!played) std::fprintf(stderr, "show_rooms: the play above did not go as written\n");
        return shown == 0 && played ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "show_rooms: %s\n", e.what());
        return 1;
    }
}
