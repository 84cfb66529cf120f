#include "tools/songs/note_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"

namespace {

enum class TItemKind { Sound, Bar, RepeatStart, RepeatEnd };

struct TItem {
    TItemKind kind = TItemKind::Sound;
    std::vector<int> pitches;  // empty: a rest; for chords: root pitch class first, then intervals
    int ticks = 0;
    bool tie = false;
    int line = 0;
};

enum class TPartKind { Melody, Chords };

struct TPart {
    TPartKind kind = TPartKind::Melody;
    int line = 0;
    int program = 1, bassProgram = 33, volume = 100, velocity = 96, transpose = 0;
    bool beats = false;
    std::vector<TItem> items;
};

int PitchClass(char letter) {
    static const int kClass[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return kClass[letter - 'A'];
}

// "/4", "/8.", "" (keep the previous length). Returns false when malformed.
bool ParseLength(const std::string& text, int previous, int& ticks) {
    if (text.empty()) {
        ticks = previous;
        return previous > 0;
    }
    if (text[0] != '/') return false;
    std::string digits = text.substr(1);
    bool dotted = !digits.empty() && digits.back() == '.';
    if (dotted) digits.pop_back();
    long long d = 0;
    if (!ParseInt(digits, d)) return false;
    if (d != 1 && d != 2 && d != 4 && d != 8 && d != 16 && d != 32) return false;
    ticks = static_cast<int>(4 * kTicksPerQuarter / d);
    if (dotted) ticks += ticks / 2;
    return true;
}

// Splits "C#5/8.~" into its pitch part, its length part and the tie mark.
void SplitToken(std::string token, std::string& head, std::string& length, bool& tie) {
    tie = !token.empty() && token.back() == '~';
    if (tie) token.pop_back();
    std::size_t slash = token.find('/');
    head = token.substr(0, slash);
    length = slash == std::string::npos ? "" : token.substr(slash);
}

std::optional<int> ParseNotePitch(const std::string& head) {
    if (head.size() < 2 || head[0] < 'A' || head[0] > 'G') return std::nullopt;
    int semitone = PitchClass(head[0]);
    std::size_t i = 1;
    if (head[i] == '#') ++semitone, ++i;
    else if (head[i] == 'b') --semitone, ++i;
    long long octave = 0;
    if (!ParseInt(head.substr(i), octave) || octave < 0 || octave > 8) return std::nullopt;
    return static_cast<int>(12 * (octave + 1)) + semitone;
}

// Root pitch class, then the chord's intervals above the root.
std::optional<std::vector<int>> ParseChordName(const std::string& head) {
    static const std::map<std::string, std::vector<int>> kKinds = {
        {"", {0, 4, 7}},     {"m", {0, 3, 7}},       {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}}, {"aug", {0, 4, 8}},  {"sus4", {0, 5, 7}},
        {"6", {0, 4, 7, 9}}};
    if (head.empty() || head[0] < 'A' || head[0] > 'G') return std::nullopt;
    int root = PitchClass(head[0]);
    std::size_t i = 1;
    if (i < head.size() && head[i] == '#') root += 1, ++i;
    else if (i < head.size() && head[i] == 'b') root += 11, ++i;
    auto kind = kKinds.find(head.substr(i));
    if (kind == kKinds.end()) return std::nullopt;
    std::vector<int> result{root % 12};
    result.insert(result.end(), kind->second.begin(), kind->second.end());
    return result;
}

void ParseNotes(TPart& part, const std::vector<std::string>& words, const TSourceText& text, int line,
                int& previousLength) {
    for (const std::string& word : words) {
        TItem item;
        item.line = line;
        if (word == "|" || word == "||" || word == "|]") {
            item.kind = TItemKind::Bar;
        } else if (word == "|:") {
            item.kind = TItemKind::RepeatStart;
        } else if (word == ":|") {
            item.kind = TItemKind::RepeatEnd;
        } else {
            std::string head, length;
            SplitToken(word, head, length, item.tie);
            if (!ParseLength(length, previousLength, item.ticks))
                ThrowContentError(text.name, line, "\"" + word + "\" has no valid length (/1 /2 /4 /8 /16 /32, '.' dotted)");
            previousLength = item.ticks;
            if (head != "r") {
                if (part.kind == TPartKind::Melody) {
                    std::optional<int> pitch = ParseNotePitch(head);
                    if (!pitch) ThrowContentError(text.name, line, "\"" + word + "\" is not a note");
                    item.pitches = {*pitch + part.transpose};
                    if (item.pitches[0] < 0 || item.pitches[0] > 127)
                        ThrowContentError(text.name, line, "\"" + word + "\" is out of the MIDI range");
                } else {
                    std::optional<std::vector<int>> chord = ParseChordName(head);
                    if (!chord) ThrowContentError(text.name, line, "\"" + word + "\" is not a chord");
                    item.pitches = *chord;
                }
            } else if (item.tie) {
                ThrowContentError(text.name, line, "a rest cannot be tied");
            }
        }
        part.items.push_back(item);
    }
}

// Checks every bar against the time signature, then plays the repeats out.
std::vector<TItem> CheckAndExpand(const TPart& part, int barTicks, const TSourceText& text) {
    int inBar = 0;
    bool firstBar = true;
    std::vector<TItem> flat;
    std::size_t repeatFrom = 0;
    std::size_t lastSound = 0;
    for (std::size_t i = 0; i < part.items.size(); ++i)
        if (part.items[i].kind == TItemKind::Sound) lastSound = i;
    for (std::size_t i = 0; i < part.items.size(); ++i) {
        const TItem& item = part.items[i];
        if (item.kind == TItemKind::Sound) {
            inBar += item.ticks;
            flat.push_back(item);
            continue;
        }
        // The first bar may be a pick-up, and the last bar, or the bar before a repeat sign,
        // may be short so that it joins the pick-up when played again.
        bool shortAllowed = firstBar || i > lastSound || item.kind == TItemKind::RepeatEnd;
        if (inBar > 0 && (inBar > barTicks || (inBar < barTicks && !shortAllowed)))
            ThrowContentError(text.name, item.line,
                              "a bar lasts " + std::to_string(inBar) + " ticks, not " + std::to_string(barTicks) +
                                  " (a quarter note is " + std::to_string(kTicksPerQuarter) + ")");
        if (inBar > 0) firstBar = false;
        inBar = 0;
        if (item.kind == TItemKind::RepeatStart) repeatFrom = flat.size();
        if (item.kind == TItemKind::RepeatEnd) {
            std::vector<TItem> again(flat.begin() + static_cast<std::ptrdiff_t>(repeatFrom), flat.end());
            flat.insert(flat.end(), again.begin(), again.end());
            repeatFrom = flat.size();
        }
    }
    if (inBar > barTicks)
        ThrowContentError(text.name, part.items.empty() ? part.line : part.items.back().line, "the last bar is too long");
    return flat;
}

int Placed(int pitchClass, int low) {  // the pitch of this class at or above `low`, within an octave
    int p = low + ((pitchClass - low) % 12 + 12) % 12;
    return p;
}

int BeatTicks(const TSong& song) {
    int unit = 4 * kTicksPerQuarter / song.beatUnit;
    // Compound time (6/8, 9/8, 12/8) is felt in dotted quarters.
    if (song.beatUnit == 8 && song.beatsPerBar % 3 == 0) return unit * 3;
    return unit;
}

int BarTicks(const TSong& song) { return song.beatsPerBar * 4 * kTicksPerQuarter / song.beatUnit; }

void RenderMelody(const TPart& part, const std::vector<TItem>& items, int pickup, const TSong& song,
                  TSongTrack& track, const TSourceText& text) {
    int at = 0;
    std::optional<TSongNote> open;  // a note tied on into the next item
    for (const TItem& item : items) {
        if (open) {
            if (item.pitches.empty() || item.pitches[0] != open->pitch)
                ThrowContentError(text.name, item.line, "a tie must lead to a note of the same pitch");
            open->length += item.ticks;
        } else if (!item.pitches.empty()) {
            bool downbeat = (at + pickup) % BarTicks(song) == 0;
            open = TSongNote{at, item.ticks, item.pitches[0], std::min(127, part.velocity + (downbeat ? 10 : 0))};
        }
        if (open && !item.tie) {
            track.notes.push_back(*open);
            open.reset();
        }
        at += item.ticks;
    }
    if (open) ThrowContentError(text.name, part.line, "the part ends with a tie");
}

void RenderChords(const TPart& part, const std::vector<TItem>& items, TSongTrack& pad, TSongTrack& bass,
                  const TSong& song) {
    int at = 0;
    int beat = BeatTicks(song);
    for (const TItem& item : items) {
        if (!item.pitches.empty()) {
            int root = item.pitches[0];
            // Close voicing from G3 up keeps the chords under the melody.
            for (std::size_t k = 1; k < item.pitches.size(); ++k)
                pad.notes.push_back({at, item.ticks, Placed((root + item.pitches[k]) % 12, 55), part.velocity * 3 / 5});
            int bassRoot = Placed(root, 36);
            int bassFifth = bassRoot + 7 > 47 ? bassRoot - 5 : bassRoot + 7;
            if (part.beats && item.ticks > beat) {
                int k = 0;
                for (int t = 0; t < item.ticks; t += beat, ++k)
                    bass.notes.push_back({at + t, std::min(beat, item.ticks - t), k % 2 == 0 ? bassRoot : bassFifth,
                                          part.velocity * 4 / 5});
            } else {
                bass.notes.push_back({at, item.ticks, bassRoot, part.velocity * 4 / 5});
            }
        }
        at += item.ticks;
    }
}

int TotalTicks(const std::vector<TItem>& items) {
    int total = 0;
    for (const TItem& item : items) total += item.ticks;
    return total;
}

}  // namespace

TSong ParseNoteList(const TSourceText& text) {
    TSong song;
    std::vector<TPart> parts;
    bool haveTempo = false, haveTime = false, haveLength = false;
    int previousLength = kTicksPerQuarter;
    for (const TSourceLine& line : text.lines) {
        std::vector<std::string> words = SplitWords(line.text);
        const std::string& keyword = words[0];
        std::vector<std::string> rest(words.begin() + 1, words.end());
        if (keyword == "title") {
            song.title = line.text.size() > 6 ? line.text.substr(6) : "";
        } else if (keyword == "tempo") {
            double v = 0;
            if (rest.size() != 1 || !ParseReal(rest[0], v) || v < 20 || v > 300)
                ThrowContentError(text.name, line.number, "tempo needs quarter notes per minute from 20 to 300");
            song.tempo = v;
            haveTempo = true;
        } else if (keyword == "time") {
            long long n = 0, d = 0;
            std::size_t slash = rest.size() == 1 ? rest[0].find('/') : std::string::npos;
            if (slash == std::string::npos || !ParseInt(rest[0].substr(0, slash), n) ||
                !ParseInt(rest[0].substr(slash + 1), d) || n < 1 || n > 16 || (d != 2 && d != 4 && d != 8))
                ThrowContentError(text.name, line.number, "time needs a signature such as 3/4 or 6/8");
            song.beatsPerBar = static_cast<int>(n);
            song.beatUnit = static_cast<int>(d);
            haveTime = true;
        } else if (keyword == "length") {
            double v = 0;
            if (rest.size() != 1 || !ParseReal(rest[0], v) || v <= 0 || v > 600)
                ThrowContentError(text.name, line.number, "length needs the song's seconds");
            song.tableLength = v;
            haveLength = true;
        } else if (keyword == "melody" || keyword == "chords") {
            TKeyValues keys(rest, text.name, line.number);
            TPart part;
            part.kind = keyword == "melody" ? TPartKind::Melody : TPartKind::Chords;
            part.line = line.number;
            if (part.kind == TPartKind::Melody) {
                keys.CheckKnown({"program", "volume", "velocity", "transpose"});
                part.program = static_cast<int>(keys.Int("program", 1, 1, 128));
                part.transpose = static_cast<int>(keys.Int("transpose", 0, -36, 36));
            } else {
                keys.CheckKnown({"program", "bass", "volume", "velocity", "style"});
                part.program = static_cast<int>(keys.Int("program", 49, 1, 128));
                part.bassProgram = static_cast<int>(keys.Int("bass", 33, 1, 128));
                std::string style = keys.Text("style", "held");
                if (style != "held" && style != "beats")
                    ThrowContentError(text.name, line.number, "style is held or beats");
                part.beats = style == "beats";
            }
            part.volume = static_cast<int>(keys.Int("volume", 100, 0, 127));
            part.velocity = static_cast<int>(keys.Int("velocity", part.kind == TPartKind::Melody ? 96 : 80, 1, 117));
            parts.push_back(part);
            previousLength = kTicksPerQuarter;
        } else if (!parts.empty()) {
            ParseNotes(parts.back(), words, text, line.number, previousLength);
        } else {
            ThrowContentError(text.name, line.number, "unknown word \"" + keyword + "\"");
        }
    }
    if (!haveTempo || !haveTime || !haveLength)
        ThrowContentError(text.name, 0, "a song needs its tempo, time and length");
    if (parts.empty() || parts[0].kind != TPartKind::Melody)
        ThrowContentError(text.name, 0, "a song begins with its melody");

    int barTicks = BarTicks(song);
    std::vector<std::vector<TItem>> flat;
    for (const TPart& part : parts) flat.push_back(CheckAndExpand(part, barTicks, text));
    song.totalTicks = TotalTicks(flat[0]);
    for (std::size_t p = 1; p < parts.size(); ++p)
        if (TotalTicks(flat[p]) != song.totalTicks)
            ThrowContentError(text.name, parts[p].line, "this part lasts " + std::to_string(TotalTicks(flat[p])) +
                                                            " ticks, the melody " + std::to_string(song.totalTicks));
    // The pick-up: how far the first bar line lies from the start of the melody.
    int firstBar = 0;
    for (const TItem& item : parts[0].items) {
        if (item.kind != TItemKind::Sound) break;
        firstBar += item.ticks;
    }
    int pickup = firstBar < barTicks ? barTicks - firstBar : 0;

    int channel = 0;
    auto nextChannel = [&]() {
        if (channel == 9) ++channel;
        if (channel > 15) ThrowContentError(text.name, 0, "too many parts for the 15 melodic channels");
        return channel++;
    };
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const TPart& part = parts[p];
        if (part.kind == TPartKind::Melody) {
            TSongTrack track{p == 0 ? "Melody" : "Voice", part.program, nextChannel(), part.volume, 64, {}};
            RenderMelody(part, flat[p], pickup, song, track, text);
            song.tracks.push_back(std::move(track));
        } else {
            TSongTrack pad{"Chords", part.program, nextChannel(), part.volume, 80, {}};
            TSongTrack bass{"Bass", part.bassProgram, nextChannel(), part.volume, 48, {}};
            RenderChords(part, flat[p], pad, bass, song);
            song.tracks.push_back(std::move(pad));
            song.tracks.push_back(std::move(bass));
        }
    }
    return song;
}

void CheckSongLength(const TSong& song, const std::string& source) {
    double seconds = song.Seconds();
    double shortest = song.tableLength - std::max(3.0, 0.15 * song.tableLength);
    if (seconds > song.tableLength + 1.5 || seconds < shortest) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "the song lasts %.1f s; the song table gives %.0f s", seconds,
                      song.tableLength);
        ThrowContentError(source, 0, buffer);
    }
}
