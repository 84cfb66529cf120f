// The generic room kinds played through the headless game over a house loaded from an init
// script: the title screen and its songs, the entry text page with its picture, help pages
// with their arrows, a wide room scrolling both ways, and the options panel.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "shell/aux_gfx_room.h"
#include "shell/disk_ops_room.h"
#include "shell/front_room.h"
#include "shell/game_services.h"
#include "shell/init_script.h"
#include "shell/room_kinds.h"
#include "shell/songs.h"
#include "shell/text_room.h"
#include "shell/view_size.h"
#include "tests/engine/test_fonts.h"
#include "tests/support/game_harness.h"
#include "tools/ac8/ac8_writer.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;
using Names = std::vector<std::string>;

namespace {

// Solid colours of the pictures, so a pixel of the view tells which picture lies there.
constexpr std::uint8_t kTitleColour = 40;
constexpr std::uint8_t kTextColour = 50;
constexpr std::uint8_t kMoreColour = 60;
constexpr std::uint8_t kPrevColour = 61;
constexpr std::uint8_t kMainGiftColour = 62;
constexpr std::uint8_t kViewGiftColour = 63;
constexpr std::uint8_t kStartGameColour = 64;
constexpr std::uint8_t kDarkColour = 70;
constexpr std::uint8_t kLampColour = 80;
constexpr std::uint8_t kPressedColour = 150;
constexpr std::uint8_t kSlotFrameColour = 180;

TAC8Picture Solid(const char* name, std::uint32_t width, std::uint32_t height, std::uint8_t colour) {
    TAC8Picture picture{name, width, height, {}, 0, false};
    picture.Pixels.assign(std::size_t(width) * height, colour);
    return picture;
}

// The options sheet: normal faces 100 + button, pressed faces 150, "off" faces 170, the slot
// frame 180, the mode panels 190 and 191.
TAC8Picture OptionsSheet() {
    TAC8Picture sheet = Solid("ldsv_gfx", 560, 250, 0);
    for (std::uint32_t y = 0; y < sheet.Height; ++y)
        for (std::uint32_t x = 0; x < sheet.Width; ++x) {
            std::uint8_t colour = 0;
            if (y < 30) colour = std::uint8_t(100 + x / 40);
            else if (y < 60) colour = kPressedColour;
            else if (y < 90) colour = 170;
            else if (x < 72) colour = kSlotFrameColour;
            else colour = y < 130 ? 190 : 191;
            sheet.Pixels[y * sheet.Width + x] = colour;
        }
    return sheet;
}

void WriteRoomsLibrary(const std::filesystem::path& path) {
    TAC8SourcePalette palette{};
    for (int i = 0; i < 256; ++i) palette[std::size_t(i)] = TAC8SourceColour{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
    TAC8Picture wide{"widebg", 912, 320, {}, 0, false};
    for (std::uint32_t y = 0; y < 320; ++y)
        for (std::uint32_t x = 0; x < 912; ++x) wide.Pixels.push_back(std::uint8_t(1 + x % 30));
    SaveAC8Library(path, palette,
                   {Solid("title", 514, 322, kTitleColour), Solid("textroom", 512, 320, kTextColour),
                    Solid("more", 40, 20, kMoreColour), Solid("prevpage", 40, 20, kPrevColour),
                    Solid("maingift", 514, 322, kMainGiftColour), Solid("viewgift", 40, 20, kViewGiftColour),
                    Solid("strtgame", 40, 20, kStartGameColour), Solid("dark", 512, 320, kDarkColour),
                    Solid("lamp", 10, 20, kLampColour), Solid("wideaux", 8, 8, 5), wide, OptionsSheet(),
                    MakeGlyphSheet(GameFontMetrics0, "00f12mc", 200), MakeGlyphSheet(GameFontMetrics0, "00f12mcb", 201),
                    MakeGlyphSheet(GameFontMetrics0, "00f12mcg", 202)});
}

// A wide room as activity rooms make one: its width and aux sheet set in its constructor.
class TTestWideRoom : public TWideRoom {
public:
    explicit TTestWideRoom(std::string_view name) : TWideRoom(name) {
        Width = 912;
        SetAuxImageName("wideaux");
    }
};

const char kHouse[] =
    "BEGIN TITLE\n"
    "FRONTROOM TITLE The title\n"
    "PIC title\n"
    "GOBOX PLAY 100 100 100 50 ENTRY\n"
    "GOBOX OPTIONS 300 100 50 50 OPTS\n"
    "FRONTROOM GIFT A gift for you\n"
    "PIC title\n"
    "ENTRYTEXTROOM ENTRY Welcome\n"
    "TEXT 10 10 Welcome, \\bfriend\\r!\n"
    "ROOMSCRIPTBOX VIEW 0 0 1 1 VIEW\n"
    "ROOMSCRIPTBOX EXIT 351 287 40 20\n"
    "ROOM DARK The dark room\n"
    "PIC dark\n"
    "GOBOX HALL 100 100 50 50 HALL\n"
    "GOBOX HELP 200 100 50 50 HBTEXT\n"
    "TEXTROOM HBTEXT Help\n"
    "TEXT 10 10 How to play\n"
    "GOBOX NEXT 400 100 50 50 HELP<>\n"
    "BACKBOX EXIT 450 280 50 30\n"
    "TEXTROOM HELP<> More help\n"
    "GOBOX PREV 300 100 50 50 HBTEXT\n"
    "GOBOX NEXT 400 100 50 50 HELP<\n"
    "BACKBOX EXIT 450 280 50 30\n"
    "TEXTROOM HELP< Last help\n"
    "ROOMSCRIPTBOX EXIT 450 280 50 30 DARK\n"
    "TEXTROOM MGTEXT About\n"
    "BACKBOX EXIT 450 280 50 30\n"
    "WIDEROOM HALL The hall\n"
    "PIC widebg\n"
    "RSB GO_L_END 0 100 30 100\n"
    "RSB GO_R_END 482 100 30 100\n"
    "FRAMESET LAMP lamp 10 2 600 50 0\n"
    "DISKOPSROOM OPTS Options\n"
    "CONTROLBOX 1 10 10 72 110\n"
    "CONTROLBOX 2 90 10 72 110\n"
    "CONTROLBOX S 400 10 40 30 SAVE\n"
    "CONTROLBOX M 400 50 40 30\n"
    "CONTROLBOX F 400 90 40 30\n"
    "CONTROLBOX X 400 130 40 30\n"
    "CONTROLBOX R 400 170 40 30\n"
    "CONTROLBOX C 400 210 40 30\n"
    "BACKBOX BACK 450 280 50 30\n";

THarnessOptions HouseOptions(bool giftScreen = false) {
    THarnessOptions options;
    options.WriteLibrary = WriteRoomsLibrary;
    options.BuildRooms = [](TWorld& world) {
        RegisterRoomKind("WIDE", &MakeRoomOfKind<TTestWideRoom>);
        LoadGameScript(world);
    };
    options.BeginWithGiftScreen = giftScreen;
    return options;
}

class GenericRooms : public ::testing::Test {
protected:
    GenericRooms() { Start(); }

    void Start(bool giftScreen = false) {
        RegisterGameFontMetrics();
        Game.reset();  // one game folder at a time: the folder set is program-wide
        Game = std::make_unique<TGameHarness>(HouseOptions(giftScreen));
        Config.GiftLabel = u"Ann";
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr});
        std::ofstream(Game->Folder().Path() / "dat" / "init.txt") << kHouse;
        Game->Start();
        ASSERT_TRUE(Game->Messages().empty()) << "the house loads without messages";
    }

    bool AnyPixelOtherThan(const TRect& area, std::uint8_t colour) {
        for (std::int32_t y = area.Top; y < area.Bottom; ++y)
            for (std::int32_t x = area.Left; x < area.Right; ++x)
                if (Game->ViewPixel(x, y) != colour) return true;
        return false;
    }

    TConfig Config;
    std::unique_ptr<TGameHarness> Game;
};

TEST_F(GenericRooms, TitleToEntryTextToHelpPagesAndBack) {
    TGameHarness& game = *Game;
    EXPECT_EQ(game.RoomName(), "TITLE");
    EXPECT_TRUE(game.Window().TutorChecked);
    EXPECT_TRUE(game.Window().NavGreyed);
    EXPECT_EQ(game.Context().ViewWidth(), kFullFrameViewWidth);
    EXPECT_EQ(game.ViewPixel(5, 5), kTitleColour);
    // The label is written on the plate.
    EXPECT_TRUE(AnyPixelOtherThan(MakeBounds(351, 39, 92, 17), kTitleColour));

    game.Click("PLAY");
    ASSERT_EQ(game.RoomName(), "ENTRY");
    EXPECT_FALSE(game.Window().TutorChecked);
    EXPECT_EQ(game.Context().ViewWidth(), kNormalViewWidth);
    EXPECT_EQ(game.ViewPixel(300, 200), kTextColour);
    EXPECT_EQ(game.ViewPixel(9, 288), kViewGiftColour);
    EXPECT_EQ(game.ViewPixel(352, 288), kStartGameColour);
    EXPECT_TRUE(AnyPixelOtherThan(MakeBounds(10, 10, 150, 30), kTextColour));

    // The tutor button on the entry page asks for the first help page.
    game.PressTutor();
    ASSERT_EQ(game.RoomName(), "HBTEXT");
    EXPECT_TRUE(game.Window().TutorChecked);
    EXPECT_EQ(game.ViewPixel(9, 288), kTextColour);  // no arrow
    game.Click("NEXT");
    ASSERT_EQ(game.RoomName(), "HELP<>");
    EXPECT_EQ(game.ViewPixel(9, 288), kPrevColour);
    EXPECT_EQ(game.ViewPixel(166, 288), kMoreColour);

    // On a text page the tutor button is the page's EXIT box, here a way back.
    game.PressTutor();
    EXPECT_EQ(game.RoomName(), "HBTEXT");
    EXPECT_EQ(game.Stack(), (Names{"TITLE", "ENTRY"}));
    game.Click("NEXT");
    game.Click("NEXT");
    ASSERT_EQ(game.RoomName(), "HELP<");
    EXPECT_EQ(game.ViewPixel(9, 288), kPrevColour);
    EXPECT_EQ(game.ViewPixel(166, 288), kTextColour);

    // An EXIT box that reports back to its own page does not click itself again: the page
    // goes to the room its script names.
    game.PressTutor();
    EXPECT_EQ(game.RoomName(), "DARK");
    EXPECT_TRUE(game.Messages().empty());

    // The entry page's EXIT goes to the dark room.
    game.World().GoRoom("ENTRY");
    game.Click("EXIT");
    EXPECT_EQ(game.RoomName(), "DARK");
}

TEST_F(GenericRooms, ThePictureViewComesAndGoesWithTheReturnStackAsItWas) {
    TGameHarness& game = *Game;
    game.Click("PLAY");
    ASSERT_EQ(game.RoomName(), "ENTRY");
    const THitBox& view = *game.Room()->FindHitBox("VIEW");
    EXPECT_EQ(view.Rect, MakeRect(8, 287, 161, 313));
    EXPECT_EQ(view.Cursor, 2);

    game.Click("VIEW");
    EXPECT_EQ(game.RoomName(), "ENTRY");
    EXPECT_TRUE(game.RoomAs<TEntryTextRoom>("ENTRY").PictureShown());
    EXPECT_EQ(game.Context().ViewWidth(), kFullFrameViewWidth);
    EXPECT_EQ(game.ViewPixel(9, 288), kMainGiftColour);
    EXPECT_EQ(game.ViewPixel(513, 321), kMainGiftColour);
    EXPECT_EQ(view.Rect, MakeRect(0, 0, 512, 320));
    EXPECT_EQ(view.Cursor, 11);

    // The picture-shown state is kept across a visit elsewhere.
    game.Click("VIEW");
    EXPECT_EQ(game.RoomName(), "ENTRY");
    EXPECT_FALSE(game.RoomAs<TEntryTextRoom>("ENTRY").PictureShown());
    EXPECT_EQ(game.Stack(), (Names{"TITLE"}));
    EXPECT_EQ(game.Context().ViewWidth(), kNormalViewWidth);
    EXPECT_EQ(game.ViewPixel(9, 288), kViewGiftColour);
    EXPECT_EQ(view.Rect, MakeRect(8, 287, 161, 313));
}

TEST_F(GenericRooms, AWideRoomScrollsAStepATickToEitherEndAndTurnsRoundMidway) {
    TGameHarness& game = *Game;
    game.World().GoRoom("HALL");
    ASSERT_EQ(game.RoomName(), "HALL");
    TWideRoom& hall = game.RoomAs<TWideRoom>("HALL");
    const THitBox& left = *hall.FindHitBox("GO_L_END");
    const THitBox& right = *hall.FindHitBox("GO_R_END");
    EXPECT_TRUE(hall.AtLeftEnd());
    EXPECT_TRUE(left.Disabled);
    EXPECT_FALSE(right.Disabled);

    // The click makes the first step; a timer due on the next tick total makes each of the
    // others (the tick that follows the click is still the click's own).
    game.Click("GO_R_END");
    std::vector<std::int32_t> offsets{hall.ScrollOffset};
    for (int i = 0; i < 10; ++i) {
        game.Tick();
        offsets.push_back(hall.ScrollOffset);
    }
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{50, 50, 100, 150, 200, 250, 300, 350, 400, 400, 400}));
    EXPECT_FALSE(hall.AtLeftEnd());
    EXPECT_FALSE(left.Disabled);
    EXPECT_TRUE(right.Disabled);
    EXPECT_EQ(hall.FrameSets().FindFrameSet("LAMP")->X, 200);
    EXPECT_EQ(game.ViewPixel(0, 0), 1 + 400 % 30);
    EXPECT_EQ(game.ViewPixel(205, 55), kLampColour);

    // Turning round in the middle of a scroll: the step back to the left is dropped.
    game.Click("GO_L_END");
    game.Tick(2);
    EXPECT_EQ(hall.ScrollOffset, 300);
    game.Click("GO_R_END");
    offsets = {hall.ScrollOffset};
    for (int i = 0; i < 4; ++i) {
        game.Tick();
        offsets.push_back(hall.ScrollOffset);
    }
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{350, 350, 400, 400, 400}));

    game.Click("GO_L_END");
    game.Tick(9);
    EXPECT_EQ(hall.ScrollOffset, 0);
    EXPECT_TRUE(hall.AtLeftEnd());
    EXPECT_TRUE(left.Disabled);
    EXPECT_FALSE(right.Disabled);

    // The offset is kept across visits, and the resting end follows it.
    game.Click("GO_R_END");
    game.Tick(9);
    EXPECT_NE(hall.AuxImage(), nullptr);
    game.World().GoRoom("DARK");
    EXPECT_EQ(hall.AuxImage(), nullptr);
    EXPECT_EQ(game.World().GetImageLibrary()->FindCached(AC8ImageName("wideaux")), nullptr);
    game.World().GoRoom("HALL");
    EXPECT_EQ(hall.ScrollOffset, 400);
    EXPECT_FALSE(hall.AtLeftEnd());
    EXPECT_TRUE(right.Disabled);
}

TEST_F(GenericRooms, TheTitleSongsPlayInTurnOnlyOnTheGiftScreen) {
    TGameHarness& game = *Game;
    // Timers fire on the tick after their due total is reached.
    game.Tick(10);
    EXPECT_TRUE(game.SongLog().empty());
    game.Tick();
    EXPECT_EQ(game.SongLog(), (Names{std::string(SongFileName(5))}));
    // Under its own ID the title hears nothing of the song's end: the cycle stops.
    game.EndSong();
    game.Tick(600);
    EXPECT_EQ(game.SongLog().size(), 1u);

    Start(true);
    TGameHarness& gift = *Game;
    ASSERT_EQ(gift.RoomName(), "GIFT");
    gift.Tick(11);
    for (int i = 0; i < 3; ++i) {
        gift.EndSong();
        gift.Tick(21);
    }
    EXPECT_EQ(gift.SongLog(), (Names{std::string(SongFileName(5)), std::string(SongFileName(16)),
                                     std::string(SongFileName(14)), std::string(SongFileName(17))}));
    // The fifth turn plays nothing and pauses for 500 ticks; the sixth starts again.
    gift.EndSong();
    gift.Tick(21);
    EXPECT_EQ(gift.SongLog().size(), 4u);
    gift.Tick(499);
    EXPECT_EQ(gift.SongLog().size(), 4u);
    gift.Tick();
    EXPECT_EQ(gift.SongLog().back(), SongFileName(5));
}

TEST_F(GenericRooms, TheOptionsPanelLightsAPressedButtonOnlyWhileThePointerIsOnIt) {
    TGameHarness& game = *Game;
    game.Click("OPTIONS");
    ASSERT_EQ(game.RoomName(), "OPTS");
    auto& options = game.RoomAs<TDiskOpsRoom>("OPTS");
    EXPECT_TRUE(options.FromTitle());
    EXPECT_TRUE(options.HasScratch());
    EXPECT_EQ(game.ViewPixel(300, 300), 208);
    EXPECT_EQ(game.ViewPixel(11, 11), kSlotFrameColour);
    // Slots never hold a picture; C waits for a mode; without sound devices M and F rest.
    for (const char* name : {"1", "2", "C", "M", "F"}) EXPECT_TRUE(game.Room()->FindHitBox(name)->Disabled) << name;
    for (const char* name : {"S", "X", "R"}) EXPECT_FALSE(game.Room()->FindHitBox(name)->Disabled) << name;
    // M and F show sound that is off.
    EXPECT_EQ(game.ViewPixel(401, 51), 170);
    EXPECT_EQ(game.ViewPixel(401, 11), 100 + 8);

    game.MouseDown(TPoint{410, 20});
    EXPECT_EQ(options.PressedButton(), 9);
    EXPECT_EQ(game.ViewPixel(401, 11), kPressedColour);
    game.MouseMove(TPoint{300, 300});
    EXPECT_FALSE(options.PressedInside());
    EXPECT_EQ(game.ViewPixel(401, 11), 100 + 8);
    game.MouseMove(TPoint{405, 15});
    EXPECT_EQ(game.ViewPixel(401, 11), kPressedColour);
    game.MouseUp(TPoint{405, 15});
    EXPECT_EQ(options.PressedButton(), 0);
    EXPECT_EQ(game.ViewPixel(401, 11), 100 + 8);
    EXPECT_EQ(game.RoomName(), "OPTS");
    EXPECT_TRUE(game.Messages().empty());

    game.Click("BACK");
    EXPECT_EQ(game.RoomName(), "TITLE");
    EXPECT_FALSE(options.HasScratch());
}

TEST(FrontRoomLabel, ALongLabelIsCutFromItsEndUntilItFits) {
    RegisterGameFontMetrics();
    const TAC8Font font(nullptr, AC8ImageName("00f12mcg"));
    const std::u16string label(40, u'W');
    const std::u16string fitted = FitGiftLabel(font, label);
    EXPECT_LE(font.TextWidth(fitted), 149);
    EXPECT_GT(font.TextWidth(fitted + u'W'), 149);
    EXPECT_EQ(FitGiftLabel(font, u"Ann"), u"Ann");
}

}  // namespace
