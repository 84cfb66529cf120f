// Desktop launchers: where they go, what they start, and that desktops accept them.
#include <cstdlib>

#include "configutil/launchers.h"
#include "desktop_entry_reader.h"
#include "foundation/text.h"
#include "platform/posix/desktop_entry.h"
#include "utility_fixture.h"

using namespace configutil;

namespace {
bool Validates(const fs::path& file) {
    std::string quoted = "'";
    for (char c : file.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    const std::string command = std::string(DESKTOP_FILE_VALIDATE) + " " + quoted + "' >&2";
    return std::system(command.c_str()) == 0;
}
}  // namespace

class LauncherTest : public UtilityFixture {};

TEST_F(LauncherTest, ExecLineGivesTheGameAndTheExactNameAndDesktopsAcceptTheFile) {
    for (const std::string name : {"Kid", "Anna Maria", "Kid.2", "Zoë Ünal", "O'Neil & Co; 50% $HOME `x` ~#*?<>|",
                                   "Ĳsbrand 日本"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(CreateDesktopShortcut(Utf8ToUtf16(name), GameProgramPath()));
        const fs::path file = Launcher(name);
        ASSERT_TRUE(fs::exists(file));
        EXPECT_TRUE(Validates(file));
        EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none);

        const std::string text = ReadText(file);
        EXPECT_EQ(EntryValue(text, "Type"), "Application");
        const std::vector<std::string> words = SplitExec(EntryValue(text, "Exec"));
        ASSERT_EQ(words.size(), 2u);
        EXPECT_EQ(words[0], (Root / "program" / "zorvik").string());
        EXPECT_EQ(words[1], name);
        EXPECT_EQ(EntryValue(text, "Path"), (Root / "program").string());
        EXPECT_EQ(EntryValue(text, "Icon"), "zorvik");
        EXPECT_EQ(EntryValue(text, "Categories"), "Game;KidsGame;");
        EXPECT_EQ(EntryValue(text, "StartupWMClass"), "zorvik");
        EXPECT_EQ(EntryValue(text, "Comment"), "Play \"Quorvel!\" with the configuration \"" + name + "\"");
    }
}

TEST_F(LauncherTest, NameTypedInSmallLettersIsCapitalisedInFileNameAndArgument) {
    ASSERT_TRUE(CreateDesktopShortcut(u" emma ", GameProgramPath()));
    const std::string text = ReadText(Launcher("Emma"));
    EXPECT_EQ(EntryValue(text, "Name"), "Zorvik for Emma");
    EXPECT_EQ(SplitExec(EntryValue(text, "Exec")).at(1), "Emma");
    EXPECT_TRUE(Validates(Launcher("Emma")));
}

TEST_F(LauncherTest, AWriteFailureGivesTheFileAndTheCause) {
    fs::create_directories(Launcher("Kid") / "inside");  // a folder where the file goes
    std::string failure;
    EXPECT_FALSE(CreateDesktopShortcut(u"Kid", GameProgramPath(), &failure));
    EXPECT_NE(failure.find(Launcher("Kid").string()), std::string::npos) << failure;
    EXPECT_NE(failure.find("directory"), std::string::npos) << failure;
    EXPECT_TRUE(fs::is_directory(Launcher("Kid") / "inside"));
}

TEST_F(LauncherTest, ProgramPathWithReservedCharactersSurvivesQuoting) {
    platform::posix::DesktopLauncher launcher;
    launcher.Name = "Zorvik for Kid";
    launcher.Program = "/opt/my \"games\"/a\\b $c `d` 100%/zorvik";
    launcher.Arguments = {"Kid"};
    const fs::path file = Desktop() / "odd.desktop";
    std::string failure;
    ASSERT_TRUE(platform::posix::WriteDesktopLauncher(file, launcher, failure)) << failure;
    EXPECT_TRUE(Validates(file));
    const std::vector<std::string> words = SplitExec(EntryValue(ReadText(file), "Exec"));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0], launcher.Program.string());
}

TEST_F(LauncherTest, FileNameKeepsTheWholeTrimmedName) {
    EXPECT_EQ(ShortcutPath(u"  Kid  "), Launcher("Kid"));
    EXPECT_EQ(ShortcutPath(u"Kid.2"), Launcher("Kid.2"));
    EXPECT_NE(ShortcutPath(u"Kid.2"), ShortcutPath(u"Kid"));

    ASSERT_TRUE(CreateDesktopShortcut(u" Kid ", GameProgramPath()));
    EXPECT_EQ(SplitExec(EntryValue(ReadText(Launcher("Kid")), "Exec")).at(1), "Kid");
}

TEST_F(LauncherTest, DefaultAlwaysCountsAsHavingOneAndOthersOnlyWithTheirFile) {
    EXPECT_TRUE(ShortcutExists(u"Default"));
    EXPECT_TRUE(ShortcutExists(u" dEFAULT "));
    EXPECT_FALSE(ShortcutExists(u"Kid"));
    Touch(Launcher("Kid"));
    EXPECT_TRUE(ShortcutExists(u"Kid"));
}

TEST_F(LauncherTest, WithoutDesktopFolderNoLauncherIsWrittenAnywhere) {
    WithoutDesktop();
    EXPECT_TRUE(ShortcutPath(u"Kid").empty());
    EXPECT_FALSE(CreateDesktopShortcut(u"Kid", GameProgramPath()));
    EXPECT_FALSE(ShortcutExists(u"Kid"));
    EXPECT_TRUE(fs::is_empty(Desktop()));
    EXPECT_FALSE(fs::exists(fs::current_path() / "Zorvik for Kid.desktop"));
}

TEST_F(LauncherTest, NamesTheRuleRefusesHaveNoLauncher) {
    for (const std::u16string name : {u"", u"   ", u"a/b", u"..", u"say \"hi\""}) {
        EXPECT_TRUE(ShortcutPath(name).empty());
        EXPECT_FALSE(CreateDesktopShortcut(name, GameProgramPath()));
    }
}

TEST_F(LauncherTest, SavedGameKeepsTheWholeNameAndIsFoundRegardlessOfCase) {
    EXPECT_EQ(SavedGamePath(u" Kid.2 "), Game() / "Kid.2.qeg");
    Touch(Game() / "kid.qeg");
    EXPECT_EQ(SavedGamePath(u"Kid"), Game() / "kid.qeg");
    EXPECT_EQ(SavedGamePath(u"anna"), Game() / "Anna.qeg");  // the same stem as the .qel file
}
