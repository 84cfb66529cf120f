#pragma once
// Word-wrapped text in a rectangle of a surface, with several bitmap fonts, escapes for
// breaks, tabs, small advances and font changes, alignment, margins and a background. A
// layout reports how much of the text fit, so a caller continues the rest elsewhere.
//
// In the text: CR (optionally followed by LF), "\n" and "\N" end a line ("\N" also makes an
// empty line take a full line); "\T" + 3 digits moves the pen to that many pixels from the
// inner left edge; "\t" + 2 digits advances it that many pixels; "\p" advances it one pixel;
// "\" + the one-letter name of a font of the block switches to that font; "\" + anything
// else is that character. "`" is a soft hyphen, character 1 a space as wide as "0".
#include <cstdint>
#include <string_view>

#include "foundation/geometry.h"
#include "foundation/id_list.h"

class TAC8Font;
class TAC8ImageData;
class TTileBG;

class TFontNode : public TIDNode {
public:
    TFontNode(std::string_view name, TAC8Font& font) : TIDNode(name), Font(&font) {}
    TAC8Font* Font;  // not owned
};

class TFontList : public TIDList {
public:
    TAC8Font* FirstFont() const;
    // Names are kept upper-case, so they match in either case; none for an unknown name.
    TAC8Font* FontByName(std::string_view name) const;
};

enum class TBGKind : std::uint8_t { None = 0, Fill = 1, Copy = 2, Tiled = 3 };

// What a text block paints before its text.
class TBGArea {
public:
    TBGKind Kind = TBGKind::None;
    std::uint8_t Colour = 255;            // Fill
    const TAC8ImageData* Picture = nullptr;  // Copy: source picture, not owned
    TPoint Origin;                        // Copy: source position; Tiled: tiling origin
    const TTileBG* Tiles = nullptr;       // Tiled: whose tile picture is used, not owned

    void Paint(TAC8ImageData& surface, const TRect& rect) const;
};

enum class TTextAlign : std::uint8_t { Left = 0, Right = 1, Centre = 2, Justify = 3 };

struct TTextLayout {
    std::int32_t Consumed = 0;  // characters of the text used, escapes included
    std::int32_t Height = 0;
    std::int32_t Width = 0;     // widest line plus the left and right margins
};

class TTextBlock {
public:
    // The first font is the starting font; its metrics give the line gap and the advance of a
    // line that drew nothing. Margins start at 6.
    TTextBlock(TAC8Font& font, std::string_view name);

    void AddFont(TAC8Font& font, std::string_view name);
    void SetMargins(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    const TFontList& Fonts() const { return FFonts; }

    // Lays the text out in rect from its start, drawing when a surface is given. Restart
    // returns to the first font and the set margins; without it a call continues with the
    // font the last one ended with. Returns the characters consumed.
    std::int32_t Draw(TAC8ImageData* surface, const TRect& rect, bool restart, std::u16string_view text);
    TTextLayout Layout(TAC8ImageData* surface, const TRect& rect, bool restart, std::u16string_view text);

    TTextAlign Alignment = TTextAlign::Left;
    bool BackgroundWhole = true;  // background over the whole rectangle, else inside the margins
    std::int32_t HangingIndent = 0;  // added to each line that continues a paragraph
    TBGArea Background;

private:
    TFontList FFonts;
    std::int32_t FLineGap = 0;
    std::int32_t FEmptyLineHeight = 0;
    TRect FMargins{6, 6, 6, 6};         // Left, Top, Right, Bottom as widths
    TRect FWorkingMargins{6, 6, 6, 6};
    TAC8Font* FCurrentFont = nullptr;
};
