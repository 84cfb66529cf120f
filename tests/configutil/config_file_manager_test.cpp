// The file manager's model: listing, button rules, and saving, renaming and deleting
// configurations with their launchers and saved games.
#include "configutil/config_file_manager.h"
#include "desktop_entry_reader.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "utility_fixture.h"

using configutil::TConfigFileManager;
using Items = std::vector<std::u16string>;

class FileManagerTest : public UtilityFixture {
protected:
    void SaveConfig(const std::u16string& name) {
        TConfig config;
        ASSERT_TRUE(config.SaveToFile(name));
    }
    std::string LauncherArgument(const std::string& name) {
        return SplitExec(EntryValue(ReadText(Launcher(name)), "Exec")).at(1);
    }
};

TEST_F(FileManagerTest, ListsEachConfigurationOnceWithDefaultAlwaysThere) {
    EXPECT_EQ(TConfigFileManager().Items, Items{u"Default"});

    SaveConfig(u"Default");
    Touch(Game() / "zed.qel");
    Touch(Game() / "Anna.QEL");
    Touch(Game() / "bob.qelx");
    Touch(Game() / "notes.txt");
    fs::create_directory(Game() / "folder.qel");
    EXPECT_EQ(TConfigFileManager().Items, (Items{u"Anna", u"Default", u"Zed"}));
}

TEST_F(FileManagerTest, SelectingOutsideTheListIsTheCodedError) {
    TConfigFileManager manager;
    EXPECT_THROW(manager.SelectIndex(1), VekException);
    EXPECT_THROW(manager.SelectIndex(-1), VekException);
    manager.SelectIndex(0);
    EXPECT_EQ(manager.GetSelectedName(), u"Default");
}

TEST_F(FileManagerTest, ButtonRules) {
    SaveConfig(u"Default");
    SaveConfig(u"Kid");
    TConfigFileManager manager;
    manager.LastLoaded = u"Default";

    // Nothing selected: nothing offered.
    manager.NewNameText = u"New";
    EXPECT_FALSE(manager.CanOpen() || manager.CanSaveToSelected() || manager.CanDelete() || manager.CanRename() ||
                 manager.CanSaveAsNew());

    manager.SelectIndex(manager.IndexOf(u"Default"));
    EXPECT_FALSE(manager.CanOpen());           // loaded and unchanged
    EXPECT_FALSE(manager.CanSaveToSelected());
    EXPECT_FALSE(manager.CanDelete());
    EXPECT_FALSE(manager.CanRename());
    EXPECT_TRUE(manager.CanSaveAsNew());
    manager.Modified = true;
    EXPECT_TRUE(manager.CanOpen());
    EXPECT_TRUE(manager.CanSaveToSelected());
    manager.OpenLocked = true;
    EXPECT_FALSE(manager.CanOpen());
    manager.OpenLocked = false;
    manager.Modified = false;

    manager.SelectIndex(manager.IndexOf(u"Kid"));
    EXPECT_TRUE(manager.CanOpen());
    EXPECT_TRUE(manager.CanDelete());
    EXPECT_TRUE(manager.CanRename());
    for (const std::u16string bad : {u"", u"   ", u" dEfault ", u"kid", u"a/b", u"say \"x\""}) {
        manager.NewNameText = bad;
        EXPECT_FALSE(manager.CanSaveAsNew());
        EXPECT_FALSE(manager.CanRename());
    }
    // A listed name whose file is gone can be neither opened, deleted nor renamed.
    fs::remove(Game() / "Kid.qel");
    manager.NewNameText = u"Other";
    EXPECT_FALSE(manager.CanOpen() || manager.CanDelete() || manager.CanRename());
}

TEST_F(FileManagerTest, SaveAsNewWritesFileAndLauncherAndListsIt) {
    TConfigFileManager manager;
    TConfig config;
    config.BeginWithGiftScreen = true;
    EXPECT_TRUE(manager.SaveConfigAs(u"Anna Maria", config));
    EXPECT_TRUE(TConfig::ConfigExists(u"Anna Maria"));
    EXPECT_EQ(LauncherArgument("Anna Maria"), "Anna Maria");
    EXPECT_EQ(manager.Items, (Items{u"Anna Maria", u"Default"}));
    EXPECT_TRUE(manager.TakeListChanged());
    EXPECT_FALSE(manager.TakeListChanged());
    EXPECT_EQ(manager.LastLoaded, u"Anna Maria");
    EXPECT_FALSE(manager.Modified);

    // An existing launcher is left alone; "Default" never gets one.
    Touch(Launcher("Anna Maria"), "mine");
    EXPECT_TRUE(manager.SaveConfigAs(u"Anna Maria", config));
    EXPECT_EQ(ReadText(Launcher("Anna Maria")), "mine");
    EXPECT_TRUE(manager.SaveConfigAs(u"Default", config));
    EXPECT_FALSE(fs::exists(Launcher("Default")));
}

TEST_F(FileManagerTest, FailedSaveStopsBeforeLauncherAndList) {
    TConfigFileManager manager;
    TConfig config;
    fs::remove_all(Game());
    EXPECT_FALSE(manager.SaveConfigAs(u"Kid", config));
    EXPECT_FALSE(fs::exists(Launcher("Kid")));
    EXPECT_EQ(manager.Items, Items{u"Default"});
    EXPECT_EQ(Boxes.Boxes.Shown().size(), 1u);  // the record's own "Writing Config" message
}

TEST_F(FileManagerTest, SaveWithoutDesktopListsTheFileThenReportsTheLauncher) {
    WithoutDesktop();
    TConfigFileManager manager;
    TConfig config;
    try {
        manager.SaveConfigAs(u"Kid", config);
        FAIL() << "no error for the launcher";
    } catch (const VekException& error) {
        // The usual words, the cause, and that the configuration is safe.
        EXPECT_EQ(std::string(error.what()),
                  "Unable to create desktop shortcut for configuration \"Kid\": there is no desktop folder. The "
                  "configuration itself was saved.");
    }
    EXPECT_TRUE(TConfig::ConfigExists(u"Kid"));
    EXPECT_EQ(manager.Items, (Items{u"Default", u"Kid"}));
}

TEST_F(FileManagerTest, RenameMovesFileSavedGameAndLauncherWithItsArgument) {
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.SaveConfigAs(u"Kid", config));
    Touch(Game() / "Kid.qeg", "saved");
    ASSERT_TRUE(manager.RenameConfig(u"Kid", u"Zoë", config));

    EXPECT_FALSE(TConfig::ConfigExists(u"Kid"));
    EXPECT_TRUE(TConfig::ConfigExists(u"Zoë"));
    EXPECT_EQ(ReadText(Game() / "Zoë.qeg"), "saved");
    EXPECT_FALSE(fs::exists(Game() / "Kid.qeg"));
    EXPECT_FALSE(fs::exists(Launcher("Kid")));
    EXPECT_EQ(LauncherArgument("Zoë"), "Zoë");
    EXPECT_EQ(manager.Items, (Items{u"Default", u"Zoë"}));
    // The loaded record follows its file and a rename alone is no edit.
    EXPECT_EQ(config.Name, u"Zoë");
    EXPECT_EQ(manager.LastLoaded, u"Zoë");
    EXPECT_FALSE(config.IsModified());
}

TEST_F(FileManagerTest, RenameKeepsASavedGameAlreadyUnderTheNewName) {
    SaveConfig(u"Kid");
    Touch(Game() / "Kid.qeg", "old");
    Touch(Game() / "Ben.qeg", "ben's");
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.RenameConfig(u"Kid", u"Ben", config));
    EXPECT_EQ(ReadText(Game() / "Ben.qeg"), "ben's");
    EXPECT_EQ(ReadText(Game() / "Kid.qeg"), "old");
    EXPECT_EQ(LauncherArgument("Ben"), "Ben");  // a renamed configuration has its launcher
}

TEST_F(FileManagerTest, RenameOntoAnExistingFileIsRefusedAndChangesNothing) {
    SaveConfig(u"Kid");
    SaveConfig(u"Ben");
    TConfigFileManager manager;
    TConfig config;
    config.Name = u"Kid";
    EXPECT_FALSE(manager.RenameConfig(u"Kid", u"ben", config));
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Caption, u"Rename Configuration");
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text, u"Unable to rename configuration from \"Kid\" to \"ben.\"\n\nThe file \"" +
                                               Utf8ToUtf16((Game() / "Ben.qel").string()) + u"\" already exists.");
    EXPECT_TRUE(TConfig::ConfigExists(u"Kid"));
    EXPECT_EQ(config.Name, u"Kid");
    EXPECT_EQ(manager.Items, (Items{u"Ben", u"Default", u"Kid"}));
    EXPECT_FALSE(manager.TakeListChanged());
}

TEST_F(FileManagerTest, DeleteRemovesFileAndLauncherButNotOtherFiles) {
    TConfigFileManager manager;
    TConfig config;
    ASSERT_TRUE(manager.SaveConfigAs(u"Kid", config));
    manager.TakeListChanged();
    manager.DeleteConfig(u"Kid");
    EXPECT_FALSE(TConfig::ConfigExists(u"Kid"));
    EXPECT_FALSE(fs::exists(Launcher("Kid")));
    EXPECT_EQ(manager.Items, Items{u"Default"});
    EXPECT_TRUE(manager.TakeListChanged());

    // Deleting what is already gone is quiet.
    manager.DeleteConfig(u"Kid");
    EXPECT_FALSE(manager.TakeListChanged());
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
}
