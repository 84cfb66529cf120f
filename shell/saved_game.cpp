#include "saved_game.h"

#include <exception>
#include <filesystem>

#include "application_title.h"
#include "foundation/atomic_file.h"
#include "foundation/common.h"
#include "foundation/config_name.h"
#include "foundation/file_lookup.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "qe_exception.h"
#include "strings/game_string.h"
#include "room.h"
#include "world.h"

namespace {
constexpr std::uint16_t kMagic[3] = {0x0051, 0x0045, 0x0053};
}  // namespace

std::string SavedGamePath(std::u16string_view playerName) {
    const std::string& folder = Folders().GameFolder;
    // Without a game folder the name would land wherever the program happens to run.
    if (!IsValidConfigName(playerName) || folder.empty()) return {};
    const std::string fileName = Utf16ToUtf8(CapitaliseFirst(TrimConfigName(playerName))) + ".qeg";
    if (auto found = FindFileNoCase(folder, fileName)) return found->string();
    return folder + fileName;
}

std::string DamagedSavedGamePath(const std::string& path) { return path + ".bad"; }

TSavedGameHeader ReadSavedGameHeader(TStream& s) {
    TSavedGameHeader header;
    if (s.Remaining() < kSavedGameHeaderSize) return header;
    header.Accepted = true;
    for (int i = 0; i < 4; ++i) {
        const std::uint16_t value = ReadU16(s);
        if (i < 3) {
            if (value != kMagic[i]) header.Accepted = false;
        } else if (value < kSavedGameVersion) {
            header.Version = static_cast<std::uint8_t>(value);
        } else if (value > kSavedGameVersion) {
            header.Accepted = false;
        }
    }
    header.State = ReadU8(s);
    return header;
}

void WriteSavedGameHeader(TStream& s, std::uint8_t state) {
    for (std::uint16_t value : kMagic) WriteWord(s, value);
    WriteWord(s, kSavedGameVersion);
    WriteByte(s, state);
}

// --- The world's side ---

std::string TWorld::SavePath() const { return SavedGamePath(FPlayerName); }

bool TWorld::ReadHeader(TStream& s) {
    const TSavedGameHeader header = ReadSavedGameHeader(s);
    FFileVersion = header.Version;
    FSavedState = header.State;
    return header.Accepted;
}

bool TWorld::ReadSaved(TStream& s) {
    if (!ReadHeader(s)) return false;
    for (auto* room : NodesOf<TRoom>(FRooms)) room->ReadSavedRecord(s, FFileVersion);
    return true;
}

void TWorld::WriteSaved(TStream& s) {
    WriteSavedGameHeader(s, FSavedState);
    for (auto* room : NodesOf<TRoom>(FRooms)) room->WriteData(s);
}

// A file that fails to load is moved aside before anything can be written over it, and the
// error passes on to the start-up handler. The rooms then hold part of the file, possibly a
// record read halfway, so the end of this run writes nothing; the next start begins afresh
// with the damaged file kept beside it.
//
// A file that still holds bytes after every room has read its record was written by a world
// with more rooms than this one (a damaged or cut-short init script): writing this world's
// rooms over it would lose the others' state, so the end of the run keeps it as it is.
void TWorld::LoadGame() {
    FSaveOnEnd = true;
    SetBusy(true);
    try {
        const std::string path = SavePath();
        std::error_code ec;
        if (!path.empty() && std::filesystem::exists(path, ec)) {
            try {
                // A folder or device under the saved game's name is no saved game.
                if (!std::filesystem::is_regular_file(path, ec)) RaiseGameError(GameStringSavedGameDamaged);
                std::vector<std::uint8_t> bytes;
                try {
                    bytes = ReadWholeFile(path);
                } catch (const VekException&) {
                    throw;
                } catch (const std::exception&) {
                    // What the system says about a file it cannot read is no text for a child's parent.
                    RaiseGameError(GameStringSavedGameDamaged);
                }
                TMemoryStream stream(std::move(bytes));
                if (ReadSaved(stream) && stream.Remaining() > 0) KeepSavedGame(TKeepSavedGame::RoomsMissing);
            } catch (...) {
                FSaveOnEnd = false;
                std::filesystem::rename(path, DamagedSavedGamePath(path), ec);
                throw;
            }
        }
    } catch (...) {
        SetBusy(false);
        throw;
    }
    SetBusy(false);
}

void TWorld::KeepSavedGame(TKeepSavedGame reason) {
    FSaveOnEnd = false;
    FKeepReason = reason;
}

std::u16string KeptSavedGameText(TKeepSavedGame reason) {
    std::u16string why;
    switch (reason) {
    case TKeepSavedGame::RoomsMissing:
        why = u"the saved game holds rooms that this game could not load.";
        break;
    case TKeepSavedGame::RoomsNotLoaded:
        why = u"the game's rooms could not be loaded.";
        break;
    case TKeepSavedGame::None:
        return {};
    }
    return std::u16string(kApplicationTitle) + u" did not save your game, because " + why +
           u" Your saved game was kept as it was.";
}

void TWorld::ReportKeptSavedGame() {
    if (FKeepReason == TKeepSavedGame::None) return;
    const std::string path = SavePath();
    std::error_code ec;
    // Only a file that is still there was kept; without one nothing was lost.
    if (path.empty() || !std::filesystem::exists(path, ec)) return;
    ShowInfo(u"Game Save Problem", KeptSavedGameText(FKeepReason));
}

void TWorld::SaveGame() {
    FSavedState = 1;
    SetBusy(true);
    try {
        const std::string path = SavePath();
        if (path.empty()) throw VekException("The player has no saved game file.");
        TMemoryStream stream;
        WriteSaved(stream);
        WriteFileAtomically(path, stream.Bytes());
    } catch (...) {
        ShowInfo(u"Game Save Problem", std::u16string(kApplicationTitle) +
                                           u" was unable to save your game. Please consider re-installing the game.");
    }
    SetBusy(false);
}
