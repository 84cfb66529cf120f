#pragma once
// Builds the slate's fill map from its rendered pictures: for every colouring page the regions
// of its unfilled twin (the areas of colour 217), for every sticker the areas of one colour
// inside its cut that are neither outline (40) nor see-through (217). Each region gets the
// seed point deepest inside it, chosen so that the same point halved still lies well inside
// the region on the half-size sheet; its colour is the coloured picture's colour there.
// Regions too small to click are left out.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/pictures/indexed_picture.h"

struct TSlateMapSeed {
    int x = 0, y = 0;
    std::uint8_t colour = 0;
};

// Finds a picture by image name; throws ContentError when it is missing.
using TPictureLookup = std::function<const TIndexedPicture&(const std::string& name)>;

// The seeds of record 0..39.
std::vector<TSlateMapSeed> FindSlateSeeds(int record, const TPictureLookup& pictures);
// The whole file (3390 bytes); throws ContentError when the regions do not fit its body or a
// picture has no region at all.
std::vector<std::uint8_t> BuildSlateMap(const TPictureLookup& pictures);
