#pragma once
// Turning a picture's source into palette indices.
//
// Exact pictures must use palette colours only: any other colour, and any half-transparent
// pixel, stops the build with the picture's name, the pixel and its colour, because the game
// looks at some indices (key colours, transparent colours, the outlines of fill regions) and a
// smoothed edge would silently break them. SVG sources should therefore say
// shape-rendering="crispEdges". Nearest pictures (soft areas) take the closest palette colour
// instead, but never the transparent colour.
#include <filesystem>
#include <vector>

#include "tools/pictures/indexed_picture.h"
#include "tools/pictures/picture_manifest.h"
#include "tools/pictures/png_files.h"

class TPalette;

// Renders an SVG with rsvg-convert into `workFolder`, or reads a PNG; the result has exactly
// the entry's size. Throws ContentError otherwise.
TRgbaImage LoadPictureSource(const TPictureEntry& entry, const std::filesystem::path& workFolder);

TIndexedPicture MapToPalette(const TRgbaImage& image, const TPictureEntry& entry, const TPalette& palette);

struct TBuiltPicture {
    TPictureEntry entry;
    TIndexedPicture picture;
};

// Every picture of a manifest, in manifest order: what the image library writer stores.
std::vector<TBuiltPicture> BuildPictures(const std::filesystem::path& manifest, const TPalette& palette,
                                         const std::filesystem::path& workFolder);
