// The file manager dialog's handlers, as a parent clicks through them.
#include "configutil/file_manager_dialog.h"
#include "foundation/config.h"
#include "utility_fixture.h"

using configutil::TFileManagerDialog;
using platform::MessageAnswer;
using Items = std::vector<std::u16string>;

class FileManagerDialogTest : public UtilityFixture {
protected:
    void SetUp() override {
        UtilityFixture::SetUp();
        Config.Name = u"Default";
        Config.TakeSnapshot();
    }
    void SaveConfig(const std::u16string& name, bool giftScreen = false) {
        TConfig config;
        config.BeginWithGiftScreen = giftScreen;
        ASSERT_TRUE(config.SaveToFile(name));
    }
    void Select(TFileManagerDialog& dialog, const std::u16string& name) {
        dialog.ListClick(dialog.Manager().IndexOf(name));
    }
    TConfig Config;
};

TEST_F(FileManagerDialogTest, ShowsTheLoadedConfigurationSelectedAndWhetherItChanged) {
    {
        TFileManagerDialog dialog(Config, false);
        EXPECT_EQ(dialog.View().Items, Items{u"Default"});
        EXPECT_EQ(dialog.View().Selection, 0);
        EXPECT_EQ(dialog.View().CurrentName, u"Default");
        EXPECT_EQ(dialog.View().Changed, u"No");
    }
    Config.GiftLabel = u"For Ben";
    TFileManagerDialog dialog(Config, false);
    EXPECT_EQ(dialog.View().Changed, u"Yes");
    EXPECT_TRUE(dialog.View().CanSaveToSelected);
}

TEST_F(FileManagerDialogTest, UnlistedConfigurationSelectsNothingWithoutAnError) {
    Config.Name = u"Gone";
    TFileManagerDialog dialog(Config, false);
    EXPECT_EQ(dialog.View().Selection, -1);
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_FALSE(dialog.View().CanSaveToSelected);
}

TEST_F(FileManagerDialogTest, OpeningAsksBeforeLosingChangesThenLoads) {
    SaveConfig(u"Kid", true);
    Config.GiftLabel = u"edited";
    TFileManagerDialog dialog(Config, false);
    Select(dialog, u"Kid");
    ASSERT_TRUE(dialog.View().CanOpen);

    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    dialog.OpenSelectedClick();
    EXPECT_EQ(Config.Name, u"Default");
    EXPECT_EQ(Config.GiftLabel, u"edited");

    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    dialog.OpenSelectedClick();
    EXPECT_EQ(Boxes.Boxes.Shown().back().Caption, u"Open Configuration");
    EXPECT_EQ(Config.Name, u"Kid");
    EXPECT_TRUE(Config.BeginWithGiftScreen);
    EXPECT_EQ(dialog.View().CurrentName, u"Kid");
    EXPECT_EQ(dialog.View().Items[static_cast<std::size_t>(dialog.View().Selection)], u"Kid");
    // Just opened and unchanged: neither opened again nor saved back.
    EXPECT_FALSE(dialog.View().CanOpen);
    EXPECT_FALSE(dialog.View().CanSaveToSelected);
}

TEST_F(FileManagerDialogTest, SaveAsNewSelectsTheNewConfiguration) {
    TFileManagerDialog dialog(Config, false);
    dialog.NewNameChange(u"  Ben ");
    ASSERT_TRUE(dialog.View().CanSaveAsNew);
    dialog.SaveAsNewClick();
    EXPECT_EQ(dialog.View().Items, (Items{u"Ben", u"Default"}));
    EXPECT_EQ(dialog.View().Selection, 0);
    EXPECT_EQ(dialog.View().CurrentName, u"Ben");
    EXPECT_TRUE(fs::exists(Launcher("Ben")));
    EXPECT_FALSE(dialog.View().CanSaveAsNew);  // now listed
}

TEST_F(FileManagerDialogTest, LauncherFailureIsShownOnceAndTheListStillShowsTheFile) {
    WithoutDesktop();
    TFileManagerDialog dialog(Config, false);
    dialog.NewNameChange(u"Ben");
    dialog.SaveAsNewClick();
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text,
              u"Unable to create desktop shortcut for configuration \"Ben\": there is no desktop folder. The "
              u"configuration itself was saved.");
    EXPECT_EQ(dialog.View().Items, (Items{u"Ben", u"Default"}));
    EXPECT_EQ(Config.Name, u"Ben");
}

TEST_F(FileManagerDialogTest, RenameThroughTheDialogKeepsTheRenamedItemSelected) {
    SaveConfig(u"Kid");
    Config.Name = u"Kid";
    Config.TakeSnapshot();
    TFileManagerDialog dialog(Config, false);
    dialog.NewNameChange(u"Zed");
    ASSERT_TRUE(dialog.View().CanRename);
    dialog.RenameSelectedClick();
    EXPECT_EQ(dialog.View().Items, (Items{u"Default", u"Zed"}));
    EXPECT_EQ(dialog.View().Selection, 1);
    EXPECT_EQ(dialog.View().CurrentName, u"Zed");
    EXPECT_EQ(dialog.View().Changed, u"No");
}

TEST_F(FileManagerDialogTest, DeletingAsksAndMovesTheSelectionToANeighbour) {
    SaveConfig(u"Ann");
    SaveConfig(u"Zed");
    TFileManagerDialog dialog(Config, false);
    Select(dialog, u"Zed");

    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    dialog.DeleteSelectedClick();
    EXPECT_TRUE(TConfig::ConfigExists(u"Zed"));

    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    dialog.DeleteSelectedClick();
    EXPECT_EQ(Boxes.Boxes.Shown().back().Text, u"Do you really wish to delete the configuration named \"Zed\"?");
    EXPECT_EQ(dialog.View().Items, (Items{u"Ann", u"Default"}));
    EXPECT_EQ(dialog.View().Selection, 1);  // the last item was deleted: the one before it

    Select(dialog, u"Ann");
    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    dialog.DeleteSelectedClick();
    EXPECT_EQ(dialog.View().Items, Items{u"Default"});
    EXPECT_EQ(dialog.View().Selection, 0);  // the item after it
}

TEST_F(FileManagerDialogTest, ClosingGivesAnUnchangedRecordTheLastLoadedName) {
    SaveConfig(u"Kid");
    {
        TFileManagerDialog dialog(Config, false);
        Select(dialog, u"Kid");
        dialog.OpenSelectedClick();
        Config.Name = u"scratch";  // what a failed operation could leave behind
        Config.TakeSnapshot();
    }
    EXPECT_EQ(Config.Name, u"Kid");
}

TEST_F(FileManagerDialogTest, OpeningADamagedFileSaysSo) {
    Touch(Game() / "Kid.qel", "not a configuration");
    TFileManagerDialog dialog(Config, false);
    Select(dialog, u"Kid");
    dialog.OpenSelectedClick();
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Caption, u"Open Configuration");
    EXPECT_EQ(dialog.View().CurrentName, u"Kid");
}
