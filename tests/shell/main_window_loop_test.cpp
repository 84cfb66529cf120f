// The main window's loop around the game: message boxes count as the window going inactive,
// errors nothing expected are shown plainly and the game goes on, and the cursor refresh
// leaves the pointer where the user put it.
#include <filesystem>
#include <stdexcept>

#include "foundation/messages.h"
#include "foundation/text.h"
#include "shell/room.h"
#include "tests/shell/main_window_fixture.h"

using namespace main_window_test;
using testing_support::TTestHouseRoom;

namespace {

constexpr std::uint8_t kDelayTimer = 5;

class MainWindowLoop : public MainWindowTest {
protected:
    // The game started and the child in the living room, the window active and ticking.
    void StartInTheLivingRoom() {
        ASSERT_TRUE(Create());
        TimerAfter(0);
        TimerAfter(55);
        ClickView(150, 150);
        ASSERT_EQ(RoomName(), "LIVING");
        TimerAfter(55);
        Living().Messages.clear();
        Boxes.Boxes.ClearShown();
    }

    TTestHouseRoom& Living() { return dynamic_cast<TTestHouseRoom&>(*World().FindRoom("LIVING")); }

    void ClickView(std::int32_t x, std::int32_t y) {
        const platform::ControlRect& view = Form->World()->View().Bounds();
        Window.Click(view.Left + 1 + x, view.Top + 1 + y);
    }

    int Heard(const std::string& message) {
        const auto& messages = Living().Messages;
        return static_cast<int>(std::count(messages.begin(), messages.end(), message));
    }

    std::vector<std::u16string> BoxTexts() {
        std::vector<std::u16string> texts;
        for (const auto& shown : Boxes.Boxes.Shown()) texts.push_back(shown.Text);
        return texts;
    }
};

// --- Message boxes ---

TEST_F(MainWindowLoop, ABoxLeftOpenLongHandsOutNoTicksAfterwardsAndTheRoomHearsTheFocusGoAndCome) {
    StartInTheLivingRoom();
    Living().OnScript = [](const std::string& script, const std::string& sender) {
        if (script == "COUNT") AskYesNo(u"Quorvel!", u"Really?");
        return script == "COUNT" || sender == "DELAY";
    };
    Living().AddTimer(kDelayTimer, 20);
    // The child leaves the question open for ten seconds.
    Boxes.Boxes.WhileOpen([this] { Clock.Advance(10000); });
    ClickView(120, 120);
    Boxes.Boxes.WhileOpen(nullptr);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Heard("FOCUS|F"), 1) << "the box took the focus while it stood open";
    EXPECT_EQ(Heard("FOCUS|T"), 0);

    const std::int32_t ticks = World().GetTickTotal();
    TimerAfter(55);
    EXPECT_EQ(World().GetTickTotal(), ticks + 1) << "the box's ten seconds are not handed out";
    EXPECT_EQ(Heard("|DELAY"), 0) << "a room timer fired early";
    EXPECT_EQ(Heard("FOCUS|T"), 1);
    EXPECT_TRUE(World().GetFlags() & kWorldActive);

    // The timer still comes at its own time.
    for (int i = 0; i < 20; ++i) TimerAfter(55);
    EXPECT_EQ(Heard("|DELAY"), 1);
}

TEST_F(MainWindowLoop, ABoxWhileTheWindowIsInactiveChangesNothingAndBoxesBeforeTheFirstTickAreHarmless) {
    ASSERT_TRUE(Create());
    // Before the first tick the world has not been told it is active: a box tells it nothing.
    ShowInfo(u"Quorvel!", u"Hello");
    EXPECT_FALSE(World().GetFlags() & kWorldActive);
    TimerAfter(0);
    TimerAfter(55);
    ASSERT_TRUE(World().GetFlags() & kWorldActive);

    Window.SetActive(false);
    TimerAfter(55);
    auto& title = dynamic_cast<TTestHouseRoom&>(*World().GetCurrentRoom());
    title.Messages.clear();
    ShowInfo(u"Quorvel!", u"Hello again");
    EXPECT_TRUE(title.Messages.empty()) << "the focus was already gone";
    Window.SetActive(true);
    TimerAfter(55);
    EXPECT_EQ(title.Messages, std::vector<std::string>{"FOCUS|T"});
}

TEST_F(MainWindowLoop, ABoxOpenedFromInsideAnotherIsOneAbsence) {
    StartInTheLivingRoom();
    bool inner = false;
    Boxes.Boxes.WhileOpen([&] {
        if (inner) return;
        inner = true;
        ShowInfo(u"Quorvel!", u"inner");
    });
    ShowInfo(u"Quorvel!", u"outer");
    Boxes.Boxes.WhileOpen(nullptr);
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 2u);
    EXPECT_EQ(Heard("FOCUS|F"), 1);
    EXPECT_EQ(Heard("FOCUS|T"), 0) << "the focus comes back only after the last box";
    TimerAfter(55);
    EXPECT_EQ(Heard("FOCUS|F"), 1);
    EXPECT_EQ(Heard("FOCUS|T"), 1);
}

// --- Errors nothing expected ---

TEST_F(MainWindowLoop, AForeignErrorFromATickOrAClickIsShownPlainlyAndTheGameGoesOnAndIsSaved) {
    StartInTheLivingRoom();
    ClickView(120, 120);  // the room's counter, kept in the saved game
    ASSERT_EQ(Living().Counter, 1);

    // From a room timer, inside the world's tick: one box, in a plain sentence.
    Living().OnScript = [](const std::string&, const std::string& sender) -> bool {
        if (sender == "DELAY") throw std::out_of_range("vector::_M_range_check: __n (which is 7)");
        return false;
    };
    Living().AddTimer(kDelayTimer, 1);
    TimerAfter(55);
    TimerAfter(55);
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"An unexpected error occurred."});
    EXPECT_FALSE(Window.Closed());
    std::int32_t ticks = World().GetTickTotal();
    TimerAfter(55);
    EXPECT_EQ(World().GetTickTotal(), ticks + 1) << "the game keeps ticking";

    // From an action button: one box; from a click in the play area: the mouse handler's own
    // box first, then the same plain one.
    Boxes.Boxes.ClearShown();
    Living().Flags |= kRoomSnapEnabled;
    World().UpdateActionButtons(Living());
    Living().OnScript = [](const std::string& script, const std::string& sender) -> bool {
        if (sender == "SNAP" || script == "COUNT") throw std::bad_alloc();
        return false;
    };
    const platform::ControlRect snap = Form->ActionBox(1).Bounds();
    Window.Click(snap.Left + 30, snap.Top + 30);
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"There is not enough memory to go on."});
    Boxes.Boxes.ClearShown();
    ClickView(120, 120);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::u16string>{u"ViewMouseDown: exception caught", u"There is not enough memory to go on."}));
    EXPECT_EQ(RoomName(), "LIVING");
    ticks = World().GetTickTotal();
    TimerAfter(55);
    EXPECT_EQ(World().GetTickTotal(), ticks + 1);

    // The game ends as usual, and the child's game is there at the next start.
    Living().OnScript = nullptr;
    Boxes.Boxes.ClearShown();
    Form.reset();
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    ASSERT_TRUE(Create());
    EXPECT_EQ(Living().Counter, 1);
}

TEST_F(MainWindowLoop, AStartThatFailsWithAForeignErrorSaysSoPlainly) {
    const std::vector<std::pair<std::function<void()>, std::u16string>> failures{
        {[] { throw std::runtime_error("no rooms today"); }, u"An unexpected error occurred."},
        {[] { throw std::bad_alloc(); }, u"There is not enough memory to go on."},
        {[] { throw 42; }, u"An unexpected error occurred."},
    };
    for (const auto& [fail, said] : failures) {
        Boxes.Boxes.ClearShown();
        TFormQEServices services = Services();
        services.BuildRooms = [fail](TWorld&) { fail(); };
        Form = std::make_unique<TFormQE>(std::move(services), std::vector<std::string>{});
        EXPECT_FALSE(Form->Create());
        EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{u"Quorvel! encountered a problem on start-up: " + said});
        Form.reset();
    }
}

// --- The pointer ---

TEST_F(MainWindowLoop, TheCursorRefreshFollowsThePointerInsideAndNeverFetchesItFromOutside) {
    StartInTheLivingRoom();
    const platform::ControlRect& view = Form->World()->View().Bounds();
    Window.MouseMove(view.Left + 121, view.Top + 121);
    const int before = Window.PointerRefreshes();

    // Over the game: the play area hears the pointer again where it stands.
    World().RequestCursorRefresh();
    TimerAfter(55);
    EXPECT_EQ(Window.PointerRefreshes(), before + 1);
    EXPECT_FALSE(World().GetFlags() & kWorldCursorRefresh);

    // Over another window (Shift pressed there, a room asking for the cursor again): the
    // pointer stays where it is.
    Window.PointerLeaves();
    World().RequestCursorRefresh();
    TimerAfter(55);
    EXPECT_EQ(Window.PointerRefreshes(), before + 1);
    EXPECT_FALSE(Window.PointerInside());
    EXPECT_FALSE(World().GetFlags() & kWorldCursorRefresh);
}

}  // namespace
