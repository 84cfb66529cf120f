// The configuration file: the bytes written, every version read, damaged and foreign files,
// the printer clamp, and the safe save.
#include <gtest/gtest.h>

#include "platform/file_replace.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/config.h"
#include "foundation/stream.h"
#include "foundation/text.h"
#include "platform/headless/fake_printers.h"
#include "platform/headless/scripted_message_boxes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_game_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::headless::FakePrinters;
using testing_support::TempFolder;

// Builds file images field by field, as the file format table lays them out.
struct FileImage {
    Bytes bytes;
    FileImage& U8(std::uint8_t v) { bytes.push_back(v); return *this; }
    FileImage& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    FileImage& I32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return U16(u & 0xFFFF).U16(u >> 16);
    }
    FileImage& Header(std::int32_t version) { return U8(0xE6).U8(0x21).U8(0x8A).U8(0x31).I32(version); }
    FileImage& ShortText(const std::string& ansi) {
        U8(static_cast<std::uint8_t>(ansi.size()));
        bytes.insert(bytes.end(), ansi.begin(), ansi.end());
        return *this;
    }
    FileImage& Utf16(const std::u16string& text) {
        I32(static_cast<std::int32_t>(text.size() * 2));
        for (char16_t c : text) U16(c);
        return *this;
    }
    FileImage& Tags(std::uint16_t set) {
        for (int i = 0; i < 13; ++i) U8((set >> i) & 1);
        return *this;
    }
};

class ConfigFileTest : public ::testing::Test {
protected:
    std::filesystem::path GameFolder() const { return Game.Path(); }
    std::filesystem::path Write(const std::string& fileName, const Bytes& bytes) const {
        return Game.Write(fileName, bytes);
    }
    std::vector<std::string> GameFiles() const { return Game.Files(); }

    testing_support::TempGameFolder Game;
    platform::headless::ScopedMessageBoxes Boxes;
};

TEST_F(ConfigFileTest, DefaultsSaveAsTheVersion2Image) {
    TConfig config;
    ASSERT_TRUE(config.SaveToFile(u"Default"));
    const Bytes expected = FileImage{}
                               .Header(2)
                               .U8(0)
                               .Utf16(u"Merry Christmas")
                               .Tags(0x1FFF)
                               .U8(1)
                               .I32(0)
                               .U8(0)
                               .U8(1)
                               .I32(-1)
                               .bytes;
    EXPECT_EQ(TempFolder::Read(GameFolder() / "Default.qel"), expected);
    EXPECT_FALSE(config.IsModified());
}

TEST_F(ConfigFileTest, Version0ReadsShortTextsThroughTheCodePageAndSavesAsVersion2) {
    FakePrinters printers(3);
    Write("Emma.qel", FileImage{}
                          .Header(0)
                          .U8(1)
                          .ShortText("No\xEBl!")  // "Noël!" in code page 1252
                          .Tags(0x0005)
                          .U8(0)
                          .U16(2)
                          .ShortText("Zo\xEB")
                          .ShortText("Max")
                          .U8(1)
                          .U8(0)
                          .U16(0xFFFF)  // -1 as signed 16-bit
                          .bytes);
    TConfig config;
    ASSERT_TRUE(config.LoadFromFile(u"emma"));
    EXPECT_TRUE(config.BeginWithGiftScreen);
    EXPECT_EQ(config.GiftLabel, u"No\u00EBl!");
    EXPECT_EQ(config.GetTagSet(), 0x0005);
    EXPECT_TRUE(config.UsesCustomList());
    EXPECT_EQ(config.Names, (std::vector<std::u16string>{u"Zo\u00EB", u"Max"}));
    EXPECT_TRUE(config.AllowPrinterUse);
    EXPECT_FALSE(config.UseDefaultPrinter);
    EXPECT_EQ(config.PrinterIndex, -1);
    EXPECT_FALSE(config.IsModified());

    ASSERT_TRUE(config.SaveToFile(u""));
    const Bytes saved = TempFolder::Read(GameFolder() / "Emma.qel");
    ASSERT_GE(saved.size(), 8u);
    EXPECT_EQ(saved[4], 2);
    TConfig again;
    ASSERT_TRUE(again.LoadFromFile(u"Emma"));
    EXPECT_EQ(again.Names, config.Names);
    EXPECT_EQ(again.GiftLabel, config.GiftLabel);
}

TEST_F(ConfigFileTest, Version1ReadsUtf16TextsWith16BitCountAndIndex) {
    FakePrinters printers(3);
    Write("Leo.qel", FileImage{}
                         .Header(1)
                         .U8(0)
                         .Utf16(u"Frohe Weihnachten")
                         .Tags(0x1000)
                         .U8(1)
                         .U16(1)
                         .Utf16(u"Leo")
                         .U8(0)
                         .U8(1)
                         .U16(1)
                         .bytes);
    TConfig config;
    ASSERT_TRUE(config.LoadFromFile(u"Leo"));
    EXPECT_EQ(config.GiftLabel, u"Frohe Weihnachten");
    EXPECT_EQ(config.GetTagSet(), 0x1000);
    EXPECT_EQ(config.Names, std::vector<std::u16string>{u"Leo"});
    EXPECT_FALSE(config.UsesCustomList());
    EXPECT_EQ(config.PrinterIndex, 1);
}

TEST_F(ConfigFileTest, ForeignOrTooNewFilesReadAsAbsent) {
    const Bytes body = FileImage{}.U8(1).Utf16(u"X").Tags(0).U8(0).I32(0).U8(1).U8(0).I32(0).bytes;
    Bytes reversedMagic = FileImage{}.U8(0x31).U8(0x8A).U8(0x21).U8(0xE6).I32(2).bytes;
    reversedMagic.insert(reversedMagic.end(), body.begin(), body.end());
    Bytes version3 = FileImage{}.Header(3).bytes;
    version3.insert(version3.end(), body.begin(), body.end());
    Bytes negative = FileImage{}.Header(-1).bytes;
    negative.insert(negative.end(), body.begin(), body.end());

    for (const Bytes& image : {reversedMagic, version3, negative, Bytes{}, Bytes{0xE6, 0x21}}) {
        Write("Odd.qel", image);
        TConfig config;
        EXPECT_FALSE(config.LoadFromFile(u"odd"));
        EXPECT_EQ(config.Name, u"odd");
        EXPECT_FALSE(config.BeginWithGiftScreen);
        EXPECT_EQ(config.GiftLabel, u"Merry Christmas");
    }
    TConfig missing;
    EXPECT_FALSE(missing.LoadFromFile(u"Nobody"));
}

TEST_F(ConfigFileTest, FileCutInsideTheNamesKeepsTheNamesReadSoFar) {
    Bytes image = FileImage{}
                      .Header(2)
                      .U8(1)
                      .Utf16(u"Hi")
                      .Tags(0x0003)
                      .U8(0)
                      .I32(3)
                      .Utf16(u"Ann")
                      .Utf16(u"Bob")
                      .bytes;
    image.push_back(6);  // a third name's length, cut short
    Write("Cut.qel", image);
    TConfig config;
    EXPECT_FALSE(config.LoadFromFile(u"Cut"));
    EXPECT_EQ(config.Names, (std::vector<std::u16string>{u"Ann", u"Bob"}));
    EXPECT_TRUE(config.BeginWithGiftScreen);
    EXPECT_TRUE(config.IsModified()) << "a failed load takes no snapshot";

    // A count far beyond the file ends at the file's end, without reserving room for it.
    Write("Huge.qel", FileImage{}.Header(2).U8(0).Utf16(u"").Tags(0).U8(0).I32(0x7FFFFFFF).bytes);
    TConfig huge;
    EXPECT_FALSE(huge.LoadFromFile(u"Huge"));
    EXPECT_TRUE(huge.Names.empty());
}

TEST_F(ConfigFileTest, PrinterIndexIsClampedToTheInstalledPrinters) {
    const Bytes image = FileImage{}.Header(2).U8(0).Utf16(u"").Tags(0).U8(1).I32(0).U8(1).U8(0).I32(7).bytes;
    Write("P.qel", image);
    {
        FakePrinters printers(3);
        TConfig config;
        ASSERT_TRUE(config.LoadFromFile(u"P"));
        EXPECT_EQ(config.PrinterIndex, 2);
        EXPECT_TRUE(config.AllowPrinterUse);
        EXPECT_FALSE(config.UseDefaultPrinter);
    }
    {
        TConfig config;  // no printers at all
        EXPECT_FALSE(config.PrinterAvailable);
        ASSERT_TRUE(config.LoadFromFile(u"P"));
        EXPECT_EQ(config.PrinterIndex, -1);
        EXPECT_FALSE(config.AllowPrinterUse);
        EXPECT_TRUE(config.UseDefaultPrinter);
    }
    Write("N.qel", FileImage{}.Header(1).U8(0).Utf16(u"").Tags(0).U8(1).U16(0).U8(0).U8(0).U16(0xFFFB).bytes);
    FakePrinters printers(3);
    TConfig config;
    ASSERT_TRUE(config.LoadFromFile(u"N"));
    EXPECT_EQ(config.PrinterIndex, -1) << "-5 is below the default printer's -1";
}

TEST_F(ConfigFileTest, SavesUnderTheTrimmedCapitalisedNameAndFindsFilesInAnyCase) {
    TConfig config;
    ASSERT_TRUE(config.SaveToFile(u"  bob "));
    EXPECT_EQ(config.Name, u"  bob ");
    EXPECT_TRUE(std::filesystem::exists(GameFolder() / "Bob.qel"));
    EXPECT_TRUE(TConfig::ConfigExists(u"BOB"));

    // A file made elsewhere in another case is the one read and replaced.
    std::filesystem::rename(GameFolder() / "Bob.qel", GameFolder() / "bOB.qel");
    config.BeginWithGiftScreen = true;
    ASSERT_TRUE(config.SaveToFile(u"Bob"));
    EXPECT_EQ(GameFiles(), std::vector<std::string>{"bOB.qel"});
    TConfig read;
    ASSERT_TRUE(read.LoadFromFile(u"bob"));
    EXPECT_TRUE(read.BeginWithGiftScreen);
}

TEST_F(ConfigFileTest, InvalidNamesHaveNoFile) {
    EXPECT_EQ(TConfig::ConfigPath(u"../Default"), "");
    EXPECT_FALSE(TConfig::ConfigExists(u".."));
    TConfig config;
    EXPECT_FALSE(config.LoadFromFile(u"a/b"));
    EXPECT_FALSE(config.SaveToFile(u"a\\b"));
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Caption, u"Writing Config");
}

TEST_F(ConfigFileTest, FailedSaveKeepsTheOldFileReportsAndTakesNoSnapshot) {
    TConfig config;
    ASSERT_TRUE(config.SaveToFile(u"Kid"));
    const Bytes before = TempFolder::Read(GameFolder() / "Kid.qel");

    config.GiftLabel = u"Changed";
    // A folder standing where the file goes: the rename fails even for root.
    std::filesystem::create_directory(GameFolder() / "Blocked.qel");
    std::filesystem::create_directory(GameFolder() / "Blocked.qel" / "inside");
    EXPECT_FALSE(config.SaveToFile(u"Blocked"));
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    // The usual words, then the path and the system's reason.
    const std::string text = Utf16ToUtf8(Boxes.Boxes.Shown()[0].Text);
    EXPECT_EQ(text.rfind("An error was encountered while writing the \"Blocked\" configuration file. The file is "
                         "probably invalid.\n\n", 0), 0u) << text;
    EXPECT_NE(text.find((GameFolder() / "Blocked.qel").string()), std::string::npos) << text;
    EXPECT_NE(text.find("directory"), std::string::npos) << text;
    EXPECT_TRUE(config.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(GameFolder() / "Blocked.qel" / "inside"));
    EXPECT_EQ(TempFolder::Read(GameFolder() / "Kid.qel"), before);
    EXPECT_EQ(GameFiles(), (std::vector<std::string>{"Blocked.qel", "Kid.qel"})) << "no temporary file is left";
}

TEST_F(ConfigFileTest, ASaveRefusedAtAnyStepKeepsTheOldFile) {
    TConfig config;
    ASSERT_TRUE(config.SaveToFile(u"Kid"));
    const Bytes before = TempFolder::Read(GameFolder() / "Kid.qel");
    // The system refusing each step in turn, as a full or read-only disk does (also for root).
    for (const auto step : {platform::ReplaceStep::Create, platform::ReplaceStep::Write, platform::ReplaceStep::Flush,
                            platform::ReplaceStep::Rename}) {
        Boxes.Boxes.ClearShown();
        config.GiftLabel = u"Changed";
        platform::FailReplacesAt(step);
        EXPECT_FALSE(config.SaveToFile(u"Kid"));
        platform::FailReplacesAt(platform::ReplaceStep::None);
        EXPECT_EQ(TempFolder::Read(GameFolder() / "Kid.qel"), before);
        EXPECT_EQ(GameFiles(), std::vector<std::string>{"Kid.qel"});
        EXPECT_EQ(Boxes.Boxes.Shown().size(), 1u);
    }
    EXPECT_TRUE(config.SaveToFile(u"Kid"));
    EXPECT_NE(TempFolder::Read(GameFolder() / "Kid.qel"), before);
}

TEST_F(ConfigFileTest, SaveIntoAMissingGameFolderNamesTheFileAndTheCause) {
    std::filesystem::remove_all(GameFolder());
    TConfig config;
    EXPECT_FALSE(config.SaveToFile(u"Kid"));
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    const std::string text = Utf16ToUtf8(Boxes.Boxes.Shown()[0].Text);
    EXPECT_NE(text.find((GameFolder() / "Kid.qel").string()), std::string::npos) << text;
    EXPECT_NE(text.find("No such file or directory"), std::string::npos) << text;
}

TEST_F(ConfigFileTest, TheLongestValidNameSavesAndLoads) {
    const std::u16string name(236, u'k');
    TConfig config;
    config.BeginWithGiftScreen = true;
    ASSERT_TRUE(config.SaveToFile(name));
    TConfig read;
    ASSERT_TRUE(read.LoadFromFile(name));
    EXPECT_TRUE(read.BeginWithGiftScreen);
}

}  // namespace
