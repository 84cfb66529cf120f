// A whole day in the house as a child plays it: in from the title through the dark room, every
// room by its button and its door, something made in every activity, photographed and wrapped,
// the gifts under the tree, the album's page hung and printed; then the game closed and
// started again, with everything the saved game keeps back in place byte for byte.
#include "tests/house/house_day.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <tuple>
#include <iterator>
#include <fstream>

#include "engine/sound/midi_player.h"
#include "foundation/stream.h"
#include "rooms/album/album_room.h"
#include "rooms/bedroom/bed_room.h"
#include "rooms/bedroom/jukebox_room.h"
#include "rooms/cards/conc_room.h"
#include "rooms/dolls/doll_room.h"
#include "rooms/kitchen/cookie.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/living/living_room.h"
#include "rooms/puzzle/puzzle_room.h"
#include "rooms/questions/gift_table.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_room.h"
#include "rooms/train/train_room.h"
#include "rooms/tree/tree.h"
#include "rooms/tree/tree_room.h"
#include "rooms/workshop/workshop_room.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/saved_game.h"
#include "tests/support/activity_steps.h"

namespace house_day {
namespace {

using namespace testing_support;

// The living room's wall colour where no picture hangs in the frame above the fire.
constexpr std::uint8_t kCork = 135;

class WholeHouse : public HouseDay {
protected:
    // --- In from the title, and round the house

    void ComeIn() {
        ASSERT_EQ(Game->RoomName(), "TITLE");
        ClickTo("PLAY", "MGTEXT");
        ClickTo("EXIT", "DARK");  // "Let's play!"
        ClickTo("LAMP", "BED");
        EXPECT_EQ(Game->Window().HomeIndex, 1);
    }

    // A carol on the jukebox, and the credits in the picture book.
    void PlayASong() {
        ClickTo("JUKE", "JUKEBOX");
        Game->Click("4");
        Game->Tick(2);
        Game->Click("BUTTON");
        ASSERT_FALSE(Game->SongLog().empty());
        EXPECT_FALSE(Game->RoomAs<TJukeboxRoom>("JUKEBOX").Idle()) << "the carol plays";
        ClickTo("BACK", "BED");
        // The picture book, opened and clicked again, shows who made the house.
        Game->Click("BOOK");
        ClickTo("BOOK", "CREDITS");
        ClickTo("EXIT", "BED");
    }

    void WalkRound() {
        Game->Click("DOOR");
        ASSERT_TRUE(Game->RoomAs<TBedRoom>("BED").IsDoorOpen());
        ClickTo("DOORWAY", "LIVING");
        Nav(1, "BED");
        Nav(2, "WORKSHOP");
        Nav(4, "KITCHEN");
        ClickTo("GO_L_END", "KITCHEN");
        Nav(3, "LIVING");
        ScrollRightEnd();
        ClickTo("#530", "WRAP");
        Nav(3, "LIVING");
        ScrollLeftEnd();
        Nav(2, "WORKSHOP");
    }

    // --- The activities

    void TrimTheTree() {
        Nav(3, "LIVING");
        ScrollLeftEnd();
        ClickTo("TREE", "TREE");
        Game->Click("A2");
        Game->Click("L1");
        Game->Click("T3");
        Game->Click("B03");
        // The new bauble, pressed and carried up onto a branch.
        Game->MouseDown({112 + 3, 160 + 3});
        Game->MouseMove({90, 130});
        Game->MouseUp({80, 120});
        Game->Click("B07");
        Game->Click("B15");
        TTree& tree = Game->RoomAs<TTreeRoom>("TREE").Tree();
        ASSERT_EQ(tree.Baubles().CachedCount(), 3);
        EXPECT_EQ(tree.TopChoice(), 2);
        Snap();
        Nav(3, "LIVING");
    }

    void SolveAPuzzle() {
        Nav(2, "WORKSHOP");
        ScrollLeftEnd();
        ClickTo("#012PZL", "PUZZLE");
        auto& puzzles = Game->RoomAs<TPuzzleRoom>("PUZZLE");
        Game->Click("DOWN");
        ASSERT_FALSE(puzzles.Covered());
        Game->Click("LPUZ");
        Game->Tick(2);
        TurnPuzzleTo(*Game, puzzles.Current(), 4);
        ASSERT_TRUE(puzzles.Current().IsSolved());
        Game->Click("FCLS");
        Game->Tick(22);
        ASSERT_TRUE(puzzles.Current().SolvedShown());
        Snap();
        WrapHere(1, 1, 1);
        EXPECT_EQ(Table().Gift()->Kind, kPuzzleGift);
        // A fresh puzzle on the machine, turned to its first picture, stays for the next day.
        Nav(2, "WORKSHOP");
        ClickTo("#012PZL", "PUZZLE");
        Game->Click("DOWN");
        TurnPuzzleTo(*Game, puzzles.Current(), 2);
    }

    void DressADoll() {
        Nav(2, "WORKSHOP");
        ClickTo("#096DOL", "DOLLS");
        auto& dolls = Game->RoomAs<TDollRoom>("DOLLS");
        Game->Tick(26);
        ASSERT_EQ(dolls.CurtainStep(), 2) << "the curtains are open";
        for (const char* part : {"T2", "H4", "A3", "L1"}) Game->Click(part);
        OpenDollWardrobe(*Game);
        Game->Click("R1");
        Game->Click("C5");
        ASSERT_TRUE(dolls.Doll().IsComplete());
        Snap();
        WrapHere(2, 2, 2);
        EXPECT_EQ(Table().Gift()->Kind, kDollGift);
        // Back in the theatre a new doll waits; its sign leads back to the workshop.
        Nav(2, "WORKSHOP");
        ClickTo("#096DOL", "DOLLS");
        EXPECT_FALSE(dolls.Doll().IsComplete());
        ClickTo("EXIT", "WORKSHOP");
    }

    void PlayCards() {
        Nav(2, "WORKSHOP");
        ClickTo("#384CON", "CONC");
        auto& cards = Game->RoomAs<TConcRoom>("CONC");
        ASSERT_NO_FATAL_FAILURE(DealCards(*Game, cards, 0));
        ASSERT_NO_FATAL_FAILURE(FinishCardDeck(*Game, cards));
        ASSERT_NO_FATAL_FAILURE(DealCards(*Game, cards, 1));
        ASSERT_NO_FATAL_FAILURE(FinishCardDeck(*Game, cards));
        Snap();
        WrapHere(3, 3, 3);
        EXPECT_EQ(Table().Gift()->Kind, kCardGameGift);
        // The next game waits dealt for tomorrow.
        Nav(2, "WORKSHOP");
        ClickTo("#384CON", "CONC");
        ASSERT_NO_FATAL_FAILURE(DealCards(*Game, cards, 2));
    }

    // The first broken toy on the shelves mended with its tool, and played with.
    void MendAToy() {
        Nav(2, "WORKSHOP");
        ScrollRightEnd();
        auto& shop = Game->RoomAs<TWorkshopRoom>("WORKSHOP");
        int toy = 0;
        for (int place = 1; place <= kShelfPlaces && toy == 0; ++place)
            if (shop.ShelfToy(place) != 0 && !shop.ToyRepaired(shop.ShelfToy(place))) toy = shop.ShelfToy(place);
        ASSERT_NE(toy, 0) << "a broken toy waits on the shelves";
        const int tool = TWorkshopRoom::ToolOf(toy);
        const std::string drawer = WorkshopBox('D', tool);
        if (FindFrameSetOrFail(shop.FrameSets(), "D" + std::to_string(tool)).CurrentFrame == 0) Game->Click(drawer);
        Game->Click(WorkshopBox('T', tool));
        ASSERT_EQ(shop.HeldTool(), tool);
        Game->Click(WorkshopBox('R', toy));
        Game->Tick();
        ASSERT_TRUE(shop.ToyRepaired(toy)) << "toy " << toy;
        EXPECT_EQ(shop.HeldTool(), 0) << "the tool goes back to its drawer";
    }

    // The box of the workshop with this letter and number after the place it stands at.
    std::string WorkshopBox(char letter, int number) {
        const std::string tail = std::string{letter} + std::to_string(number);
        for (auto* box : NodesOf<THitBox>(Game->Room()->HitBoxes())) {
            const std::string& name = box->GetID();
            if (name.size() > tail.size() && name[0] == '#' && name.compare(name.size() - tail.size(), tail.size(), tail) == 0 &&
                std::isdigit(static_cast<unsigned char>(name[name.size() - tail.size() - 1])))
                return name;
        }
        ADD_FAILURE() << "the workshop has no box " << tail;
        return {};
    }

    void ColourTheSlate() {
        Nav(2, "WORKSHOP");
        ScrollRightEnd();
        ClickTo("#566SLT", "SLATE");
        auto& slate = Game->RoomAs<TSlateRoom>("SLATE");
        Game->Click("2");
        Game->Click("3W");
        const TSlateSeed seed = slate.Drawing().Background()->Record().Seeds[0];
        const TPoint at{seed.X + 15, seed.Y + 15};
        Game->MouseDown(at);
        Game->MouseUp(at);
        Game->Tick();
        EXPECT_EQ(Game->ViewPixel(at.X, at.Y), slate.WellColour(3)) << "coloured in";
        for (int sticker : {5, 8}) {
            Game->Click(std::to_string(sticker));
            Game->Tick(6);
        }
        Game->Click("FLOP");
        ASSERT_EQ(slate.Drawing().StickerCount(), 2);
        Snap();
    }

    void RunATrain() {
        Nav(2, "WORKSHOP");
        ScrollRightEnd();
        ClickTo("#652TRN", "TRAINS");
        auto& trains = Game->RoomAs<TTrainRoom>("TRAINS");
        BuildARunningLayout(trains);
        Snap();
        WrapHere(4, 1, 2);
        EXPECT_EQ(Table().Gift()->Kind, kTrainGift);
        // The table is bare again: another layout, with its train running, stays there.
        Nav(2, "WORKSHOP");
        ClickTo("#652TRN", "TRAINS");
        BuildARunningLayout(trains);
    }

    void BuildARunningLayout(TTrainRoom& trains) {
        LayTrackLoop(*Game, trains);
        PlaceEngine(*Game, 1, 2, 0);
        Game->Click("CAR1");
        Game->Click("+1KNB");
        Game->Tick(9);
        ASSERT_EQ(trains.Layout().Record(1).State, kOnLayout);
        ASSERT_NE(trains.Layout().Record(1).Speed, 0) << "the train runs";
    }

    void BakeCookies() {
        Nav(4, "KITCHEN");
        auto& kitchen = Game->RoomAs<TKitchenRoom>("KITCHEN");
        ScrollRightEnd();
        for (const auto& [shape, decoration, variant] : {std::tuple{3, 2, 2}, std::tuple{5, 5, 1}, std::tuple{1, 3, 4}}) {
            PickCookie(*Game, shape, decoration, variant);
            Game->Click("#604GO");
            Game->Tick(5 + 2 * 20);
            ASSERT_EQ(kitchen.MachineStep(), 0);
        }
        ScrollLeftEnd();
        ClickTo("#223OVN", "TRAY");
        ASSERT_TRUE(TrayHoldsCookie(kitchen.MachineTray()));
        Snap();
        ClickTo("BACK", "KITCHEN");
        ASSERT_TRUE(TrayHoldsCookie(kitchen.CoolingTray()));
        WrapHere(1, 2, 3);
        EXPECT_EQ(Table().Gift()->Kind, kCookieGift);
        Nav(3, "LIVING");
    }

    void WrapTheSlateToy() {
        Nav(3, "LIVING");
        ScrollRightEnd();
        ClickTo("#530", "WRAP");
        ASSERT_EQ(Table().Gift(), nullptr) << "the cookies went under the tree";
        Game->Click("SLATE2");
        ASSERT_NE(Table().Gift(), nullptr);
        ASSERT_EQ(Table().Gift()->Kind, kSlateToyGift);
        Game->Click("PAPER2");
        Game->Click("RIB3");
        Game->Click("BOW1");
        Game->Click("TAGS");
        Game->Click("BIGTAG");
        Nav(3, "LIVING");
    }

    void OpenAGift() {
        ScrollLeftEnd();
        ASSERT_EQ(Living().GiftCount(), 6) << "puzzle, doll, cards, train, cookies and the slate toy";
        std::vector<int> kinds;
        for (int slot = 1; slot <= Living().GiftCount(); ++slot) kinds.push_back(Living().GiftInSlot(slot)->Kind);
        std::sort(kinds.begin(), kinds.end());
        EXPECT_EQ(kinds, (std::vector<int>{kTrainGift, kCardGameGift, kDollGift, kCookieGift, kSlateToyGift, kPuzzleGift}));
        const TGift& under = *Living().GiftInSlot(2);
        ClickTo("GIFT2", "SHOWGIFT");
        const TGift* shown = Game->RoomAs<TWrapRoom>("SHOWGIFT").Gift();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Kind, under.Kind);
        EXPECT_EQ(shown->Paper, under.Paper);
        EXPECT_EQ(shown->TagName(), under.TagName());
        // Its tag, read large and put down again.
        auto& show = Game->RoomAs<TWrapRoom>("SHOWGIFT");
        Game->Click("SMTAG");
        EXPECT_TRUE(show.BigTagShown());
        Game->Click("BIGTAG");
        EXPECT_FALSE(show.BigTagShown());
        ClickTo("BACK", "LIVING");
        EXPECT_EQ(Living().GiftCount(), 6) << "the gift stays under the tree";
    }

    void KeepTheAlbum() {
        ScrollRightEnd();
        ClickTo("#784", "ALBUM");
        Game->Tick(21);
        ASSERT_FALSE(Album().CoverShown());
        ASSERT_EQ(Album().Count(), 7) << "tree, puzzle, doll, cards, slate, train and cookies";
        ASSERT_TRUE(Album().CanHang());
        Game->PressAction(1);
        Game->Tick(3);
        ASSERT_TRUE(Album().HasHungPicture());
        EXPECT_EQ(Album().HungPage(), Album().CurrentPage());
        ASSERT_EQ(Game->Window().ActionCommands[1], TActionCommand::Print);
        Game->PressAction(2);
        Game->Tick(2);
        Game->PressAction(3);
        Game->Tick(2);
        ASSERT_EQ(Printers.Jobs.size(), 2u) << "a page and a card";
        for (const auto& job : Printers.Jobs) {
            EXPECT_TRUE(job.Ended);
            EXPECT_EQ(job.Pictures.size(), 1u);
        }
        const auto& card = Printers.Jobs[1];
        EXPECT_GE(card.Rects.at(0).Left, card.Page.Width / 2) << "the card's picture in the lower right quarter";
        EXPECT_GE(card.Rects.at(0).Top, card.Page.Height / 2);
        EXPECT_LT(Printers.Jobs[0].Rects.at(0).Top, card.Page.Height / 2) << "the page's picture in the middle";

        Nav(3, "LIVING");
        ScrollLeftEnd();
        EXPECT_GT(PicturePixelsAboveTheFire(), 1000) << "the photo hangs above the fire";
    }

    // The play area as the view shows it.
    std::vector<std::uint8_t> ViewPixels() {
        std::vector<std::uint8_t> view;
        for (std::int32_t y = 0; y < 320; ++y)
            for (std::int32_t x = 0; x < 512; ++x) view.push_back(Game->ViewPixel(x, y));
        return view;
    }
    std::vector<std::uint8_t> ViewOf(const std::string& room) {
        Game->World().GoRoom(room);
        Game->Tick();
        return ViewPixels();
    }

    // The album's every opening, from the first page to the last, as the view shows it.
    std::vector<std::vector<std::uint8_t>> AlbumOpenings() {
        Game->World().GoRoom("ALBUM");
        Game->Tick(21);
        const auto enabled = [&](const char* box) { return Album().FindHitBox(box)->IsEnabled(); };
        for (int i = 0; i < 20 && enabled("BACK"); ++i) {
            Game->Click("BACK");
            Game->Tick();
        }
        std::vector<std::vector<std::uint8_t>> openings;
        for (int i = 0; i < 20; ++i) {
            openings.push_back(ViewPixels());
            if (!enabled("FWD")) break;
            Game->Click("FWD");
            Game->Tick();
        }
        return openings;
    }

    int PicturePixelsAboveTheFire() {
        int picture = 0;
        for (std::int32_t y = 31; y < 108; ++y)
            for (std::int32_t x = 400; x < 493; ++x)
                if (Game->ViewPixel(x, y) != kCork) ++picture;
        return picture;
    }
};

TEST_F(WholeHouse, ADayInTheHouseIsAllThereTheNextMorning) {
    StartGame();
    ASSERT_EQ(Shown(), "") << "the built game starts without a message";
    {
        SCOPED_TRACE("in from the title, a song, and round the house");
        ASSERT_NO_FATAL_FAILURE(ComeIn());
        ASSERT_NO_FATAL_FAILURE(PlayASong());
        ASSERT_NO_FATAL_FAILURE(WalkRound());
    }
    {
        SCOPED_TRACE("the tree");
        ASSERT_NO_FATAL_FAILURE(TrimTheTree());
    }
    {
        SCOPED_TRACE("the puzzle machine");
        ASSERT_NO_FATAL_FAILURE(SolveAPuzzle());
    }
    {
        SCOPED_TRACE("the doll theatre");
        ASSERT_NO_FATAL_FAILURE(DressADoll());
    }
    {
        SCOPED_TRACE("the card table");
        ASSERT_NO_FATAL_FAILURE(PlayCards());
    }
    {
        SCOPED_TRACE("the workshop's shelves");
        ASSERT_NO_FATAL_FAILURE(MendAToy());
    }
    {
        SCOPED_TRACE("the slate");
        ASSERT_NO_FATAL_FAILURE(ColourTheSlate());
    }
    {
        SCOPED_TRACE("the train table");
        ASSERT_NO_FATAL_FAILURE(RunATrain());
    }
    {
        SCOPED_TRACE("the kitchen");
        ASSERT_NO_FATAL_FAILURE(BakeCookies());
    }
    {
        SCOPED_TRACE("the slate toy");
        ASSERT_NO_FATAL_FAILURE(WrapTheSlateToy());
    }
    {
        SCOPED_TRACE("the gifts under the tree");
        ASSERT_NO_FATAL_FAILURE(OpenAGift());
    }
    {
        SCOPED_TRACE("the album");
        ASSERT_NO_FATAL_FAILURE(KeepTheAlbum());
    }
    EXPECT_EQ(Shown(), "") << "a whole day without a message";

    // The album shows every photo of the day; the day ends in the bedroom, every activity
    // left as the child left it.
    const auto openings = AlbumOpenings();
    EXPECT_GE(openings.size(), 4u) << "seven photos, two to an opening";
    const auto slatePage = ViewOf("SLATE");
    Nav(1, "BED");
    const TRoomRecords evening = Records();
    const auto album = Game->RoomAs<TAlbumRoom>("ALBUM").Count();
    const TTrainCell trainCorner = Game->RoomAs<TTrainRoom>("TRAINS").Layout().Cell(0, 0);
    const std::uint8_t flour = Game->RoomAs<TKitchenRoom>("KITCHEN").Level(THopper::Flour);
    EXPECT_LT(flour, kHopperFull[0]) << "the day's cookies used flour";
    CloseGame();

    SCOPED_TRACE("the next morning");
    const std::vector<std::uint8_t> saved = FileBytes(Game->SavedGameFile());
    {
        // The file is the header and every room's record in the init script's order, nothing more.
        TMemoryStream expected;
        WriteSavedGameHeader(expected, 1);
        ASSERT_EQ(expected.Bytes().size(), std::size_t(kSavedGameHeaderSize));
        StartAgain();
        for (auto* room : NodesOf<TRoom>(Game->World().Rooms())) {
            const auto& record = evening.at(room->GetID());
            expected.Write(record.data(), record.size());
        }
        EXPECT_EQ(saved, expected.Bytes());
    }
    ASSERT_EQ(Game->World().KeepReason(), TKeepSavedGame::None);
    EXPECT_EQ(Shown(), "");
    const TRoomRecords morning = Records();
    for (const auto& [room, record] : evening) EXPECT_EQ(morning.at(room), record) << "the record of " << room;

    EXPECT_EQ(Album().Count(), album);
    EXPECT_TRUE(Album().HasHungPicture());
    EXPECT_EQ(Game->RoomAs<TTreeRoom>("TREE").Tree().Baubles().CachedCount(), 3);
    const TTrainLayout& layout = Game->RoomAs<TTrainRoom>("TRAINS").Layout();
    EXPECT_EQ(layout.Cell(0, 0), trainCorner) << "the track is laid";
    EXPECT_NE(layout.Cell(0, 0), TTrainCell{});
    EXPECT_EQ(Game->RoomAs<TSlateRoom>("SLATE").Drawing().StickerCount(), 2);
    EXPECT_EQ(Game->RoomAs<TKitchenRoom>("KITCHEN").Level(THopper::Flour), flour) << "the hopper as it was left";
    EXPECT_EQ(Game->RoomAs<TPuzzleRoom>("PUZZLE").Machine(), 2) << "the puzzles are not kept: a new day, new puzzles";
    Game->World().GoRoom("LIVING");
    Game->Tick(2);
    EXPECT_GT(PicturePixelsAboveTheFire(), 1000) << "the photo still hangs above the fire";
    const auto openingsAgain = AlbumOpenings();
    ASSERT_EQ(openingsAgain.size(), openings.size());
    for (std::size_t i = 0; i < openings.size(); ++i)
        EXPECT_TRUE(openingsAgain[i] == openings[i]) << "the album's opening " << i + 1 << " looks as it did";
    EXPECT_TRUE(ViewOf("SLATE") == slatePage) << "the slate looks as it was left";

    // A day that changes nothing saves the same file again.
    Game->World().GoRoom("BED");
    Game->Tick();
    CloseGame();
    EXPECT_EQ(FileBytes(Game->SavedGameFile()), saved);

    const long rss = ResidentKilobytes();
    RecordProperty("VmRSS_kB", std::to_string(rss));
    RecordProperty("saved_game_bytes", std::to_string(saved.size()));
    std::printf("[ house    ] resident memory after the day: %ld kB; saved game %zu bytes\n", rss, saved.size());
}

}  // namespace
}  // namespace house_day
