#include "tools/pictures/picture_manifest.h"

#include <set>

#include "tools/common/content_error.h"
#include "tools/common/source_text.h"

namespace {

bool IsImageName(const std::string& name) {
    if (name.empty() || name.size() > 8) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

bool ParseFrames(const std::string& word, int& columns, int& rows) {
    std::size_t x = word.find('x');
    long long c = 1, r = 0;
    if (x == std::string::npos) {
        if (!ParseInt(word, r)) return false;
    } else if (!ParseInt(word.substr(0, x), c) || !ParseInt(word.substr(x + 1), r)) {
        return false;
    }
    if (c < 1 || r < 1 || c > 1000 || r > 1000) return false;
    columns = static_cast<int>(c);
    rows = static_cast<int>(r);
    return true;
}

}  // namespace

std::vector<TPictureEntry> ParsePictureManifest(const TSourceText& text, const std::filesystem::path& folder) {
    std::vector<TPictureEntry> entries;
    std::set<std::string> names;
    for (const TSourceLine& line : text.lines) {
        std::vector<std::string> w = SplitWords(line.text);
        auto fail = [&](const std::string& message) { ThrowContentError(text.name, line.number, message); };
        if (w.size() != 7) fail("expected: name source width height transparent frames mode");
        TPictureEntry e;
        e.line = line.number;
        e.name = w[0];
        if (!IsImageName(e.name)) fail("\"" + e.name + "\" is not an image name (1 to 8 of a-z, 0-9, _)");
        if (!names.insert(e.name).second) fail("the image \"" + e.name + "\" is listed twice");
        e.source = folder / w[1];
        std::string extension = e.source.extension().string();
        if (extension != ".svg" && extension != ".png") fail("the source of \"" + e.name + "\" must be .svg or .png");
        long long width = 0, height = 0;
        // The image record keeps sizes in 16 bits, and a strip must hold at least one row.
        if (!ParseInt(w[2], width) || !ParseInt(w[3], height) || width < 1 || height < 1 || width > 4096 ||
            height > 4096)
            fail("width and height must be whole numbers from 1 to 4096");
        e.width = static_cast<int>(width);
        e.height = static_cast<int>(height);
        if (w[4] != "none") {
            long long t = 0;
            if (!ParseInt(w[4], t) || t < 0 || t > 255) fail("transparent is none or a palette index 0 to 255");
            e.transparentColour = static_cast<int>(t);
        }
        if (!ParseFrames(w[5], e.frameColumns, e.frameRows))
            fail("frames is columns x rows, such as 1x3, or a frame count");
        if (e.width % e.frameColumns != 0 || e.height % e.frameRows != 0)
            fail("a " + std::to_string(e.width) + " x " + std::to_string(e.height) + " picture cannot hold " +
                 w[5] + " equal frames");
        if (w[6] != "exact" && w[6] != "nearest") fail("mode is exact or nearest");
        e.exact = w[6] == "exact";
        entries.push_back(e);
    }
    return entries;
}

std::vector<TPictureEntry> LoadPictureManifest(const std::filesystem::path& path) {
    return ParsePictureManifest(ReadSourceFile(path), path.parent_path());
}
