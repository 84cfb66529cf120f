#pragma once
// One child's settings and its `.qel` file in the game folder. The game reads the record
// named on its command line; the utility edits, saves and compares it with the state last
// loaded or saved (the snapshot).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class RandomNumbers;
}

class TStream;

class TConfig {
public:
    static constexpr int kTagCount = 13;
    static constexpr std::uint32_t kMagic = 0x318A21E6;
    static constexpr std::int32_t kVersion = 2;  // the only version written; 0 to 2 are read

    // Defaults, PrinterAvailable from the installed printer list, then a snapshot.
    TConfig();
    ~TConfig();
    TConfig(const TConfig&) = delete;
    TConfig& operator=(const TConfig&) = delete;

    // Path of the configuration's file: the game folder, the trimmed name with a capital
    // first letter, ".qel". An existing file whose name differs only in letter case is the
    // one returned. An invalid name (IsValidConfigName) has no path: empty text.
    static std::string ConfigPath(std::u16string_view name);
    static bool ConfigExists(std::u16string_view name);
    // Path of the child's saved game: the same stem as ConfigPath with ".qeg", so "Kid" and
    // "Kid.2" keep separate games and letter case never splits one child's game.
    static std::string SavedGamePath(std::u16string_view name);

    // Reads the file of `name` (or of Name when `name` is empty). False when the file is
    // missing, foreign, too new or damaged; fields read before the damage keep their new
    // values and no snapshot is taken.
    bool LoadFromFile(std::u16string_view name);
    // Writes a version 2 file through a temporary file renamed over the old one, so a
    // failure leaves the previous file intact. On failure shows the "Writing Config" box
    // and returns false; on success takes a snapshot and returns true.
    bool SaveToFile(std::u16string_view name);

    // The file image, without touching the disk: the writer and the reader of LoadFromFile.
    void WriteToStream(TStream& s) const;
    bool ReadFromStream(TStream& s);

    void TakeSnapshot();
    const TConfig* Snapshot() const { return FSnapshot.get(); }
    // Copies every setting and the name; never the source's snapshot, and drops our own.
    void Assign(const TConfig& source);
    bool IsModified() const;

    bool GetTag(int index) const;          // index 0..12, else VekException "Error CH191"
    void SetTag(int index, bool value);    // index 0..12, else VekException "Error CH76"
    std::uint16_t GetTagSet() const;       // bit i set when tag i is on
    void SetTagSet(std::uint16_t tags);    // bits 13 to 15 are ignored

    bool GetUseDefaultPrinter() const { return UseDefaultPrinter || !PrinterAvailable; }
    void SetAllowPrinter(bool value) { AllowPrinterUse = value && PrinterAvailable; }

    void SetNames(const std::vector<std::u16string>& names) { Names = names; }
    std::vector<std::u16string> GetNames() const { return Names; }
    bool SameNames(const std::vector<std::u16string>& names) const { return Names == names; }
    bool UsesCustomList() const { return !UseDefaultList; }

    // A random enabled tag language; with none enabled, any of the 13.
    int PickRandomTag(platform::RandomNumbers& random) const;
    // A random custom name when the custom list is in use; empty text otherwise, and when
    // the custom list is empty (the caller then picks from its own table).
    std::u16string PickRandomName(platform::RandomNumbers& random) const;

    std::u16string Name;
    bool PrinterAvailable = false;
    bool UseDefaultList = true;
    bool UseDefaultPrinter = true;
    bool BeginWithGiftScreen = false;
    bool AllowPrinterUse = false;
    std::array<bool, kTagCount> Tags{true, true, true, true, true, true, true,
                                     true, true, true, true, true, true};
    std::int32_t PrinterIndex = -1;
    std::u16string GiftLabel = u"Merry Christmas";
    std::vector<std::u16string> Names;

private:
    struct NoSnapshot {};
    explicit TConfig(NoSnapshot);

    std::unique_ptr<TConfig> FSnapshot;
};
