// One launcher per configuration whatever case a parent types a name in, and whatever case
// the launchers an earlier version left on the desktop have: after every operation each
// configuration has exactly one launcher, named by the rule, whose argument opens it.
#include <algorithm>

#include "configutil/config_file_manager.h"
#include "configutil/file_manager_dialog.h"
#include "configutil/launchers.h"
#include "desktop_entry_reader.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "utility_fixture.h"

using configutil::TConfigFileManager;
using configutil::TFileManagerDialog;
using platform::MessageAnswer;

class LauncherCaseTest : public UtilityFixture {
protected:
    // What an earlier version wrote: the name as typed, in its own case.
    void OldLauncher(const std::string& typed) {
        Touch(Launcher(typed), "[Desktop Entry]\nType=Application\nName=Zorvik for " + typed + "\nExec=\"" +
                                   (Root / "program" / "zorvik").string() + "\" \"" + typed + "\"\n");
    }
    void SaveFile(const std::u16string& name) {
        TConfig config;
        ASSERT_TRUE(config.SaveToFile(name));
    }
    std::vector<std::string> DesktopFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Desktop())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The configuration file the game opens for the launcher's argument, as its command line
    // does: the argument must name an existing configuration.
    std::string FileTheLauncherOpens(const std::string& launcherStem) {
        const std::vector<std::string> words = SplitExec(EntryValue(ReadText(Launcher(launcherStem)), "Exec"));
        EXPECT_EQ(words.size(), 2u);
        const std::u16string argument = Utf8ToUtf16(words.at(1));
        if (!TConfig::ConfigExists(argument)) return "(none: the game would start with Default)";
        return fs::path(TConfig::ConfigPath(argument)).filename().string();
    }
};

TEST_F(LauncherCaseTest, SavingANameTypedInSmallLettersGivesTheStemsLauncher) {
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.SaveConfigAs(u"emma", config, true));
    EXPECT_EQ(manager.Items, (std::vector<std::u16string>{u"Default", u"Emma"}));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Emma.desktop"});
    EXPECT_EQ(FileTheLauncherOpens("Emma"), "Emma.qel");
    EXPECT_TRUE(configutil::ShortcutExists(u"EMMA"));
}

TEST_F(LauncherCaseTest, SavingToSelectedRenamesAnOldLauncherOfAnotherCase) {
    SaveFile(u"emma");
    OldLauncher("emma");
    const std::string oldText = ReadText(Launcher("emma"));
    TConfigFileManager manager;
    TConfig config;
    manager.SelectIndex(manager.IndexOf(u"Emma"));
    ASSERT_TRUE(manager.SaveConfigAs(manager.SelectedName, config));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Emma.desktop"});
    EXPECT_EQ(ReadText(Launcher("Emma")), oldText) << "renamed, not rewritten";
    EXPECT_EQ(FileTheLauncherOpens("Emma"), "Emma.qel");
}

TEST_F(LauncherCaseTest, SavingOverTwoLaunchersOfOneNameKeepsOne) {
    SaveFile(u"Zack");
    OldLauncher("zack");
    OldLauncher("ZACK");
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.SaveConfigAs(u"Zack", config));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Zack.desktop"});

    // Saved as new under a case of its own, the launcher is written fresh and still alone.
    OldLauncher("zACK");
    ASSERT_TRUE(manager.SaveConfigAs(u"zack", config, true));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Zack.desktop"});
    EXPECT_EQ(EntryValue(ReadText(Launcher("Zack")), "Icon"), "zorvik");
    EXPECT_EQ(FileTheLauncherOpens("Zack"), "Zack.qel");
}

TEST_F(LauncherCaseTest, RenamingMovesEveryOldLauncherToOneOfTheNewName) {
    SaveFile(u"emma");
    OldLauncher("emma");
    Touch(Game() / "emma.qeg", "play");
    TConfig config;
    ASSERT_TRUE(config.LoadFromFile(u"emma"));
    TFileManagerDialog dialog(config, false);
    dialog.ListClick(dialog.Manager().IndexOf(u"Emma"));
    dialog.NewNameChange(u"emma rose");
    ASSERT_TRUE(dialog.View().CanRename);
    dialog.RenameSelectedClick();

    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_EQ(dialog.View().Items, (std::vector<std::u16string>{u"Default", u"Emma rose"}));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Emma rose.desktop"});
    EXPECT_EQ(FileTheLauncherOpens("Emma rose"), "Emma rose.qel");
    EXPECT_EQ(ReadText(Game() / "Emma rose.qeg"), "play");
    // The record loaded as "emma" follows its file, so its next save does not bring "emma" back.
    EXPECT_EQ(config.Name, u"emma rose");
    EXPECT_FALSE(config.IsModified());
}

TEST_F(LauncherCaseTest, DeletingRemovesTheLaunchersOfEveryCase) {
    SaveFile(u"Mia");
    SaveFile(u"Ann");
    OldLauncher("mia");
    OldLauncher("Mia");
    OldLauncher("Ann");
    TConfig config;
    TFileManagerDialog dialog(config, false);
    dialog.ListClick(dialog.Manager().IndexOf(u"mia"));
    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    dialog.DeleteSelectedClick();
    EXPECT_FALSE(TConfig::ConfigExists(u"Mia"));
    EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Zorvik for Ann.desktop"}) << "another child's stays";
}

TEST_F(LauncherCaseTest, EveryOperationInAnyCaseLeavesOneLauncherPerConfiguration) {
    TConfig config;
    config.Name = u"Default";
    config.TakeSnapshot();
    TFileManagerDialog dialog(config, false);
    const auto saveAsNew = [&](const std::u16string& name) {
        dialog.NewNameChange(name);
        ASSERT_TRUE(dialog.View().CanSaveAsNew) << Utf16ToUtf8(name);
        dialog.SaveAsNewClick();
    };
    const auto select = [&](const std::u16string& name) { dialog.ListClick(dialog.Manager().IndexOf(name)); };

    saveAsNew(u"ben");
    saveAsNew(u" cara ");
    OldLauncher("ben");  // as if left twice
    select(u"BEN");
    config.GiftLabel = u"for Ben";
    dialog.SaveToSelectedClick();
    select(u"Cara");
    dialog.NewNameChange(u"dora");
    dialog.RenameSelectedClick();
    saveAsNew(u"eli");
    select(u"ELI");
    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    dialog.DeleteSelectedClick();

    EXPECT_TRUE(std::all_of(Boxes.Boxes.Shown().begin(), Boxes.Boxes.Shown().end(),
                            [](const auto& box) { return box.Caption == u"Configuration Manager - Confirm Deletion"; }));
    EXPECT_EQ(dialog.View().Items, (std::vector<std::u16string>{u"Ben", u"Default", u"Dora"}));
    EXPECT_EQ(DesktopFiles(), (std::vector<std::string>{"Zorvik for Ben.desktop", "Zorvik for Dora.desktop"}));
    EXPECT_EQ(FileTheLauncherOpens("Ben"), "Ben.qel");
    EXPECT_EQ(FileTheLauncherOpens("Dora"), "Dora.qel");
}

TEST_F(LauncherCaseTest, GameSwitchNamesAreRefusedAndSayWhy) {
    SaveFile(u"Kid");
    TConfig config;
    config.Name = u"Kid";
    config.TakeSnapshot();
    TFileManagerDialog dialog(config, false);
    for (const std::u16string name : {u"Nosound", u"nomidi", u" NOWAVE "}) {
        dialog.NewNameChange(name);
        EXPECT_FALSE(dialog.View().CanSaveAsNew);
        EXPECT_FALSE(dialog.View().CanRename);
        EXPECT_EQ(dialog.View().NewNameProblem, u"Nosound, Nomidi and Nowave are the game's switches, not names.");
    }
    TConfigFileManager manager;
    EXPECT_FALSE(manager.RenameConfig(u"Kid", u"nosound", config));
    EXPECT_TRUE(TConfig::ConfigExists(u"Kid"));
    EXPECT_TRUE(DesktopFiles().empty());
    EXPECT_FALSE(config.SaveToFile(u"NoSound"));
    EXPECT_FALSE(fs::exists(Game() / "NoSound.qel"));
}

TEST_F(LauncherCaseTest, RefusedNamesSayWhyAndUsableOnesSayNothing) {
    TConfig config;
    TFileManagerDialog dialog(config, false);
    dialog.NewNameChange(u"a/b");
    EXPECT_EQ(dialog.View().NewNameProblem, u"A name cannot hold / \\ \" or control characters.");
    dialog.NewNameChange(std::u16string(237, u'k'));
    EXPECT_EQ(dialog.View().NewNameProblem, u"This name is too long.");
    dialog.NewNameChange(u"..");
    EXPECT_FALSE(dialog.View().NewNameProblem.empty());
    for (const std::u16string name : {u"", u"   ", u"Kid", u"default"}) {
        dialog.NewNameChange(name);
        EXPECT_TRUE(dialog.View().NewNameProblem.empty()) << Utf16ToUtf8(name);
    }
}

TEST_F(LauncherCaseTest, ALauncherToAMissingGameIsWrittenWithAWarning) {
    fs::remove(Root / "program" / "zorvik");
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.SaveConfigAs(u"Kid", config));
    EXPECT_TRUE(fs::exists(Launcher("Kid")));
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Caption, u"Desktop Shortcut");
    EXPECT_NE(Boxes.Boxes.Shown()[0].Text.find(Utf8ToUtf16((Root / "program" / "zorvik").string())),
              std::u16string::npos);
    // A launcher already in place is not written again, and brings no second warning.
    ASSERT_TRUE(manager.SaveConfigAs(u"Kid", config));
    EXPECT_EQ(Boxes.Boxes.Shown().size(), 1u);
}
