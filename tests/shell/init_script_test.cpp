// The init-script loader: every keyword in its long and short form, the record file it keeps
// and when it rebuilds it, the errors that are shown and loading goes on, and those that end
// the load.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/obf_text.h"
#include "foundation/text.h"
#include "platform/headless/scripted_message_boxes.h"
#include "rooms/game_classes.h"
#include "shell/init_script.h"
#include "shell/qe_exception.h"
#include "shell/front_room.h"
#include "shell/room_kinds.h"
#include "shell/text_room.h"
#include "shell/world.h"
#include "tests/support/game_harness.h"
#include "tests/support/temp_folder.h"

using testing_support::TempFolder;
using testing_support::THarnessWindow;

namespace {

class InitScript : public ::testing::Test {
protected:
    InitScript() {
        RegisterGameClasses();
        Context.SetLibrary(&Library);
    }
    // A fresh text file: the record file of an earlier load goes, since file dates may not
    // tell two writes in the same moment apart.
    void Load(const std::string& text) {
        std::filesystem::remove(Folder.Path() / "init.dat");
        Folder.WriteText("init.txt", text);
        LoadAgain();
    }
    void LoadAgain() {
        World = std::make_unique<TWorld>(Window, Context, Config);
        LoadGameScript(*World, Folder.Path());
    }
    TRoom& Room(std::string_view name) {
        TRoom* room = World->FindRoom(name);
        if (room == nullptr) throw std::runtime_error("no room " + std::string(name));
        return *room;
    }
    template <class T>
    T& Box(std::string_view room, std::string_view name) {
        auto* box = dynamic_cast<T*>(Room(room).FindHitBox(name));
        if (box == nullptr) throw std::runtime_error("no box " + std::string(name) + " of that kind");
        return *box;
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& message : Boxes.Boxes.Shown()) texts.push_back(Utf16ToUtf8(message.Text));
        return texts;
    }
    std::vector<std::string> Records(const std::string& name) const {
        TObfText records(Folder.Path() / name);
        std::vector<std::string> lines;
        while (!records.Eof()) {
            std::string line = records.ReadLine();
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }
    static std::string Error(const std::string& message, int line) {
        return "Script Error:\r\n\r\n" + Entry(message, line);
    }
    static std::string Entry(const std::string& message, int line) {
        return message + "\r\n(init.txt, line " + std::to_string(line) + ")";
    }

    TempFolder Folder;
    platform::headless::ScopedMessageBoxes Boxes;
    THarnessWindow Window;
    TAC8Library Library;
    TGameContext Context;
    TConfig Config;
    std::unique_ptr<TWorld> World;
};

// Long keywords in any case in the text file, short ones as the record file keeps them.
const char kEveryKeyword[] =
    "# a comment in the prologue\n"
    "begin Title\n"
    "\n"
    "FrontRoom title The title screen\n"
    "ioe Short form\n"
    "room Plain A plain room\n"
    "PIC backgroundlong\n"
    "InformOnEntry Hello there\n"
    "ROOMFLAG 2\n"
    "RoomFlag 3\n"
    "ROOMFLAG 4\n"
    "ROOMFLAG 9\n"
    "HOME 3\n"
    "gobox\tgo1 1 2 3 4\tliving\n"
    "SAYBOX say1 5 6 7 8 \"Hello you\" EXAMINE\n"
    "SAYBOX say2 5 6 7 8\n"
    "SCRIPTBOX quit 0 0 10 10 MaybeExitGame\n"
    "SCRIPTBOX bye 0 0 10 10 exitgame none\n"
    "ROOMSCRIPTBOX rs 0 0 10 10 count\n"
    "rsb rs2 0 0 10 10 count2 DYNAMIC2\n"
    "XROOMSCRIPTBOX xrs 0 0 10 10 xone\n"
    "XRB xrs2 0 0 10 10 xtwo\n"
    "CONTROLBOX ctl 0 0 10 10 drag\n"
    "XCONTROLBOX xctl 0 0 10 10 xdrag turncw\n"
    "BACKBOX back 0 300 20 20 out\n"
    "BACKBOX back2 0 300 20 20\n"
    "hitbox access acc 0 0 5 5\n"
    "HBX say hb2 0 0 5 5\n"
    "HITBOX xcontrol hb3 1 1 2 2\n"
    "hitaction acc kitchen\n"
    "HACT hb2 Some words, as written\n"
    "HITACTION quit exitgame\n"
    "HITACTION rs newscript\n"
    "HITDISABLE ctl\n"
    "HitCursor rs take\n"
    "HCUR rs2 dynamic1\n"
    "FRAMESET lamp LampImg 10 3 -5 7 2\n"
    "FS door door 20 4 100 50\n"
    "TRAP\n"
    "BEGIN LATER\n"
    "SOMETHING unknown is ignored\n"
    "TEXTROOM Page> Help page\n"
    "TEXT 10 20 First \\bbold\\r text\n"
    "text -4 300 Second\n";

void ExpectEveryKeywordApplied(TWorld& world) {
    ASSERT_EQ(world.Rooms().CachedCount(), 3);
    EXPECT_EQ(world.GetStartRoom(), "TITLE");
    TRoom& title = *world.FindRoom("TITLE");
    EXPECT_NE(dynamic_cast<TFrontRoom*>(&title), nullptr);
    EXPECT_EQ(title.GetCaption(), u"The title screen");
    EXPECT_EQ(title.GetInformOnEntry(), u"Short form");

    TRoom& plain = *world.FindRoom("PLAIN");
    EXPECT_EQ(typeid(plain), typeid(TRoom));
    EXPECT_EQ(plain.GetCaption(), u"A plain room");
    EXPECT_EQ(plain.GetBackgroundName(), "backgrou");
    EXPECT_EQ(plain.GetInformOnEntry(), u"Hello there");
    EXPECT_EQ(plain.Flags, kDefaultRoomFlags | 0x000F);
    EXPECT_EQ(plain.HomeButton, 3);

    // Boxes go to the head of the list: the last declared comes first.
    std::vector<std::string> order;
    for (auto* box : NodesOf<THitBox>(plain.HitBoxes())) order.push_back(box->GetID());
    EXPECT_EQ(order, (std::vector<std::string>{"HB3", "HB2", "ACC", "BACK2", "BACK", "XCTL", "CTL", "XRS2", "XRS",
                                               "RS2", "RS", "BYE", "QUIT", "SAY2", "SAY1", "GO1"}));

    auto& go = dynamic_cast<TGoBox&>(*plain.FindHitBox("GO1"));
    EXPECT_EQ(go.Rect, MakeRect(1, 2, 4, 6));
    EXPECT_EQ(go.GetTarget(), "LIVING");
    EXPECT_EQ(go.Cursor, 3);
    auto& say = dynamic_cast<TSayBox&>(*plain.FindHitBox("SAY1"));
    EXPECT_EQ(say.GetSayText(), "Hello you");
    EXPECT_EQ(say.Cursor, 2);
    EXPECT_EQ(dynamic_cast<TSayBox&>(*plain.FindHitBox("SAY2")).GetSayText(), "");
    EXPECT_EQ(dynamic_cast<TScriptBox&>(*plain.FindHitBox("QUIT")).GetScriptId(), 1);  // HITACTION changed it
    EXPECT_EQ(dynamic_cast<TScriptBox&>(*plain.FindHitBox("BYE")).GetScriptId(), 1);
    EXPECT_EQ(plain.FindHitBox("BYE")->Cursor, -1);
    auto& rs = dynamic_cast<TRoomScriptBox&>(*plain.FindHitBox("RS"));
    EXPECT_EQ(rs.GetScript(), "NEWSCRIPT");
    EXPECT_EQ(rs.Cursor, 4);
    EXPECT_EQ(plain.FindHitBox("RS2")->Cursor, 100);
    EXPECT_EQ(typeid(*plain.FindHitBox("XRS")), typeid(TXRoomScriptBox));
    EXPECT_EQ(dynamic_cast<TRoomScriptBox&>(*plain.FindHitBox("XRS2")).GetScript(), "XTWO");
    auto& control = dynamic_cast<TControlBox&>(*plain.FindHitBox("CTL"));
    EXPECT_EQ(control.GetScript(), "DRAG");
    EXPECT_TRUE(control.Disabled);
    EXPECT_EQ(typeid(*plain.FindHitBox("XCTL")), typeid(TXControlBox));
    EXPECT_EQ(plain.FindHitBox("XCTL")->Cursor, 15);
    EXPECT_EQ(typeid(*plain.FindHitBox("BACK")), typeid(TReturnBox));
    EXPECT_EQ(plain.FindHitBox("BACK")->Cursor, 11);
    EXPECT_EQ(dynamic_cast<TAccessBox&>(*plain.FindHitBox("ACC")).GetTarget(), "KITCHEN");
    EXPECT_EQ(dynamic_cast<TSayBox&>(*plain.FindHitBox("HB2")).GetSayText(), "Some words, as written");
    EXPECT_EQ(typeid(*plain.FindHitBox("HB3")), typeid(TXControlBox));

    auto* lamp = plain.FrameSets().FindFrameSet("LAMP");
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->GetImageName(), "lampimg");
    EXPECT_EQ(lamp->GetFrameHeight(), 10);
    EXPECT_EQ(lamp->GetFrameCount(), 3);
    EXPECT_EQ(lamp->X, -5);
    EXPECT_EQ(lamp->Y, 7);
    EXPECT_EQ(lamp->CurrentFrame, 2);
    EXPECT_EQ(plain.FrameSets().FindFrameSet("DOOR")->CurrentFrame, 0);

    auto& page = dynamic_cast<TTextRoom&>(*world.FindRoom("PAGE>"));
    std::vector<std::u16string> texts;
    for (auto* node : NodesOf<TTextNode>(page.Paragraphs())) texts.push_back(node->Text);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"First \\bbold\\r text", u"Second"}));
    EXPECT_EQ(static_cast<const TTextNode*>(page.Paragraphs().Last())->X, -4);
}

TEST_F(InitScript, EveryKeywordInEitherFormFromTheTextAndFromItsRecordFile) {
    Load(kEveryKeyword);
    EXPECT_TRUE(Shown().empty()) << Shown().front();
    ExpectEveryKeywordApplied(*World);

    // The record file keeps the short forms, upper-cased, and no blank lines.
    const std::vector<std::string> records = Records("init.dat");
    EXPECT_EQ(records[1], "BEGIN Title");
    EXPECT_EQ(records[2], "FRONTROOM title The title screen");
    EXPECT_EQ(records[6], "IOE Hello there");
    EXPECT_EQ(std::count(records.begin(), records.end(), "HBX access acc 0 0 5 5"), 1);
    EXPECT_EQ(std::count(records.begin(), records.end(), "RSB rs 0 0 10 10 count"), 1);

    // Read back from the record file alone.
    std::filesystem::remove(Folder.Path() / "init.txt");
    LoadAgain();
    EXPECT_TRUE(Shown().empty());
    ExpectEveryKeywordApplied(*World);
}

TEST_F(InitScript, ErrorsThatLeaveTheGamePlayableAreShownWithTheirLineAndLoadingGoesOn) {
    Load("BEGIN A\n"
         "DANCE now\n"                         // 2: not a prologue command
         "ROOM A\n"
         "INITROOM B Not a kind\n"             // 4: unknown kind; lines go to A
         "GOBOX G 0 0 5 5 KITCHEN GO AWAY\n"   // 5: two words after the target
         "SAYBOX S 0 0 5 5 \"open quote EXAMINE\n"  // 6: unclosed quote
         "HITBOX FLY H 0 0 5 5\n"              // 7
         "HITACTION NOBOX x\n"                 // 8
         "HITDISABLE NOBOX\n"                  // 9
         "HITCURSOR G WAVE\n"                  // 10
         "TEXT 1 2 Not a text room\n"          // 11
         "\n"
         "PIC last\n");
    // One box for the whole load: the first five, then how many more.
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Script Error:\r\n\r\n" + Entry("Unknown command \"DANCE\" in prologue", 2) +
                           "\r\n\r\n" + Entry("Can't create room \"B\"", 4) + "\r\n\r\n" +
                           Entry("Invalid cursor keyword \"GO AWAY\"", 5) + "\r\n\r\n" +
                           Entry("Invalid cursor keyword \"\"open quote EXAMINE\"", 6) + "\r\n\r\n" +
                           Entry("Invalid hitbox type \"FLY\" (ID=\"H\")", 7) + "\r\n\r\n... and 4 more errors.",
                       }));
    ASSERT_EQ(World->Rooms().CachedCount(), 1);
    TRoom& a = Room("A");
    EXPECT_EQ(a.GetBackgroundName(), "last");
    // The boxes with a bad cursor stand with their default one.
    EXPECT_EQ(Box<TGoBox>("A", "G").Cursor, 3);
    EXPECT_EQ(Box<TSayBox>("A", "S").GetSayText(), "");
    EXPECT_EQ(Box<TSayBox>("A", "S").Cursor, 2);
    EXPECT_EQ(a.FindHitBox("H"), nullptr);
    // The message boxes are error boxes with an OK button.
    EXPECT_EQ(Boxes.Boxes.Shown().front().Buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(Boxes.Boxes.Shown().front().Icon, platform::MessageIcon::Error);
}

TEST_F(InitScript, GarbledLinesOfADamagedScriptGiveOneReadableBoxAndErrorsBeforeAFatalLineAreShown) {
    // Forty lines of noise: one box, its words cut short.
    std::string noise;
    for (int i = 0; i < 40; ++i)
        noise += std::string(200, char('a' + i % 26)) + "\x01\x02\n";
    Load(noise);
    ASSERT_EQ(Shown().size(), 1u);
    const std::string text = Shown()[0];
    EXPECT_EQ(text.rfind("Script Error:\r\n\r\nUnknown command \"" + std::string(103, 'A') + "...\r\n(init.txt, line 1)", 0), 0u)
        << text;
    EXPECT_EQ(text.find('\x01'), std::string::npos);
    EXPECT_NE(text.find("(init.txt, line 5)"), std::string::npos);
    EXPECT_EQ(text.find("(init.txt, line 6)"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n\r\n... and 35 more errors.")) << text;

    // A load that a later line ends still shows what went wrong before it, once.
    Boxes.Boxes.ClearShown();
    EXPECT_THROW(Load("DANCE\nROOM A\nGOBOX G 0 0 -1 5 X\n"), QEException);
    EXPECT_EQ(Shown(), std::vector<std::string>{Error("Unknown command \"DANCE\" in prologue", 1)});
}

TEST_F(InitScript, MalformedNumbersAndRectanglesEndTheLoadNamingTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"GOBOX G 0 0 -1 5 X", "ExtractBounds: invalid rectangle (init.txt, line 3)"},
        {"GOBOX G 0 0 5", "ExtractBounds: invalid rectangle (init.txt, line 3)"},
        {"BACKBOX B 0 x 5 5", "ExtractBounds: invalid rectangle (init.txt, line 3)"},
        {"BACKBOX B 2147483000 0 1000 5", "ExtractBounds: invalid rectangle (init.txt, line 3)"},
        {"ROOMFLAG two", "\"two\" is not a valid integer value (init.txt, line 3)"},
        {"HOME", "\"\" is not a valid integer value (init.txt, line 3)"},
        {"TEXT 1 y words", "\"y\" is not a valid integer value (init.txt, line 3)"},
        {"FRAMESET F img 10 three 0 0", "\"three\" is not a valid integer value (init.txt, line 3)"},
        {"FRAMESET F img 10 3 0 0 1x", "\"1x\" is not a valid integer value (init.txt, line 3)"},
    };
    for (const auto& [line, message] : cases) {
        try {
            Load("BEGIN A\nTEXTROOM A\n" + line + "\nROOM NEVER\n");
            ADD_FAILURE() << line << " loaded";
        } catch (const QEException& e) {
            EXPECT_EQ(e.what(), message) << line;
        }
        EXPECT_EQ(World->FindRoom("NEVER"), nullptr) << line;
    }
    // A width of 0 is a box that is never hit.
    Load("ROOM A\nBACKBOX B 10 10 0 5\n");
    EXPECT_EQ(Room("A").HitBoxes().HitTest(10, 12), nullptr);
}

std::unique_ptr<TRoom> FailingRoom(std::string_view) { throw VekException("Image \"slatemap\" does not exist"); }

TEST_F(InitScript, ARoomThatCannotBeBuiltEndsTheLoadInsteadOfLendingItsLinesToThePreviousRoom) {
    RegisterRoomKind("BROKEN", &FailingRoom);
    Folder.WriteText("init.txt", "ROOM A\nBROKENROOM SLATE\nPIC slate\n");
    World = std::make_unique<TWorld>(Window, Context, Config);
    try {
        LoadGameScript(*World, Folder.Path());
        ADD_FAILURE() << "loaded";
    } catch (const QEException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Can't create room \"SLATE\": Image \"slatemap\" does not exist (init.txt, line 2)");
    }
    EXPECT_EQ(Room("A").GetBackgroundName(), "");
    RegisterRoomKind("BROKEN", nullptr);
}

TEST_F(InitScript, LongLinesContinueAsLinesOfTheirOwn) {
    // The converter cuts a line of more than 254 characters at a blank; the piece after it
    // begins with "+", a keyword no room knows, so only the first piece counts.
    std::string words;
    while (words.size() < 300) words += "word ";
    Load("TEXTROOM PAGE\nTEXT 0 0 " + words + "\nPIC after\n");
    EXPECT_TRUE(Shown().empty());
    auto& page = dynamic_cast<TTextRoom&>(Room("PAGE"));
    const auto* paragraph = static_cast<const TTextNode*>(page.Paragraphs().First());
    EXPECT_LE(paragraph->Text.size(), 255u);
    EXPECT_EQ(page.GetBackgroundName(), "after");
}

TEST_F(InitScript, TheRecordFileIsUsedOnlyWhileItIsCurrent) {
    using namespace std::chrono_literals;
    Load("ROOM FROMTEXT\n");
    ASSERT_TRUE(std::filesystem::exists(Folder.Path() / "init.dat"));

    // A newer record file is read instead of the text.
    TObfText::WriteScrambledFile(Folder.WriteText("other.txt", "ROOM FROMRECORDS\n"), Folder.Path() / "init.dat");
    const auto textTime = std::filesystem::last_write_time(Folder.Path() / "init.txt");
    std::filesystem::last_write_time(Folder.Path() / "init.dat", textTime + 10s);
    LoadAgain();
    EXPECT_NE(World->FindRoom("FROMRECORDS"), nullptr);
    EXPECT_EQ(World->FindRoom("FROMTEXT"), nullptr);

    // An edited text file wins and rebuilds the record file.
    Folder.WriteText("init.txt", "ROOM EDITED\n");
    std::filesystem::last_write_time(Folder.Path() / "init.txt", textTime + 20s);
    LoadAgain();
    EXPECT_NE(World->FindRoom("EDITED"), nullptr);
    EXPECT_EQ(Records("init.dat"), (std::vector<std::string>{"ROOM EDITED"}));
    LoadAgain();
    EXPECT_NE(World->FindRoom("EDITED"), nullptr);
}

TEST_F(InitScript, ARecordFileThatCannotBeWrittenIsConvertedInMemory) {
    // A folder in the record file's place can be neither read nor replaced, as in a data
    // folder the player may not write.
    std::filesystem::create_directory(Folder.Path() / "init.dat");
    Folder.WriteText("init.txt", "BEGIN HALL\nROOM HALL\n");
    LoadAgain();
    EXPECT_NE(World->FindRoom("HALL"), nullptr);
    EXPECT_EQ(World->GetStartRoom(), "HALL");
    EXPECT_TRUE(std::filesystem::is_directory(Folder.Path() / "init.dat"));
}

TEST_F(InitScript, ADamagedRecordFileEndsAtItsEndMarker) {
    // Records, then an end marker, then what looks like more records.
    std::vector<std::uint8_t> bytes{6, 'R', 'O', 'O', 'M', ' ', 'A', 255, 6, 'R', 'O', 'O', 'M', ' ', 'B'};
    bytes.resize(TObfText::PaddedSize(bytes.size()), 0);
    TObfText::Scramble(bytes);
    Folder.Write("init.dat", bytes);
    LoadAgain();
    EXPECT_NE(World->FindRoom("A"), nullptr);
    EXPECT_EQ(World->FindRoom("B"), nullptr);
}

TEST(InitScriptWords, SplittingAndRectangles) {
    std::string line = "WORD  \t  the rest ";
    EXPECT_EQ(SplitFirstWord(line), "WORD");
    EXPECT_EQ(line, "the rest ");
    line = "alone";
    EXPECT_EQ(SplitFirstWord(line), "alone");
    EXPECT_EQ(line, "");
    line = "X " + std::string(300, 'a');
    SplitFirstWord(line);
    EXPECT_EQ(line.size(), 255u);

    line = "10 20 30 40 rest";
    EXPECT_EQ(ExtractRect(line), MakeRect(10, 20, 40, 60));
    EXPECT_EQ(line, "rest");
    line = "-10 -20 0 0";
    EXPECT_EQ(ExtractBounds(line), (TRect{-10, -20, 0, 0}));

    EXPECT_EQ(CursorFromKeyword("none"), -1);
    EXPECT_EQ(CursorFromKeyword("Brush"), 21);
    EXPECT_EQ(CursorFromKeyword("DYNAMIC2"), 101);
    EXPECT_THROW(CursorFromKeyword("GO "), QEException);
}

}  // namespace
