# Advance widths of a TrueType face, enough to size a line of text to a box: the cmap
# (format 4, the Basic Multilingual Plane) and the horizontal metrics.
import struct


class Face:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        num = struct.unpack(">H", self.data[4:6])[0]
        self.tables = {}
        for i in range(num):
            tag, _, off, length = struct.unpack(">4sIII", self.data[12 + 16 * i:28 + 16 * i])
            self.tables[tag.decode()] = (off, length)
        head = self.tables["head"][0]
        self.units = struct.unpack(">H", self.data[head + 18:head + 20])[0]
        hhea = self.tables["hhea"][0]
        self.metrics = struct.unpack(">H", self.data[hhea + 34:hhea + 36])[0]
        self.cmap = self._cmap()

    def _cmap(self):
        base = self.tables["cmap"][0]
        count = struct.unpack(">H", self.data[base + 2:base + 4])[0]
        for i in range(count):
            pid, eid, off = struct.unpack(">HHI", self.data[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + off
            if struct.unpack(">H", self.data[sub:sub + 2])[0] == 4 and pid in (0, 3):
                return self._format4(sub)
        raise ValueError("no format 4 cmap")

    def _format4(self, sub):
        d = self.data
        segs = struct.unpack(">H", d[sub + 6:sub + 8])[0] // 2
        ends = struct.unpack(f">{segs}H", d[sub + 14:sub + 14 + 2 * segs])
        p = sub + 16 + 2 * segs
        starts = struct.unpack(f">{segs}H", d[p:p + 2 * segs])
        deltas = struct.unpack(f">{segs}h", d[p + 2 * segs:p + 4 * segs])
        roff_at = p + 4 * segs
        roffs = struct.unpack(f">{segs}H", d[roff_at:roff_at + 2 * segs])
        table = {}
        for s in range(segs):
            for c in range(starts[s], ends[s] + 1):
                if c == 0xFFFF:
                    continue
                if roffs[s] == 0:
                    g = (c + deltas[s]) & 0xFFFF
                else:
                    at = roff_at + 2 * s + roffs[s] + 2 * (c - starts[s])
                    g = struct.unpack(">H", d[at:at + 2])[0]
                    if g:
                        g = (g + deltas[s]) & 0xFFFF
                table[c] = g
        return table

    def advance(self, glyph):
        hmtx = self.tables["hmtx"][0]
        i = min(glyph, self.metrics - 1)
        return struct.unpack(">H", self.data[hmtx + 4 * i:hmtx + 4 * i + 2])[0]

    def width(self, text, size):
        return sum(self.advance(self.cmap.get(ord(ch), 0)) for ch in text) * size / self.units
