// make_slatemap PALETTE MANIFEST WORKFOLDER OUTPUT: renders the slate's pictures of MANIFEST
// and writes the fill map OUTPUT (slatemap.dat).
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/pictures/rasterise.h"
#include "tools/slatemap/slate_map_builder.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_slatemap PALETTE MANIFEST WORKFOLDER OUTPUT\n");
        return 2;
    }
    try {
        const TPalette palette = LoadPalette(argv[1]);
        const std::vector<TBuiltPicture> built = BuildPictures(argv[2], palette, argv[3]);
        std::map<std::string, const TIndexedPicture*> byName;
        for (const TBuiltPicture& b : built) byName[b.entry.name] = &b.picture;
        const std::vector<std::uint8_t> map = BuildSlateMap([&](const std::string& name) -> const TIndexedPicture& {
            const auto found = byName.find(name);
            if (found == byName.end()) throw ContentError(std::string(argv[2]) + ": no picture \"" + name + "\"");
            return *found->second;
        });
        std::ofstream out(argv[4], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(map.data()), static_cast<std::streamsize>(map.size()));
        if (!out) throw ContentError(std::string("cannot write ") + argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_slatemap: %s\n", e.what());
        return 1;
    }
    return 0;
}
