#pragma once
// The init script: the text that declares every room of the game by its kind word, with its
// hit boxes, frame sets, texts and flags, and names the start room. Lines are a keyword and
// words separated by blanks; the record file keeps the short forms of the long keywords.
//
//   BEGIN TITLE                      prologue: the start room
//   FRONTROOM TITLE Quorvel!         a room of the kind FRONT, its ID and caption
//   PIC title                        its background picture
//   GOBOX PLAY 10 20 100 50 LIVING GO
//
// Content errors that leave the game playable (an unknown room kind, command, box type, box
// or cursor) are gathered and shown in one "Script Error:" message when the load ends; a malformed number
// or rectangle, or a room that fails to build, ends the load (a start-up failure).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/geometry.h"

class TRoom;
class TWorld;

// Loads the init script of the data folder ("init.dat", rebuilt from "init.txt" when that is
// newer) into the world: rooms in script order, the start room. The room kinds it builds are
// those registered before the call (RegisterGameClasses registers every kind of the game).
void LoadGameScript(TWorld& world);
void LoadGameScript(TWorld& world, const std::filesystem::path& dataFolder);

// The cursor number of a cursor keyword (upper-cased first): NONE -1, DEFAULT 0, ACTION 1 ..
// BRUSH 21, DYNAMIC1 100, DYNAMIC2 101. Any other word raises QEException "Invalid cursor
// keyword".
std::int16_t CursorFromKeyword(std::string_view keyword);

// Splits the line at its first space: returns the word before it; the line becomes what
// follows, without leading blanks and controls, cut to 255 characters. A line without a
// space is all word and leaves an empty line.
std::string SplitFirstWord(std::string& line);
// Four integer words x, y, w, h; a word that is not an integer, or a negative w or h, raises
// QEException "ExtractBounds: invalid rectangle". ExtractRect gives (x, y, x + w, y + h).
TRect ExtractBounds(std::string& line);
TRect ExtractRect(std::string& line);

// The init filter of the record file: the keyword upper-cased and in its short form, blank
// lines dropped.
bool InitScriptFilter(std::u16string& line);

// Reads script lines into a world. Keeps the current room: none in the prologue, then the
// room of the last successful room line.
class TInitScriptParser {
public:
    explicit TInitScriptParser(TWorld& world) : FWorld(world) {}

    // Applies one record (code-page 1252 bytes). `place` names it in messages.
    void ParseScriptLine(std::string_view line, const std::string& place = {});
    TRoom* CurrentRoom() const { return FCurrentRoom; }
    // Shows the script errors met since the last call in one "Script Error:" box: the first
    // few with their places, then how many more there were. Nothing when there were none.
    void ShowScriptErrors();
    std::size_t PendingErrorCount() const { return FErrors.size(); }

private:
    void ParseRoomLine(const std::string& keyword, std::string rest);
    void ParsePrologueLine(const std::string& keyword, std::string rest);
    void ParseRoomKeyword(const std::string& keyword, std::string rest);
    void ParseBoxLine(const std::string& keyword, std::string rest);
    void ParseHitBoxLine(std::string rest);
    void ParseFrameSetLine(std::string rest);
    void ParseTextLine(std::string rest);
    class THitBox* FindBoxOrReport(const std::string& name);
    // Notes the message with its place for the load's one box; loading goes on.
    void ScriptError(const std::string& message);

    TWorld& FWorld;
    TRoom* FCurrentRoom = nullptr;
    std::string FPlace;
    std::vector<std::u16string> FErrors;
};

// How many script errors one box lists before it only counts the rest.
inline constexpr std::size_t kScriptErrorsShown = 5;
