#pragma once
// Glyph sheets of the game's bitmap fonts, rendered with FreeType from a TrueType face.
//
// The sheet is laid out by the same metrics record the game reads (engine_font_metrics):
// glyph entry n sits in sheet row n div 32, its ink from the entry's left x for the entry's
// width, its baseline at the record's third metric below the top of the cell. Everything
// else is the transparent colour, except the bottom-right pixel, which carries the ink
// colour (the font reads it from there). Glyphs are rendered without smoothing, so the sheet
// holds exactly two indices besides that pixel: ink and transparent.
#include <cstdint>
#include <filesystem>
#include <string>

#include "tools/pictures/indexed_picture.h"

struct TFontMetrics;

struct TGlyphSheetSource {
    std::string name;            // image name of the sheet, e.g. "00f12mc"
    std::filesystem::path face;  // the TrueType file
    int pixelSize = 0;           // em size in pixels
    const TFontMetrics* metrics = nullptr;
    std::uint8_t ink = 0;
    std::uint8_t transparent = 0;
};

// The character drawn by glyph entry n (0..191): 32..126 and 161..255 as themselves, entry
// 95 the capital S with caron (352) and entry 96 the small one (353), as the font maps them.
char32_t CharacterOfGlyphEntry(int entry);

// The sheet's size for a metrics record: one pixel right of the rightmost cell (so the
// bottom-right ink pixel never lies inside a cell) and six rows of cells.
int GlyphSheetWidth(const TFontMetrics& metrics);
int GlyphSheetHeight(const TFontMetrics& metrics);

// Throws ContentError when the face cannot be opened or lacks a character. A glyph wider
// than its entry is narrowed horizontally until it fits, so a bold face can share the
// metrics of the regular one.
TIndexedPicture RenderGlyphSheet(const TGlyphSheetSource& source);
