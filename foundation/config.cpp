#include "config.h"

#include <exception>
#include <filesystem>

#include "atomic_file.h"
#include "common.h"
#include "config_name.h"
#include "file_lookup.h"
#include "folders.h"
#include "messages.h"
#include "platform/printers.h"
#include "platform/random.h"
#include "stream.h"
#include "stream_values.h"
#include "text.h"
#include "vek_exception.h"

namespace {
// Version 0 kept its texts as one length byte and that many code-page bytes.
std::u16string ReadShortText(TStream& s) {
    const std::uint8_t length = ReadU8(s);
    std::string bytes(length, '\0');
    s.ReadExact(bytes.data(), bytes.size());
    return AnsiToUtf16(bytes);
}

std::u16string ReadVersionText(TStream& s, std::int32_t version) {
    if (version == 0) return ReadShortText(s);
    std::u16string text;
    ReadString(s, text);
    return text;
}

std::int32_t PrinterCount() { return static_cast<std::int32_t>(platform::PrinterList().size()); }
}  // namespace

TConfig::TConfig(NoSnapshot) {}

TConfig::TConfig() {
    PrinterAvailable = PrinterCount() > 0;
    TakeSnapshot();
}

TConfig::~TConfig() = default;

namespace {
// The game-folder file of a configuration name with the given extension.
std::string GameFilePath(std::u16string_view name, const char* extension) {
    if (!IsValidConfigName(name)) return {};
    const std::string fileName = Utf16ToUtf8(ConfigStem(name)) + extension;
    const std::string& folder = Folders().GameFolder;
    if (auto found = FindFileNoCase(folder, fileName)) return found->string();
    return folder + fileName;
}
}  // namespace

std::string TConfig::ConfigPath(std::u16string_view name) { return GameFilePath(name, ".qel"); }

std::string TConfig::SavedGamePath(std::u16string_view name) { return GameFilePath(name, ".qeg"); }

bool TConfig::ConfigExists(std::u16string_view name) {
    const std::string path = ConfigPath(name);
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool TConfig::LoadFromFile(std::u16string_view name) {
    if (!name.empty()) Name = name;
    try {
        const std::string path = ConfigPath(Name);
        if (path.empty()) return false;
        TFileStream file(path, TFileStream::Mode::ReadOnly);
        return ReadFromStream(file);
    } catch (const std::exception&) {
        return false;
    }
}

bool TConfig::ReadFromStream(TStream& s) {
    try {
        const std::uint32_t magic = ReadU32(s);
        const std::int32_t version = ReadI32(s);
        if (magic != kMagic || version < 0 || version > kVersion) return false;

        BeginWithGiftScreen = ReadBool(s);
        GiftLabel = ReadVersionText(s, version);
        for (bool& tag : Tags) tag = ReadBool(s);
        UseDefaultList = ReadBool(s);

        Names.clear();
        const std::int32_t count = version < 2 ? ReadU16(s) : ReadI32(s);
        // Each name is read before it is kept, so a count larger than the file ends in a
        // short read with the names read so far, never in a huge allocation.
        for (std::int32_t i = 0; i < count; ++i) Names.push_back(ReadVersionText(s, version));

        AllowPrinterUse = ReadBool(s) && PrinterAvailable;
        UseDefaultPrinter = ReadBool(s) || !PrinterAvailable;
        const std::int32_t index = version < 2 ? ReadI16(s) : ReadI32(s);
        PrinterIndex = Clamp(index, -1, PrinterCount() - 1);
    } catch (const std::exception&) {
        return false;
    }
    TakeSnapshot();
    return true;
}

void TConfig::WriteToStream(TStream& s) const {
    WriteInteger(s, kMagic);
    WriteInteger(s, kVersion);
    WriteByte(s, BeginWithGiftScreen);
    WriteString(s, GiftLabel);
    for (bool tag : Tags) WriteByte(s, tag);
    WriteByte(s, UseDefaultList);
    WriteInteger(s, static_cast<std::int32_t>(Names.size()));
    for (const std::u16string& name : Names) WriteString(s, name);
    WriteByte(s, AllowPrinterUse);
    WriteByte(s, UseDefaultPrinter);
    WriteInteger(s, PrinterIndex);
}

bool TConfig::SaveToFile(std::u16string_view name) {
    if (!name.empty()) Name = name;
    try {
        const std::string path = ConfigPath(Name);
        if (path.empty()) throw VekException("\"" + Utf16ToUtf8(Name) + "\" cannot be the name of a configuration.");
        TMemoryStream bytes;
        WriteToStream(bytes);
        WriteFileAtomically(path, bytes.Bytes());
    } catch (const std::exception& error) {
        // The cause and the path after the usual words, so a parent can mend a missing or
        // read-only game folder.
        ShowInfo(u"Writing Config", u"An error was encountered while writing the \"" + std::u16string(name) +
                                        u"\" configuration file. The file is probably invalid.\n\n" +
                                        Utf8ToUtf16(error.what()));
        return false;
    }
    TakeSnapshot();
    return true;
}

void TConfig::TakeSnapshot() {
    if (!FSnapshot) FSnapshot.reset(new TConfig(NoSnapshot{}));
    FSnapshot->Assign(*this);
}

void TConfig::Assign(const TConfig& source) {
    Name = source.Name;
    PrinterAvailable = source.PrinterAvailable;
    UseDefaultList = source.UseDefaultList;
    UseDefaultPrinter = source.GetUseDefaultPrinter();
    BeginWithGiftScreen = source.BeginWithGiftScreen;
    AllowPrinterUse = source.AllowPrinterUse;
    PrinterIndex = source.PrinterIndex;
    GiftLabel = source.GiftLabel;
    Tags = source.Tags;
    Names = source.Names;
    FSnapshot.reset();
}

bool TConfig::IsModified() const {
    // Without a snapshot (after Assign) there is nothing to compare with: treat it as changed
    // rather than claim the settings are saved.
    if (!FSnapshot) return true;
    const TConfig& s = *FSnapshot;
    return UseDefaultList != s.UseDefaultList || GetUseDefaultPrinter() != s.GetUseDefaultPrinter() ||
           BeginWithGiftScreen != s.BeginWithGiftScreen || AllowPrinterUse != s.AllowPrinterUse ||
           PrinterIndex != s.PrinterIndex || GiftLabel != s.GiftLabel || GetTagSet() != s.GetTagSet() ||
           !SameTrimmedText(Name, s.Name) || !SameNames(s.Names);
}

bool TConfig::GetTag(int index) const {
    if (index < 0 || index >= kTagCount) throw VekException("Error CH191");
    return Tags[static_cast<std::size_t>(index)];
}

void TConfig::SetTag(int index, bool value) {
    if (index < 0 || index >= kTagCount) throw VekException("Error CH76");
    Tags[static_cast<std::size_t>(index)] = value;
}

std::uint16_t TConfig::GetTagSet() const {
    std::uint16_t set = 0;
    for (int i = 0; i < kTagCount; ++i)
        if (Tags[static_cast<std::size_t>(i)]) set = static_cast<std::uint16_t>(set | (1u << i));
    return set;
}

void TConfig::SetTagSet(std::uint16_t tags) {
    for (int i = 0; i < kTagCount; ++i) Tags[static_cast<std::size_t>(i)] = (tags & (1u << i)) != 0;
}

int TConfig::PickRandomTag(platform::RandomNumbers& random) const {
    std::vector<int> enabled;
    for (int i = 0; i < kTagCount; ++i)
        if (Tags[static_cast<std::size_t>(i)]) enabled.push_back(i);
    // A configuration saved with every language cleared still gets a tag: any of them.
    if (enabled.empty()) return random.Next(kTagCount);
    return enabled[static_cast<std::size_t>(random.Next(static_cast<std::int32_t>(enabled.size())))];
}

std::u16string TConfig::PickRandomName(platform::RandomNumbers& random) const {
    if (!UsesCustomList() || Names.empty()) return {};
    return Names[static_cast<std::size_t>(random.Next(static_cast<std::int32_t>(Names.size())))];
}
