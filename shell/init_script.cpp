#include "init_script.h"

#include <array>
#include <charconv>
#include <limits>
#include <memory>
#include <utility>

#include "application_title.h"
#include "data_script_file.h"
#include "foundation/folders.h"
#include "foundation/text.h"
#include "platform/message_boxes.h"
#include "shell/game_context.h"
#include "qe_exception.h"
#include "room.h"
#include "room_kinds.h"
#include "text_room.h"
#include "world.h"

namespace {

constexpr std::size_t kMaxRestLength = 255;

// Long keywords and the short forms the record file keeps.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kShortKeywords{{
    {"HITBOX", "HBX"},
    {"INFORMONENTRY", "IOE"},
    {"HITACTION", "HACT"},
    {"HITCURSOR", "HCUR"},
    {"FRAMESET", "FS"},
    {"ROOMSCRIPTBOX", "RSB"},
    {"XROOMSCRIPTBOX", "XRB"},
}};

constexpr std::array<std::pair<std::string_view, std::int16_t>, 25> kCursorKeywords{{
    {"NONE", -1},      {"DEFAULT", 0},    {"ACTION", 1},     {"EXAMINE", 2},   {"GO", 3},
    {"TAKE", 4},       {"LEFT", 5},       {"RIGHT", 6},      {"INLEFT", 7},    {"INRIGHT", 8},
    {"LESS", 9},       {"MORE", 10},      {"OUT", 11},       {"UP", 12},       {"DOWN", 13},
    {"TURN", 14},      {"TURNCW", 15},    {"PAGELEFT", 16},  {"PAGERIGHT", 17}, {"WATERCAN", 18},
    {"PAY5", 19},      {"SCOOP", 20},     {"BRUSH", 21},     {"DYNAMIC1", 100}, {"DYNAMIC2", 101},
}};

bool IsBlank(char16_t c) { return c <= 32; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

template <class S>
S Trim(const S& s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

template <class S>
S SplitWord(S& line) {
    const std::size_t space = line.find(typename S::value_type(' '));
    if (space == S::npos) return std::exchange(line, S());
    S word = line.substr(0, space);
    std::size_t restStart = space + 1;
    while (restStart < line.size() && IsBlank(line[restStart])) ++restStart;
    line = line.substr(restStart, kMaxRestLength);
    return word;
}

std::string_view LongKeyword(std::string_view keyword) {
    for (const auto& [longForm, shortForm] : kShortKeywords)
        if (keyword == shortForm) return longForm;
    return keyword;
}

// A word that must be a number: decimal, with an optional sign, within 32 bits.
std::int32_t ScriptNumber(const std::string& word) {
    std::string_view digits = word;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw QEException("\"" + AnsiToUtf8(word) + "\" is not a valid integer value");
    return value;
}

std::int32_t NextNumber(std::string& rest) { return ScriptNumber(SplitWord(rest)); }

std::string Quoted(std::string_view word) { return "\"" + std::string(word) + "\""; }

std::unique_ptr<THitBox> NewBoxOfType(std::string_view type, std::string_view name, const TRect& rect) {
    if (type == "GO") return std::make_unique<TGoBox>(name, rect);
    if (type == "SAY") return std::make_unique<TSayBox>(name, rect);
    if (type == "RETURN") return std::make_unique<TReturnBox>(name, rect);
    if (type == "SCRIPT") return std::make_unique<TScriptBox>(name, rect);
    if (type == "ROOMSCRIPT") return std::make_unique<TRoomScriptBox>(name, rect);
    if (type == "CONTROL") return std::make_unique<TControlBox>(name, rect);
    if (type == "ACCESS") return std::make_unique<TAccessBox>(name, rect);
    if (type == "XROOMSCRIPT") return std::make_unique<TXRoomScriptBox>(name, rect);
    if (type == "XCONTROL") return std::make_unique<TXControlBox>(name, rect);
    return nullptr;
}

// The argument a box takes from a HITACTION line, by the box's kind.
void SetBoxArgument(THitBox& box, const std::string& argument) {
    if (auto* go = dynamic_cast<TGoBox*>(&box))
        go->SetTarget(AnsiToUtf8(argument));
    else if (auto* say = dynamic_cast<TSayBox*>(&box))
        say->SetSayText(AnsiToUtf8(argument));
    else if (auto* script = dynamic_cast<TScriptBox*>(&box))
        script->SetScriptId(argument);
    else if (auto* roomScript = dynamic_cast<TRoomScriptBox*>(&box))
        roomScript->SetScript(AnsiToUtf8(argument));
}

}  // namespace

std::string SplitFirstWord(std::string& line) { return SplitWord(line); }

std::int16_t CursorFromKeyword(std::string_view keyword) {
    const std::string upper = UpperAscii(keyword);
    for (const auto& [word, cursor] : kCursorKeywords)
        if (upper == word) return cursor;
    throw QEException("Invalid cursor keyword");
}

TRect ExtractBounds(std::string& line) {
    std::array<std::int64_t, 4> values{};
    for (auto& value : values) {
        try {
            value = NextNumber(line);
        } catch (const QEException&) {
            throw QEException("ExtractBounds: invalid rectangle");
        }
    }
    if (values[2] < 0 || values[3] < 0) throw QEException("ExtractBounds: invalid rectangle");
    return TRect{std::int32_t(values[0]), std::int32_t(values[1]), std::int32_t(values[2]), std::int32_t(values[3])};
}

TRect ExtractRect(std::string& line) {
    const TRect bounds = ExtractBounds(line);
    const std::int64_t right = std::int64_t(bounds.Left) + bounds.Right;
    const std::int64_t bottom = std::int64_t(bounds.Top) + bounds.Bottom;
    // A rectangle reaching past the coordinate range could not be hit-tested soundly.
    if (right > std::numeric_limits<std::int32_t>::max() || bottom > std::numeric_limits<std::int32_t>::max())
        throw QEException("ExtractBounds: invalid rectangle");
    return TRect{bounds.Left, bounds.Top, std::int32_t(right), std::int32_t(bottom)};
}

bool InitScriptFilter(std::u16string& line) {
    std::u16string rest = Trim(line);
    std::u16string word = UpperAscii(SplitWord(rest));
    const std::string ascii = Utf16ToAnsi(word);
    for (const auto& [longForm, shortForm] : kShortKeywords)
        if (ascii == longForm) word = Utf8ToUtf16(shortForm);
    line = rest.empty() ? word : word + u' ' + rest;
    return !line.empty();
}

// --- TInitScriptParser ---

namespace {
// A damaged file's bytes become words of any kind: shown, they stay readable and short.
std::u16string Printable(const std::string& message) {
    constexpr std::size_t kMaxLength = 120;
    std::u16string text = AnsiToUtf16(message.size() > kMaxLength ? message.substr(0, kMaxLength) + "..." : message);
    for (char16_t& c : text)
        if (c < 0x20 || c == 0x7F) c = u'?';
    return text;
}
}  // namespace

void TInitScriptParser::ScriptError(const std::string& message) {
    std::u16string text = Printable(message);
    if (!FPlace.empty()) text += u"\r\n(" + Utf8ToUtf16(FPlace) + u")";
    FErrors.push_back(std::move(text));
}

void TInitScriptParser::ShowScriptErrors() {
    if (FErrors.empty()) return;
    std::u16string text = u"Script Error:";
    for (std::size_t i = 0; i < FErrors.size() && i < kScriptErrorsShown; ++i) text += u"\r\n\r\n" + FErrors[i];
    if (FErrors.size() > kScriptErrorsShown)
        text += u"\r\n\r\n... and " + Utf8ToUtf16(std::to_string(FErrors.size() - kScriptErrorsShown)) +
                (FErrors.size() - kScriptErrorsShown == 1 ? u" more error." : u" more errors.");
    FErrors.clear();
    if (platform::MessageBoxes* boxes = platform::InstalledMessageBoxes())
        boxes->Show(kApplicationTitle, text, platform::MessageButtons::Ok, platform::MessageIcon::Error);
}

void TInitScriptParser::ParseScriptLine(std::string_view record, const std::string& place) {
    FPlace = place;
    std::string rest = Trim(std::string(record));
    if (rest.empty() || rest.front() == '#') return;
    const std::string keyword(LongKeyword(SplitWord(rest)));
    try {
        if (keyword.size() >= 4 && keyword.compare(keyword.size() - 4, 4, "ROOM") == 0)
            ParseRoomLine(keyword, std::move(rest));
        else if (FCurrentRoom == nullptr)
            ParsePrologueLine(keyword, std::move(rest));
        else
            ParseRoomKeyword(keyword, std::move(rest));
    } catch (const VekException& e) {
        // The load ends here; the start-up message names the line for the content's author.
        if (FPlace.empty()) throw;
        throw QEException(std::string(e.what()) + " (" + FPlace + ")");
    }
}

void TInitScriptParser::ParseRoomLine(const std::string& keyword, std::string rest) {
    const std::string id = UpperAscii(SplitWord(rest));
    const std::string kind = keyword.substr(0, keyword.size() - 4);
    std::unique_ptr<TRoom> room;
    try {
        room = CreateRoomOfKind(kind, AnsiToUtf8(id));
    } catch (const VekException& e) {
        // A room that cannot be built must not leave its lines to the room before it.
        throw QEException("Can't create room " + Quoted(AnsiToUtf8(id)) + ": " + e.what());
    }
    if (room == nullptr) {
        ScriptError("Can't create room " + Quoted(id));
        return;
    }
    room->SetCaption(AnsiToUtf16(rest));
    FCurrentRoom = FWorld.AddRoom(std::move(room));
}

void TInitScriptParser::ParsePrologueLine(const std::string& keyword, std::string rest) {
    if (keyword == "BEGIN")
        FWorld.SetStartRoom(AnsiToUtf8(UpperAscii(SplitWord(rest))));
    else
        ScriptError("Unknown command " + Quoted(keyword) + " in prologue");
}

void TInitScriptParser::ParseRoomKeyword(const std::string& keyword, std::string rest) {
    TRoom& room = *FCurrentRoom;
    if (keyword == "PIC") {
        room.SetBackgroundName(AnsiToUtf8(SplitWord(rest)));
    } else if (keyword == "INFORMONENTRY") {
        room.SetInformOnEntry(AnsiToUtf16(rest));
    } else if (keyword == "ROOMFLAG") {
        switch (NextNumber(rest)) {
            case 2: room.Flags |= kRoomTransition; break;
            case 3: room.Flags |= kRoomFlipVertical; break;
            case 4: room.Flags |= kRoomFlipHorizontal; break;
            default: room.Flags |= kRoomFlagPlain; break;
        }
    } else if (keyword == "GOBOX" || keyword == "SAYBOX" || keyword == "SCRIPTBOX" || keyword == "ROOMSCRIPTBOX" ||
               keyword == "XROOMSCRIPTBOX" || keyword == "CONTROLBOX" || keyword == "XCONTROLBOX" ||
               keyword == "BACKBOX") {
        ParseBoxLine(keyword, std::move(rest));
    } else if (keyword == "HITBOX") {
        ParseHitBoxLine(std::move(rest));
    } else if (keyword == "HITACTION") {
        if (THitBox* box = FindBoxOrReport(SplitWord(rest))) SetBoxArgument(*box, rest);
    } else if (keyword == "HITDISABLE") {
        if (THitBox* box = FindBoxOrReport(SplitWord(rest))) box->Disabled = true;
    } else if (keyword == "HITCURSOR") {
        if (THitBox* box = FindBoxOrReport(SplitWord(rest))) {
            try {
                box->Cursor = CursorFromKeyword(rest);
            } catch (const QEException&) {
                ScriptError("Invalid cursor keyword " + Quoted(rest));
            }
        }
    } else if (keyword == "FRAMESET") {
        ParseFrameSetLine(std::move(rest));
    } else if (keyword == "TEXT") {
        ParseTextLine(std::move(rest));
    } else if (keyword == "HOME") {
        room.HomeButton = static_cast<std::uint8_t>(NextNumber(rest));
    }
    // TRAP, BEGIN after the prologue and any other word change nothing.
}

void TInitScriptParser::ParseBoxLine(const std::string& keyword, std::string rest) {
    const std::string name = AnsiToUtf8(UpperAscii(SplitWord(rest)));
    const TRect rect = ExtractRect(rest);
    std::unique_ptr<THitBox> box;
    if (keyword == "GOBOX") {
        auto go = std::make_unique<TGoBox>(name, rect);
        go->SetTarget(AnsiToUtf8(SplitWord(rest)));
        box = std::move(go);
    } else if (keyword == "SAYBOX") {
        auto say = std::make_unique<TSayBox>(name, rect);
        const std::size_t close = rest.empty() || rest.front() != '"' ? std::string::npos : rest.find('"', 1);
        if (close != std::string::npos) {
            say->SetSayText(AnsiToUtf8(rest.substr(1, close - 1)));
            rest = Trim(rest.substr(close + 1));
        }
        box = std::move(say);
    } else if (keyword == "SCRIPTBOX") {
        auto script = std::make_unique<TScriptBox>(name, rect);
        script->SetScriptId(SplitWord(rest));
        box = std::move(script);
    } else if (keyword == "ROOMSCRIPTBOX" || keyword == "XROOMSCRIPTBOX") {
        std::unique_ptr<TRoomScriptBox> script;
        if (keyword.front() == 'X')
            script = std::make_unique<TXRoomScriptBox>(name, rect);
        else
            script = std::make_unique<TRoomScriptBox>(name, rect);
        script->SetScript(AnsiToUtf8(SplitWord(rest)));
        box = std::move(script);
    } else if (keyword == "CONTROLBOX" || keyword == "XCONTROLBOX") {
        std::unique_ptr<TControlBox> control;
        if (keyword.front() == 'X')
            control = std::make_unique<TXControlBox>(name, rect);
        else
            control = std::make_unique<TControlBox>(name, rect);
        control->SetScript(AnsiToUtf8(SplitWord(rest)));
        box = std::move(control);
    } else {
        box = std::make_unique<TReturnBox>(name, rect);
    }
    THitBox* added = FCurrentRoom->HitBoxes().AddFirst(std::move(box));
    if (rest.empty()) return;
    try {
        added->Cursor = CursorFromKeyword(rest);
    } catch (const QEException&) {
        ScriptError("Invalid cursor keyword " + Quoted(rest));
    }
}

void TInitScriptParser::ParseHitBoxLine(std::string rest) {
    const std::string type = UpperAscii(SplitWord(rest));
    const std::string name = UpperAscii(SplitWord(rest));
    const TRect rect = ExtractRect(rest);
    std::unique_ptr<THitBox> box = NewBoxOfType(type, AnsiToUtf8(name), rect);
    if (box == nullptr) {
        ScriptError("Invalid hitbox type " + Quoted(type) + " (ID=" + Quoted(name) + ")");
        return;
    }
    FCurrentRoom->HitBoxes().AddFirst(std::move(box));
}

THitBox* TInitScriptParser::FindBoxOrReport(const std::string& word) {
    const std::string name = UpperAscii(word);
    THitBox* box = FCurrentRoom->FindHitBox(AnsiToUtf8(name));
    if (box == nullptr) ScriptError("Invalid hitbox ID " + Quoted(name));
    return box;
}

void TInitScriptParser::ParseFrameSetLine(std::string rest) {
    const std::string name = AnsiToUtf8(UpperAscii(SplitWord(rest)));
    const std::string image = AnsiToUtf8(LowerAscii(SplitWord(rest)));
    const auto height = static_cast<std::uint16_t>(NextNumber(rest));
    const auto count = static_cast<std::uint16_t>(NextNumber(rest));
    const auto x = static_cast<std::int16_t>(NextNumber(rest));
    const auto y = static_cast<std::int16_t>(NextNumber(rest));
    std::int16_t frame = 0;
    if (!rest.empty()) {
        if (rest.front() == 'R' || rest.front() == 'r')
            frame = static_cast<std::int16_t>(FWorld.Context().Random(count));
        else
            frame = static_cast<std::int16_t>(NextNumber(rest));
    }
    auto frameSet = std::make_unique<TFrameSet>(name, TRect{x, y, x, y}, count, height, image,
                                                FWorld.GetImageLibrary());
    frameSet->CurrentFrame = frame;
    FCurrentRoom->AddFrameSet(std::move(frameSet));
}

// Paragraphs belong to text pages only; in another room the line would be lost unseen, so
// the author is told.
void TInitScriptParser::ParseTextLine(std::string rest) {
    const auto x = static_cast<std::int16_t>(NextNumber(rest));
    const auto y = static_cast<std::int16_t>(NextNumber(rest));
    auto* textRoom = dynamic_cast<TTextRoom*>(FCurrentRoom);
    if (textRoom == nullptr) {
        ScriptError("TEXT in room " + Quoted(Utf8ToAnsi(FCurrentRoom->GetID())) + ", which is not a text room");
        return;
    }
    textRoom->AddText(x, y, AnsiToUtf16(rest));
}

// --- Loading ---

void LoadGameScript(TWorld& world) { LoadGameScript(world, Folders().DataFolder); }

void LoadGameScript(TWorld& world, const std::filesystem::path& dataFolder) {
    TDataScriptFile script(dataFolder, "init", &InitScriptFilter);
    TInitScriptParser parser(world);
    try {
        do {
            const std::string line = script.ReadLine();
            parser.ParseScriptLine(line, script.Place());
            world.ProcessPendingMessages();
        } while (!script.Eof());
    } catch (...) {
        // What went wrong before the line that ended the load is still worth knowing.
        parser.ShowScriptErrors();
        throw;
    }
    parser.ShowScriptErrors();
}
