#include "tools/songs/midi_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <tuple>

#include "tools/common/content_error.h"
#include "tools/songs/note_list.h"

namespace {

struct TEvent {
    int tick;
    int order;  // at the same tick: note-offs (0) before set-up (1) before note-ons (2)
    std::vector<std::uint8_t> bytes;
};

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t v) {
    std::uint8_t buffer[5];
    int n = 0;
    buffer[n++] = v & 0x7F;
    while ((v >>= 7) != 0) buffer[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
    while (n > 0) out.push_back(buffer[--n]);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> MetaText(std::uint8_t type, const std::string& text) {
    std::vector<std::uint8_t> bytes{0xFF, type};
    PutVarLength(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

// Serialises events into an "MTrk" chunk; the end-of-track mark comes at `endTick`.
void PutTrack(std::vector<std::uint8_t>& out, std::vector<TEvent> events, int endTick) {
    std::stable_sort(events.begin(), events.end(),
                     [](const TEvent& a, const TEvent& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
    std::vector<std::uint8_t> body;
    int last = 0;
    for (const TEvent& e : events) {
        PutVarLength(body, static_cast<std::uint32_t>(e.tick - last));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        last = e.tick;
    }
    PutVarLength(body, static_cast<std::uint32_t>(std::max(0, endTick - last)));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

std::vector<std::uint8_t> MidiFileBytes(const TSong& song) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    std::uint16_t trackCount = static_cast<std::uint16_t>(song.tracks.size() + 1);
    out.push_back(static_cast<std::uint8_t>(trackCount >> 8));
    out.push_back(static_cast<std::uint8_t>(trackCount));
    out.push_back(static_cast<std::uint8_t>(kTicksPerQuarter >> 8));
    out.push_back(static_cast<std::uint8_t>(kTicksPerQuarter & 0xFF));

    // A short rest after the last note lets the final chord ring instead of being cut.
    int endTick = song.totalTicks + kTicksPerQuarter / 2;

    std::uint32_t microseconds = static_cast<std::uint32_t>(std::lround(60000000.0 / song.tempo));
    int denominatorPower = song.beatUnit == 2 ? 1 : song.beatUnit == 4 ? 2 : 3;
    std::vector<TEvent> conductor;
    conductor.push_back({0, 1, MetaText(0x03, song.title)});
    conductor.push_back({0, 1, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microseconds >> 16),
                                static_cast<std::uint8_t>(microseconds >> 8), static_cast<std::uint8_t>(microseconds)}});
    conductor.push_back({0, 1, {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(song.beatsPerBar),
                                static_cast<std::uint8_t>(denominatorPower), 24, 8}});
    PutTrack(out, conductor, endTick);

    for (const TSongTrack& track : song.tracks) {
        std::vector<TEvent> events;
        std::uint8_t ch = static_cast<std::uint8_t>(track.channel);
        events.push_back({0, 1, MetaText(0x03, track.name)});
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(track.program - 1)}});
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xB0 | ch), 7, static_cast<std::uint8_t>(track.volume)}});
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xB0 | ch), 10, static_cast<std::uint8_t>(track.pan)}});
        for (const TSongNote& n : track.notes) {
            std::uint8_t pitch = static_cast<std::uint8_t>(n.pitch);
            events.push_back({n.start, 2, {static_cast<std::uint8_t>(0x90 | ch), pitch, static_cast<std::uint8_t>(n.velocity)}});
            events.push_back({n.start + n.length, 0, {static_cast<std::uint8_t>(0x80 | ch), pitch, 64}});
        }
        PutTrack(out, std::move(events), endTick);
    }
    return out;
}

void WriteMidiFile(const std::filesystem::path& path, const TSong& song) {
    std::vector<std::uint8_t> bytes = MidiFileBytes(song);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) ThrowContentError(path.string(), 0, "cannot write the MIDI file");
}
