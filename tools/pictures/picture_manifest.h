#pragma once
// The picture manifest: one line per image of the game's image library.
//
//   # name   source              width height transparent frames mode
//   tile     shell/tile.svg      64    64     none        1x1    exact
//   rb_edge  shell/rb_edge.svg   60    180    15          1x3    exact
//   maingift gifts/maingift.png  512   320    none        1x1    nearest
//
//   name         the image name: 1 to 8 characters of a-z, 0-9 and '_'
//   source       an SVG (rendered at the size given) or a PNG (of exactly that size), relative
//                to the manifest's folder
//   transparent  none, or the palette index that is the picture's transparent colour; pixels
//                of the source that are transparent become that index
//   frames       columns x rows of equal cells (a frame strip of n frames is 1xn)
//   mode         exact: every pixel must be a palette colour (key colours, outlines of fill
//                regions, anything the code looks at by index); nearest: soft areas may use
//                any colour and take the nearest palette colour
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct TSourceText;

struct TPictureEntry {
    std::string name;
    std::filesystem::path source;  // resolved against the manifest's folder
    int width = 0, height = 0;
    std::optional<int> transparentColour;
    int frameColumns = 1, frameRows = 1;
    bool exact = true;
    int line = 0;
};

// Throws ContentError naming the file and line of the first fault.
std::vector<TPictureEntry> ParsePictureManifest(const TSourceText& text, const std::filesystem::path& folder);
std::vector<TPictureEntry> LoadPictureManifest(const std::filesystem::path& path);
