// The Linux folder rules: user-dirs.dirs, the key-store file, the environment overrides and
// the atomic file replace.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/file_replace.h"
#include "platform/posix/key_store.h"
#include "platform/posix/known_folders.h"
#include "platform/posix/xdg.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::posix::ParseKeyStoreText;
using platform::posix::UserDirFromText;
using testing_support::TempFolder;

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    ~ScopedEnvironment() {
        for (const auto& [name, value] : FSaved) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
    }
    void Set(const std::string& name, const std::optional<std::string>& value) {
        if (!FSaved.count(name)) {
            const char* old = std::getenv(name.c_str());
            FSaved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) ::setenv(name.c_str(), value->c_str(), 1);
        else ::unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> FSaved;
};

TEST(UserDirsTest, DesktopEntryWithHomeExpandedLastAssignmentWins) {
    const std::string text =
        "# written by the user-dirs tool\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
        "  XDG_DESKTOP_DIR = \"/data/My \\\"Desk\\\"\"\r\n";
    EXPECT_EQ(UserDirFromText(text, "XDG_DESKTOP_DIR", "/home/kid"), "/data/My \"Desk\"");
    EXPECT_EQ(UserDirFromText(text, "XDG_DOCUMENTS_DIR", "/home/kid"), "/home/kid/Documents");
    EXPECT_EQ(UserDirFromText("XDG_DESKTOP_DIR=\"$HOME\"", "XDG_DESKTOP_DIR", "/home/kid"), "/home/kid");
    for (const char* bad : {"XDG_DESKTOP_DIR=\"Desktop\"", "XDG_DESKTOP_DIR=$HOME/Desktop", "XDG_DESKTOP_DIR=\"",
                            "XDG_DESKTOP_DIR=\"$HOMEWORK/x\"", "", "XDG_DESKTOP_DIRX=\"/x\""})
        EXPECT_EQ(UserDirFromText(bad, "XDG_DESKTOP_DIR", "/home/kid"), std::nullopt) << bad;
}

TEST(KeyStoreTest, SectionsAndNamesIgnoreCaseAndBlanks) {
    const auto values = ParseKeyStoreText(
        "; installed by the package\n"
        "[Software\\Vek! Software]\n"
        "  DevHomeZorvik =  /home/dev/src  \n"
        "[ software\\vek! software\\ZORVIK ]\r\n"
        "directory=/opt/zorvik\n"
        "no equals sign here\n"
        "[broken\n"
        "Directory=/ignored\n");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values.at({"software\\vek! software", "devhomezorvik"}), "/home/dev/src");
    EXPECT_EQ(values.at({"software\\vek! software\\zorvik", "directory"}), "/opt/zorvik");
    EXPECT_TRUE(ParseKeyStoreText("Directory=/before/any/section").empty());
}

TEST(KeyStoreTest, ReadsTheFirstFileOfTheConfigFolders) {
    TempFolder home, system;
    ScopedEnvironment env;
    env.Set("XDG_CONFIG_HOME", home.Path().string());
    env.Set("XDG_CONFIG_DIRS", "relative/ignored:" + system.Path().string());
    std::filesystem::create_directories(system.Path() / "zorvik");
    system.WriteText("zorvik/keys.ini", "[Software\\Vek! Software\\Zorvik]\nDirectory=/from/system\n");

    platform::posix::PosixKeyStore fromSystem;
    EXPECT_EQ(fromSystem.ReadText("Software\\Vek! Software\\Zorvik", "Directory"), "/from/system");
    EXPECT_EQ(fromSystem.ReadText("Software\\Vek! Software", "DevHomeZorvik"), std::nullopt);

    std::filesystem::create_directories(home.Path() / "zorvik");
    home.WriteText("zorvik/keys.ini", "[Software\\Vek! Software\\Zorvik]\nDirectory=/from/home\n");
    platform::posix::PosixKeyStore fromHome;
    EXPECT_EQ(fromHome.ReadText("SOFTWARE\\VEK! SOFTWARE\\ZORVIK", "directory"), "/from/home");
}

TEST(PosixKnownFoldersTest, EnvironmentChoicesThenXdgRules) {
    TempFolder home;
    ScopedEnvironment env;
    env.Set("HOME", home.Path().string());
    env.Set("XDG_CONFIG_HOME", std::nullopt);
    env.Set("XDG_DATA_HOME", std::nullopt);
    env.Set("ZORVIK_PROGRAM_DIR", std::nullopt);
    env.Set("ZORVIK_DESKTOP_DIR", std::nullopt);
    env.Set("ZORVIK_DATA_DIR", std::nullopt);
    platform::posix::PosixKnownFolders folders;

    EXPECT_EQ(folders.ProgramFolderOverride(), "");
    EXPECT_EQ(folders.RunningProgramFolder(), std::filesystem::canonical("/proc/self/exe").parent_path().string());
    EXPECT_EQ(folders.CommonDataFolder(), home.Path().string() + "/.local/share");
    EXPECT_EQ(folders.DesktopFolder(), "") << "no user-dirs file and no Desktop folder";

    std::filesystem::create_directory(home.Path() / "Desktop");
    EXPECT_EQ(folders.DesktopFolder(), home.Path().string() + "/Desktop");
    std::filesystem::create_directories(home.Path() / ".config");
    std::filesystem::create_directory(home.Path() / "Bureau");
    home.WriteText(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(folders.DesktopFolder(), home.Path().string() + "/Bureau");
    home.WriteText(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(folders.DesktopFolder(), "") << "a desktop pointed at the home folder is switched off";

    env.Set("XDG_DATA_HOME", "relative/is/ignored");
    EXPECT_EQ(folders.CommonDataFolder(), home.Path().string() + "/.local/share");
    env.Set("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(folders.CommonDataFolder(), "/srv/data");

    env.Set("ZORVIK_PROGRAM_DIR", "/p");
    env.Set("ZORVIK_DESKTOP_DIR", "/d");
    env.Set("ZORVIK_DATA_DIR", "/c");
    EXPECT_EQ(folders.ProgramFolderOverride(), "/p");
    EXPECT_EQ(folders.DesktopFolder(), "/d");
    EXPECT_EQ(folders.CommonDataFolder(), "/c");
}

TEST(FileReplaceTest, ReplacesContentsKeepsPermissionsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const auto path = folder.Write("game.qeg", {1, 2, 3});
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const std::vector<std::uint8_t> bytes = {9, 8, 7, 6};
    std::string error;
    ASSERT_TRUE(platform::ReplaceFileContents(path, bytes, error)) << error;
    EXPECT_EQ(TempFolder::Read(path), bytes);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.qeg"});

    ASSERT_TRUE(platform::ReplaceFileContents(folder.Path() / "new.bin", {}, error)) << error;
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "new.bin"));

    EXPECT_FALSE(platform::ReplaceFileContents(folder.Path() / "missing" / "x.bin", bytes, error));
    EXPECT_FALSE(error.empty());
}

TEST(FileReplace, LeftoversOfEndedWritersGoAtStartButARunningWritersStay) {
    TempFolder folder;
    const auto write = [&](const std::string& name) { std::ofstream(folder.Path() / name) << "x"; };
    // A process id far above any this machine hands out has surely ended.
    write(".zorvik-1073741000-0-0.tmp");
    write(".zorvik-1073741001-3-1.tmp");
    // The first process runs as long as the machine does.
    const std::string running = ".zorvik-1-0-0.tmp";
    write(running);
    // Names that are not ours, or not quite, stay.
    for (const char* other : {"Default.qeg", ".zorvik-12x-0-0.tmp", ".zorvik--0-0.tmp", ".zorvik-1-0.tmp",
                              "zorvik-1073741000-0-0.tmp", ".zorvik-1073741000-0-0.tmp.bak"})
        write(other);
    std::filesystem::create_directory(folder.Path() / ".zorvik-1073741002-0-0.tmp");

    EXPECT_EQ(platform::RemoveLeftoverReplaceFiles(folder.Path()), 2);
    const auto entries = folder.Entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), ".zorvik-1073741000-0-0.tmp"), 0);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), running), 1);
    EXPECT_EQ(entries.size(), 8u);
    EXPECT_EQ(platform::RemoveLeftoverReplaceFiles(folder.Path() / "missing"), 0);
}

TEST(FileReplace, EachRefusedStepLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const auto path = folder.Path() / "game.qeg";
    std::string error;
    ASSERT_TRUE(platform::ReplaceFileContents(path, std::vector<std::uint8_t>{1, 2, 3}, error));
    for (const auto [step, word] : {std::pair{platform::ReplaceStep::Create, "create"}, std::pair{platform::ReplaceStep::Write, "write"},
                                    std::pair{platform::ReplaceStep::Flush, "flush"}, std::pair{platform::ReplaceStep::Rename, "rename"}}) {
        platform::FailReplacesAt(step);
        error.clear();
        EXPECT_FALSE(platform::ReplaceFileContents(path, std::vector<std::uint8_t>{4, 5}, error)) << word;
        platform::FailReplacesAt(platform::ReplaceStep::None);
        EXPECT_NE(error.find(word), std::string::npos) << error;
        EXPECT_EQ(TempFolder::Read(path), (std::vector<std::uint8_t>{1, 2, 3}));
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.qeg"});
    }
}

}  // namespace
