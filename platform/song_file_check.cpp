#include "platform/song_file_check.h"

#include <cstring>

namespace platform {

namespace {

// Reads forward through one chunk; every read is checked against the chunk's end.
class ChunkReader {
public:
    ChunkReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
    bool AtEnd() const { return FPos >= FSize; }
    bool Byte(std::uint8_t& value) {
        if (FPos >= FSize) return false;
        value = FData[FPos++];
        return true;
    }
    bool Skip(std::uint32_t count) {
        if (count > FSize - FPos) return false;
        FPos += count;
        return true;
    }
    // A variable-length quantity: at most four bytes, seven bits each.
    bool Quantity(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = 0;
            if (!Byte(b)) return false;
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0) return true;
        }
        return false;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

std::uint32_t Big32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
std::uint16_t Big16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

bool Fail(std::string* why, const char* text) {
    if (why != nullptr) *why = text;
    return false;
}

// Data bytes a channel message of this status carries.
int DataBytesOf(std::uint8_t status) {
    switch (status & 0xF0u) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

bool CheckTrack(ChunkReader track, std::string* why) {
    std::uint8_t running = 0;
    while (!track.AtEnd()) {
        std::uint32_t delta = 0;
        if (!track.Quantity(delta)) return Fail(why, "an event time runs past its track");
        std::uint8_t first = 0;
        if (!track.Byte(first)) return Fail(why, "a track ends after an event time");
        if (first == 0xFF) {
            std::uint8_t type = 0;
            std::uint32_t length = 0;
            if (!track.Byte(type) || type >= 0x80 || !track.Quantity(length) || !track.Skip(length))
                return Fail(why, "a meta event runs past its track");
            if (type == 0x2F) return length == 0 ? true : Fail(why, "an end-of-track event carries data");
            running = 0;  // meta and system events cancel the running status
        } else if (first == 0xF0 || first == 0xF7) {
            std::uint32_t length = 0;
            if (!track.Quantity(length) || !track.Skip(length)) return Fail(why, "a system event runs past its track");
            running = 0;
        } else if (first >= 0xF1) {
            return Fail(why, "a track holds a real-time or undefined status byte");
        } else {
            int data = 0;
            if (first >= 0x80) {
                running = first;
                data = DataBytesOf(first);
            } else {
                if (running == 0) return Fail(why, "a data byte stands where a status byte must");
                data = DataBytesOf(running) - 1;  // the first data byte has been read
            }
            for (int i = 0; i < data; ++i) {
                std::uint8_t value = 0;
                if (!track.Byte(value)) return Fail(why, "a channel event runs past its track");
                if (value >= 0x80) return Fail(why, "a channel event's data byte has its top bit set");
            }
        }
    }
    return Fail(why, "a track has no end-of-track event");
}

}  // namespace

bool IsPlayableSongFile(std::span<const std::uint8_t> bytes, std::string* why) {
    constexpr std::size_t kChunkHead = 8;
    if (bytes.size() < kChunkHead + 6 || std::memcmp(bytes.data(), "MThd", 4) != 0)
        return Fail(why, "no MIDI header chunk");
    const std::uint32_t headerLength = Big32(bytes.data() + 4);
    if (headerLength < 6 || headerLength > bytes.size() - kChunkHead) return Fail(why, "the header chunk's length is wrong");
    const std::uint8_t* header = bytes.data() + kChunkHead;
    const std::uint16_t format = Big16(header);
    const std::uint16_t tracks = Big16(header + 2);
    const std::uint16_t division = Big16(header + 4);
    if (format > 2) return Fail(why, "an unknown MIDI file format");
    if (tracks == 0 || (format == 0 && tracks != 1)) return Fail(why, "the header's track count does not fit its format");
    if ((division & 0x8000u) != 0) {
        const int frames = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
        if ((frames != 24 && frames != 25 && frames != 29 && frames != 30) || (division & 0xFFu) == 0)
            return Fail(why, "the header's time division is not valid");
    } else if (division == 0) {
        return Fail(why, "the header's time division is zero");
    }

    std::size_t at = kChunkHead + headerLength;
    unsigned found = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at < kChunkHead) return Fail(why, "bytes after the last chunk");
        const std::uint32_t length = Big32(bytes.data() + at + 4);
        if (length > bytes.size() - at - kChunkHead) return Fail(why, "a chunk runs past the end of the file");
        if (std::memcmp(bytes.data() + at, "MTrk", 4) == 0) {
            if (!CheckTrack(ChunkReader(bytes.data() + at + kChunkHead, length), why)) return false;
            ++found;
        }
        // Chunks of other kinds are skipped, as the format asks of readers.
        at += kChunkHead + length;
    }
    if (found != tracks) return Fail(why, "the file holds another number of tracks than its header says");
    return true;
}

}  // namespace platform
