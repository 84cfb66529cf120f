// The settings pages: every control writes the record, and the record shows in them.
#include "configutil/settings_wizard.h"
#include "foundation/config.h"
#include "utility_fixture.h"

using configutil::TSettingsWizard;
using platform::MessageAnswer;
using Names = std::vector<std::u16string>;

class SettingsWizardTest : public UtilityFixture {
protected:
    // The name dialog answers with the next queued text, or Cancel when none is left.
    std::unique_ptr<TSettingsWizard> MakeWizard(std::vector<std::u16string> printers = {u"Printer 1", u"Printer 2"}) {
        return std::make_unique<TSettingsWizard>(Config, std::move(printers),
                                                 [this](const std::u16string& caption, std::u16string& name) {
                                                     DialogCaptions.push_back(caption);
                                                     if (Answers.empty()) return false;
                                                     name = Answers.front();
                                                     Answers.erase(Answers.begin());
                                                     return true;
                                                 });
    }
    TConfig Config;
    std::vector<std::u16string> Answers;
    std::vector<std::u16string> DialogCaptions;
};

TEST_F(SettingsWizardTest, StartShowsDefaultOrItsDefaultsWhenMissing) {
    auto wizard = MakeWizard();
    wizard->Start();
    EXPECT_EQ(wizard->View().Caption, u"Quorvel! Configuration Utility - Default");
    EXPECT_EQ(wizard->View().GiftLabel, u"Merry Christmas");
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());

    TConfig saved;
    saved.BeginWithGiftScreen = true;
    saved.Names = {u"zoe", u"Ann", u"ben"};
    saved.PrinterIndex = 7;
    saved.UseDefaultPrinter = false;
    ASSERT_TRUE(saved.SaveToFile(u"Default"));
    wizard->Start();
    EXPECT_TRUE(wizard->View().GiftScreen);
    EXPECT_EQ(wizard->View().Names, (Names{u"Ann", u"ben", u"zoe"}));  // the list box sorts
    EXPECT_EQ(wizard->View().PrinterSelection, 1);                     // clamped to the list
    EXPECT_FALSE(wizard->View().DefaultPrinter);
    EXPECT_TRUE(wizard->View().PrinterControlsEnabled);
    EXPECT_FALSE(Config.IsModified());
}

TEST_F(SettingsWizardTest, CaptionShowsOnlyTheLastPartOfAPathLikeName) {
    auto wizard = MakeWizard();
    Config.Name = u"C:\\games\\kid";
    wizard->ShowConfig();
    EXPECT_EQ(wizard->View().Caption, u"Quorvel! Configuration Utility - Kid");
}

TEST_F(SettingsWizardTest, GiftAndTagControlsWriteTheRecord) {
    auto wizard = MakeWizard();
    wizard->ShowConfig();
    wizard->GiftScreenClick(true);
    wizard->GiftLabelChange(u"For Ann");
    wizard->TagClick(9, false);
    EXPECT_TRUE(Config.BeginWithGiftScreen);
    EXPECT_EQ(Config.GiftLabel, u"For Ann");
    EXPECT_FALSE(Config.GetTag(9));

    wizard->SelectTagsClick(false);
    EXPECT_EQ(Config.GetTagSet(), 0);
    for (bool tag : wizard->View().Tags) EXPECT_FALSE(tag);
    wizard->SelectTagsClick(true);
    EXPECT_EQ(Config.GetTagSet(), 0x1FFF);

    wizard->NameListTypeClick(false);
    EXPECT_FALSE(Config.UseDefaultList);
    EXPECT_FALSE(wizard->View().DefaultList);
}

TEST_F(SettingsWizardTest, NamesKeepTheirSortedPlaceAndTheSelectionFollows) {
    auto wizard = MakeWizard();
    wizard->ShowConfig();
    EXPECT_FALSE(wizard->View().NameButtonsEnabled);

    Answers = {u"Mia", u"ann", u"Zoe"};
    wizard->AddNameClick();
    wizard->AddNameClick();
    wizard->AddNameClick();
    EXPECT_EQ(DialogCaptions[0], u"Add Name");
    EXPECT_EQ(Config.Names, (Names{u"ann", u"Mia", u"Zoe"}));
    EXPECT_EQ(wizard->View().NameSelection, 2);
    EXPECT_TRUE(wizard->View().NameButtonsEnabled);

    // Cancelled: nothing changes.
    wizard->AddNameClick();
    EXPECT_EQ(Config.Names.size(), 3u);

    wizard->NamesClick(0);
    Answers = {u"Tom"};
    wizard->EditNameClick();
    EXPECT_EQ(DialogCaptions.back(), u"Edit Name");
    EXPECT_EQ(Config.Names, (Names{u"Mia", u"Tom", u"Zoe"}));
    EXPECT_EQ(wizard->View().NameSelection, 1);

    wizard->NamesClick(2);
    wizard->DeleteNameClick();  // the last one: the one before it is selected
    EXPECT_EQ(Config.Names, (Names{u"Mia", u"Tom"}));
    EXPECT_EQ(wizard->View().NameSelection, 1);
    wizard->NamesClick(0);
    wizard->DeleteNameClick();  // the same index stays selected
    EXPECT_EQ(wizard->View().NameSelection, 0);
    wizard->DeleteNameClick();
    EXPECT_TRUE(Config.Names.empty());
    EXPECT_EQ(wizard->View().NameSelection, -1);
    EXPECT_FALSE(wizard->View().NameButtonsEnabled);
}

TEST_F(SettingsWizardTest, PrinterChoiceReachesTheRecord) {
    auto wizard = MakeWizard();
    wizard->ShowConfig();
    wizard->UsePrinterClick(true);
    EXPECT_TRUE(Config.AllowPrinterUse);

    wizard->PrinterListClick(1);
    EXPECT_EQ(Config.PrinterIndex, 1);
    EXPECT_FALSE(Config.UseDefaultPrinter);
    EXPECT_FALSE(wizard->View().DefaultPrinter);
    EXPECT_EQ(wizard->View().PrinterSelection, 1);

    wizard->PrinterChoiceClick(true);
    EXPECT_TRUE(Config.UseDefaultPrinter);
    wizard->PrinterChoiceClick(false);
    EXPECT_FALSE(Config.UseDefaultPrinter);
}

TEST_F(SettingsWizardTest, WithoutPrintersThePrinterControlsAreOffFromTheStart) {
    Printers.Items.clear();
    TConfig config;  // sees no printer
    TSettingsWizard wizard(config, {}, nullptr);
    wizard.ShowConfig();
    EXPECT_FALSE(wizard.View().PrinterControlsEnabled);
    wizard.UsePrinterClick(true);
    EXPECT_FALSE(config.AllowPrinterUse);
    EXPECT_FALSE(wizard.View().UsePrinter);
    wizard.PrinterChoiceClick(false);
    EXPECT_TRUE(wizard.View().DefaultPrinter);
}

TEST_F(SettingsWizardTest, ClosingOffersToSaveChanges) {
    auto wizard = MakeWizard();
    wizard->Start();
    EXPECT_TRUE(wizard->CloseQuery());  // nothing changed: no question
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());

    wizard->GiftLabelChange(u"changed");
    Boxes.Boxes.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(wizard->CloseQuery());
    EXPECT_EQ(Boxes.Boxes.Shown().back().Caption, u"Closing Config Utility");
    EXPECT_EQ(Boxes.Boxes.Shown().back().Text, u"Save changes to config \"Default\"?");
    Boxes.Boxes.QueueAnswer(MessageAnswer::Closed);
    EXPECT_FALSE(wizard->CloseQuery());
    Boxes.Boxes.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(wizard->CloseQuery());
    EXPECT_FALSE(TConfig::ConfigExists(u"Default"));

    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(wizard->CloseQuery());
    TConfig reread;
    ASSERT_TRUE(reread.LoadFromFile(u"Default"));
    EXPECT_EQ(reread.GiftLabel, u"changed");
}

TEST_F(SettingsWizardTest, FailedSaveOnCloseKeepsTheWindowOpen) {
    auto wizard = MakeWizard();
    wizard->Start();
    wizard->GiftLabelChange(u"changed");
    fs::remove_all(Game());
    Boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(wizard->CloseQuery());
    EXPECT_EQ(Config.GiftLabel, u"changed");
}
