#pragma once
// The font list: which glyph sheets the image library holds and what they are rendered from.
//
//   # name    face                 pixels  slot  ink  transparent
//   00f12mc   DejaVuSans.ttf       17      0     1    108
//
//   name         image name of the sheet; its first two digits are the metrics slot
//   face         a TrueType file, relative to the face folder given to the tool
//   pixels       em size in pixels
//   slot         the game's metrics record the sheet is laid out by (0 or 1); it must agree
//                with the name's digits, or the game would place the glyphs by another table
//   ink          palette index of the glyphs
//   transparent  palette index around them
#include <filesystem>
#include <vector>

#include "tools/fonts/glyph_sheet.h"

struct TSourceText;

// Throws ContentError naming the file and line of the first fault.
std::vector<TGlyphSheetSource> ParseFontList(const TSourceText& text, const std::filesystem::path& faceFolder);
std::vector<TGlyphSheetSource> LoadFontList(const std::filesystem::path& path, const std::filesystem::path& faceFolder);
