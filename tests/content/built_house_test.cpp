// The built game folder played through the headless game: the init script's record file
// loads through the game's own loader without a single message, the rooms stand in the
// order saved games rely on, and every generic room can be reached, drawn and left.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "shell/disk_ops_room.h"
#include "shell/game_services.h"
#include "shell/room.h"
#include "shell/text_room.h"
#include "shell/view_size.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;

namespace {

namespace fs = std::filesystem;
const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

class BuiltHouse : public ::testing::Test {
protected:

    // Only the record file goes into the game folder, so what is loaded is exactly what the
    // content build wrote, not a record file the loader made again from the text.
    void Start(bool giftScreen = false) {
        RegisterGameFontMetrics();
        THarnessOptions options = testing_support::BuiltGameOptions(kDat);
        options.BeginWithGiftScreen = giftScreen;
        Game = std::make_unique<TGameHarness>(options);
        testing_support::InstallBuiltScript(*Game, kDat, testing_support::TBuiltScript::RecordFile);
        Config.GiftLabel = u"Christopher";
        Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr});
        Game->Start();
        Game->Tick(2);
        EXPECT_EQ(Shown(), "") << "the built init script loads without a message";
    }

    std::string Shown() { return Game->MessageTexts(); }

    // A room shows and paints without a single message box.
    void ExpectRoom(const std::string& name) {
        ASSERT_EQ(Game->RoomName(), name);
        Game->Tick(2);
        EXPECT_EQ(Shown(), "") << "in " << name;
    }

    TConfig Config;
    std::unique_ptr<TGameHarness> Game;
};

TEST_F(BuiltHouse, GenericRoomsComeFirstInTheirSavedGameOrder) {
    Start();
    std::vector<std::string> names;
    for (const auto* room : NodesOf<TIDNode>(Game->World().Rooms())) names.push_back(room->GetID());
    const std::vector<std::string> generic = {"TITLE", "GIFT", "MGTEXT", "HBTEXT", "HB2<>", "HB3<", "OPTIONS"};
    ASSERT_GE(names.size(), generic.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + std::ptrdiff_t(generic.size())), generic);
    EXPECT_EQ(Game->World().GetStartRoom(), "TITLE");
}

TEST_F(BuiltHouse, TitleToStoryPageToEveryHelpPageAndBack) {
    Start();
    ExpectRoom("TITLE");
    EXPECT_EQ(Game->Context().ViewWidth(), kFullFrameViewWidth);
    Game->Click("HOUSE");
    ExpectRoom("MGTEXT");

    Game->Click("VIEW");  // the present, full size
    ExpectRoom("MGTEXT");
    EXPECT_EQ(Game->Context().ViewWidth(), kFullFrameViewWidth);
    Game->Click("VIEW");
    ExpectRoom("MGTEXT");
    EXPECT_EQ(Game->Context().ViewWidth(), kNormalViewWidth);

    Game->PressTutor();
    ExpectRoom("HBTEXT");
    Game->Click("NEXT");
    ExpectRoom("HB2<>");
    Game->Click("NEXT");
    ExpectRoom("HB3<");
    Game->Click("PREV");
    ExpectRoom("HB2<>");
    Game->Click("PREV");
    ExpectRoom("HBTEXT");
    // Back on the first page returns to where help was asked for.
    Game->Click("EXIT");
    ExpectRoom("MGTEXT");
}

TEST_F(BuiltHouse, OptionsScreenFromTheTitleAndBack) {
    Start();
    Game->Click("OPTIONS");
    ExpectRoom("OPTIONS");
    auto& options = Game->RoomAs<TDiskOpsRoom>("OPTIONS");
    EXPECT_TRUE(options.FromTitle());
    // A button lights while pressed and the screen draws it from the options sheet.
    Game->Click("S");
    ExpectRoom("OPTIONS");
    Game->Click("BACK");
    ExpectRoom("TITLE");
}

TEST_F(BuiltHouse, GiftScreenOpensTheStoryPage) {
    Start(true);
    ExpectRoom("GIFT");
    Game->Click("OPEN");
    ExpectRoom("MGTEXT");
}

}  // namespace

namespace {

// Every page of text in the house (help pages and the credits) has its way back, and it leads
// back to where the page was opened from. The story page's own exit goes into the house.
TEST_F(BuiltHouse, EveryTextPageHasAWayBack) {
    Start();
    std::vector<std::string> pages;
    for (auto* room : NodesOf<TRoom>(Game->World().Rooms()))
        if (dynamic_cast<TTextRoom*>(room) != nullptr && dynamic_cast<TEntryTextRoom*>(room) == nullptr)
            pages.push_back(room->GetID());
    ASSERT_FALSE(pages.empty());
    for (const std::string& page : pages) {
        Game->World().GoRoom("OPTIONS");
        Game->World().GoRoom(page);
        ASSERT_EQ(Game->RoomName(), page);
        ASSERT_NE(Game->Room()->FindHitBox("EXIT"), nullptr) << page << " has no way back";
        Game->Click("EXIT");
        EXPECT_EQ(Game->RoomName(), "OPTIONS") << "the way back of " << page;
    }
    EXPECT_EQ(Shown(), "");
}

}  // namespace
