// The configuration record in memory: what counts as a change, tags, random picks, and the
// one rule for configuration names.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "foundation/config.h"
#include "foundation/config_name.h"
#include "foundation/vek_exception.h"
#include "platform/headless/fake_printers.h"
#include "platform/random.h"

namespace {

using platform::headless::FakePrinters;

TEST(ConfigRecordTest, IsModifiedMatrix) {
    FakePrinters printers(2);
    struct Edit {
        const char* what;
        std::function<void(TConfig&)> change;
        bool modified;
    };
    const std::vector<Edit> edits = {
        {"custom list", [](TConfig& c) { c.UseDefaultList = false; }, true},
        {"default printer", [](TConfig& c) { c.UseDefaultPrinter = false; }, true},
        {"gift screen", [](TConfig& c) { c.BeginWithGiftScreen = true; }, true},
        {"printing", [](TConfig& c) { c.SetAllowPrinter(true); }, true},
        {"printer index", [](TConfig& c) { c.PrinterIndex = 1; }, true},
        {"label", [](TConfig& c) { c.GiftLabel = u"merry Christmas"; }, true},
        {"tag", [](TConfig& c) { c.SetTag(12, false); }, true},
        {"name", [](TConfig& c) { c.Name = u"Other"; }, true},
        {"names reordered", [](TConfig& c) { c.SetNames({u"B", u"A"}); }, true},
        {"name case", [](TConfig& c) { c.Name = u"  kID "; }, false},
        {"same tags again", [](TConfig& c) { c.SetTagSet(c.GetTagSet()); }, false},
        {"same names again", [](TConfig& c) { c.SetNames({u"A", u"B"}); }, false},
    };
    for (const Edit& edit : edits) {
        TConfig config;
        config.Name = u"Kid";
        config.SetNames({u"A", u"B"});
        config.TakeSnapshot();
        ASSERT_FALSE(config.IsModified());
        edit.change(config);
        EXPECT_EQ(config.IsModified(), edit.modified) << edit.what;
    }
}

TEST(ConfigRecordTest, WithoutPrintersPrintingStaysOffAndTheDefaultPrinterIsUsed) {
    TConfig config;
    EXPECT_FALSE(config.PrinterAvailable);
    config.SetAllowPrinter(true);
    EXPECT_FALSE(config.AllowPrinterUse);
    config.UseDefaultPrinter = false;
    EXPECT_TRUE(config.GetUseDefaultPrinter());
    EXPECT_FALSE(config.IsModified()) << "the effective printer choice did not change";
}

TEST(ConfigRecordTest, AssignCopiesSettingsButNoSnapshot) {
    TConfig source;
    source.Name = u"Ann";
    source.GiftLabel = u"God jul";
    source.SetTagSet(0x0201);
    source.SetNames({u"X"});
    source.UseDefaultPrinter = false;  // no printers: the effective value, true, is copied
    TConfig target;
    target.Assign(source);
    EXPECT_EQ(target.Name, u"Ann");
    EXPECT_EQ(target.GiftLabel, u"God jul");
    EXPECT_EQ(target.GetTagSet(), 0x0201);
    EXPECT_EQ(target.Names, source.Names);
    EXPECT_TRUE(target.UseDefaultPrinter);
    EXPECT_EQ(target.Snapshot(), nullptr);
    EXPECT_TRUE(target.IsModified()) << "nothing to compare with";
    target.TakeSnapshot();
    EXPECT_FALSE(target.IsModified());
}

TEST(ConfigRecordTest, TagsOutsideTheThirteenAreArgumentErrors) {
    TConfig config;
    EXPECT_THROW(
        {
            try {
                config.GetTag(13);
            } catch (const VekException& e) {
                EXPECT_STREQ(e.what(), "Error CH191");
                throw;
            }
        },
        VekException);
    EXPECT_THROW(
        {
            try {
                config.SetTag(-1, true);
            } catch (const VekException& e) {
                EXPECT_STREQ(e.what(), "Error CH76");
                throw;
            }
        },
        VekException);
    config.SetTagSet(0xFFFF);
    EXPECT_EQ(config.GetTagSet(), 0x1FFF) << "bits 13 to 15 stay clear";
}

TEST(ConfigRecordTest, RandomTagComesFromTheEnabledOnesOrFromAllWhenNoneIs) {
    platform::RandomNumbers random(7);
    TConfig config;
    config.SetTagSet(1u << 9);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(config.PickRandomTag(random), 9);

    config.SetTagSet(0);  // "Select none" in the utility must not break the gift tags
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int tag = config.PickRandomTag(random);
        ASSERT_GE(tag, 0);
        ASSERT_LT(tag, 13);
        seen.insert(tag);
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(ConfigRecordTest, RandomNameOnlyFromANonEmptyCustomList) {
    platform::RandomNumbers random;
    TConfig config;
    config.SetNames({u"Ann"});
    EXPECT_EQ(config.PickRandomName(random), u"") << "the game's own list is in use";
    config.UseDefaultList = false;
    EXPECT_EQ(config.PickRandomName(random), u"Ann");
    config.SetNames({});
    EXPECT_EQ(config.PickRandomName(random), u"");
}

TEST(ConfigNameTest, OneRuleForEveryNameThatBecomesAFile) {
    for (const std::u16string_view good : {u"Default", u"  Emma ", u"Zo\u00EB & Max", u"v1.2", u".hidden", u"\U0001F384 tree"})
        EXPECT_TRUE(IsValidConfigName(good)) << std::string(good.begin(), good.end());
    const std::u16string bad[] = {u"",      u"   ",      u".",      u" .. ",       u"a/b",     u"a\\b",
                                  u"say \"hi\"", u"tab\there", u"be\x07ll", u"del\x7F", u"\xD800x", u"x\xDC00"};
    for (const std::u16string& name : bad) EXPECT_FALSE(IsValidConfigName(name));

    // "Zorvik for " (11) + name + ".desktop" (8) must fit in 255 bytes of UTF-8.
    EXPECT_TRUE(IsValidConfigName(std::u16string(236, u'a')));
    EXPECT_FALSE(IsValidConfigName(std::u16string(237, u'a')));
    EXPECT_FALSE(IsValidConfigName(std::u16string(119, u'\u00E9'))) << "two bytes each in UTF-8";
    EXPECT_EQ(TrimConfigName(u" \t Bob \n"), u"Bob");
}

TEST(ConfigNameTest, GameSwitchesAreNoNamesButNamesHoldingThemAre) {
    for (const std::u16string_view name : {u"Nosound", u"NOMIDI", u" nowave ", u"NoSoUnD"})
        EXPECT_EQ(ConfigNameProblem(name), TConfigNameProblem::GameSwitch);
    for (const std::u16string_view name : {u"Nosounds", u"No sound", u"Nomidi2", u"Wave"})
        EXPECT_TRUE(IsValidConfigName(name));
    EXPECT_EQ(ConfigNameProblem(u"  "), TConfigNameProblem::Empty);
    EXPECT_EQ(ConfigNameProblem(u".."), TConfigNameProblem::Dots);
    EXPECT_EQ(ConfigNameProblem(u"a/b"), TConfigNameProblem::BadCharacter);
    EXPECT_EQ(ConfigNameProblem(u"x\xDC00"), TConfigNameProblem::BadText);
    EXPECT_EQ(ConfigNameProblem(std::u16string(237, u'a')), TConfigNameProblem::TooLong);
}

TEST(ConfigNameTest, OneStemAndOneSamenessForEveryFileOfAConfiguration) {
    EXPECT_EQ(ConfigStem(u"  emma rose "), u"Emma rose");
    EXPECT_EQ(ConfigStem(u"\u00E9lodie"), u"\u00E9lodie") << "only unaccented letters are capitalised";
    EXPECT_TRUE(SameConfigName(u"emma", u" EMMA "));
    EXPECT_TRUE(SameConfigName(u"Zo\u00EB", u"ZO\u00CB")) << "as the file look-up folds Latin-1";
    EXPECT_FALSE(SameConfigName(u"Emma", u"Emma Rose"));
    EXPECT_FALSE(SameConfigName(u"Kid", u"Kid.2"));
}

}  // namespace
