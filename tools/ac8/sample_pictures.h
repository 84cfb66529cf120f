#pragma once
// Pictures like the game's own (flat colour areas, dark outlines, gradients, a little
// dithering), made from a seed so benchmarks and tests need no stored files.
#include <cstdint>
#include <string>

#include "tools/ac8/ac8_writer.h"

TIndexedPicture MakeSamplePicture(std::uint32_t seed, std::uint32_t width, std::uint32_t height, const std::string& name);
// A palette of colour ramps that the sample pictures index into.
TAC8SourcePalette MakeSamplePalette();
