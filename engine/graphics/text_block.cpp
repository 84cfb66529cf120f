#include "engine/graphics/text_block.h"

#include <algorithm>
#include <string>

#include "engine/graphics/ac8_font.h"

TAC8Font* TFontList::FirstFont() const {
    return First() == nullptr ? nullptr : static_cast<TFontNode*>(First())->Font;
}

TAC8Font* TFontList::FontByName(std::string_view name) const {
    TIDNode* node = FindByID(name);
    return node == nullptr ? nullptr : static_cast<TFontNode*>(node)->Font;
}

namespace {

constexpr char16_t SoftHyphen = u'`';
constexpr char16_t DigitSpace = 1;
constexpr char16_t CarriageReturn = 13;
constexpr char16_t LineFeed = 10;

// One unit of the text: a character or a whole escape.
struct TTextItem {
    enum Kind { Char, Space, SoftHyphenMark, DigitWideSpace, HardBreak, FullBreak, TabTo, Advance, FontSwitch, TextEnd };
    Kind What = Char;
    std::size_t Next = 0;  // index after the item
    char16_t Character = 0;
    std::int32_t Amount = 0;
    TAC8Font* Font = nullptr;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Exactly `count` digits at `at`, never reading past the end; -1 when they are not there.
std::int32_t ReadDigits(std::u16string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return -1;
    std::int32_t value = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (!IsDigit(text[at + k])) return -1;
        value = value * 10 + (text[at + k] - u'0');
    }
    return value;
}

TTextItem ScanItem(std::u16string_view text, std::size_t i, const TFontList& fonts) {
    TTextItem item;
    item.Next = i + 1;
    const char16_t c = text[i];
    item.Character = c;
    if (c == CarriageReturn) {
        item.What = TTextItem::HardBreak;
        if (item.Next < text.size() && text[item.Next] == LineFeed) ++item.Next;
        return item;
    }
    if (c == u' ') item.What = TTextItem::Space;
    else if (c == SoftHyphen) item.What = TTextItem::SoftHyphenMark;
    else if (c == DigitSpace) item.What = TTextItem::DigitWideSpace;
    if (c != u'\\') return item;

    // A backslash that ends the text ends the layout there.
    if (item.Next >= text.size()) {
        item.What = TTextItem::TextEnd;
        return item;
    }
    const char16_t e = text[item.Next];
    item.Next += 1;
    item.Character = e;
    switch (e) {
    case u'n': item.What = TTextItem::HardBreak; return item;
    case u'N': item.What = TTextItem::FullBreak; return item;
    case u'p': item.What = TTextItem::Advance; item.Amount = 1; return item;
    case u'T':
    case u't': {
        const std::size_t count = e == u'T' ? 3 : 2;
        const std::int32_t value = ReadDigits(text, item.Next, count);
        item.What = e == u'T' ? TTextItem::TabTo : TTextItem::Advance;
        // Too few digits: the amount is 0 and the digits that are there stay ordinary text.
        item.Amount = value < 0 ? 0 : value;
        if (value >= 0) item.Next += count;
        return item;
    }
    default: break;
    }
    if (e < 128) {
        if (TAC8Font* font = fonts.FontByName(std::string(1, static_cast<char>(e)))) {
            item.What = TTextItem::FontSwitch;
            item.Font = font;
            return item;
        }
    }
    item.What = TTextItem::Char;  // "\\" is a backslash, "\Q" a Q
    return item;
}

std::int32_t CharWidth(const TAC8Font& font, char16_t c) { return font.TextWidth(std::u16string_view(&c, 1)); }

enum class TBreakKind { TextEnd, Hard, Space, Hyphen, Split };

struct TLineBreak {
    TBreakKind Kind = TBreakKind::TextEnd;
    std::size_t DrawEnd = 0;  // items before this index are drawn
    std::size_t Resume = 0;   // the next line starts here
    std::int32_t Width = 0;
    std::int32_t Stretch = 0;  // spaces justified lines may widen
    bool FullLine = false;
};

}  // namespace

TTextBlock::TTextBlock(TAC8Font& font, std::string_view name) {
    AddFont(font, name);
    FCurrentFont = &font;
    FLineGap = font.RowPitch() - font.CellHeight();
    FEmptyLineHeight = font.RowPitch();
}

void TTextBlock::AddFont(TAC8Font& font, std::string_view name) { FFonts.Append(std::make_unique<TFontNode>(name, font)); }

void TTextBlock::SetMargins(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    FMargins = TRect{left, top, right, bottom};
}

std::int32_t TTextBlock::Draw(TAC8ImageData* surface, const TRect& rect, bool restart, std::u16string_view text) {
    return Layout(surface, rect, restart, text).Consumed;
}

TTextLayout TTextBlock::Layout(TAC8ImageData* surface, const TRect& rect, bool restart, std::u16string_view text) {
    if (restart) {
        FCurrentFont = FFonts.FirstFont();
        FWorkingMargins = FMargins;
    }
    const TRect inner{rect.Left + FWorkingMargins.Left, rect.Top + FWorkingMargins.Top,
                      rect.Right - FWorkingMargins.Right, rect.Bottom - FWorkingMargins.Bottom};
    if (surface != nullptr) Background.Paint(*surface, BackgroundWhole ? rect : inner);

    std::size_t pos = 0;
    std::int32_t y = inner.Top;
    std::int32_t widest = 0;
    bool afterSoftBreak = false;
    while (pos < text.size() && inner.Bottom - FCurrentFont->CellHeight() >= y) {
        const std::size_t lineStart = pos;
        TAC8Font* const lineFont = FCurrentFont;
        const std::int32_t indent = afterSoftBreak ? HangingIndent : 0;

        // Measuring: find where this line ends.
        TLineBreak line;
        bool haveCandidate = false;
        TLineBreak candidate;
        std::int32_t candidateSpaces = 0;
        std::int32_t pen = inner.Left + indent;
        std::size_t lastItemStart = lineStart;
        std::int32_t penBeforeLastItem = pen;
        bool tookAny = false;
        std::size_t i = lineStart;
        for (;;) {
            if (i >= text.size()) {
                line = TLineBreak{TBreakKind::TextEnd, text.size(), text.size(), pen - inner.Left, 0, false};
                break;
            }
            const TTextItem item = ScanItem(text, i, FFonts);
            if (item.What == TTextItem::TextEnd) {
                line = TLineBreak{TBreakKind::TextEnd, i, text.size(), pen - inner.Left, 0, false};
                break;
            }
            if (item.What == TTextItem::HardBreak || item.What == TTextItem::FullBreak) {
                line = TLineBreak{TBreakKind::Hard, i, item.Next, pen - inner.Left, 0, item.What == TTextItem::FullBreak};
                break;
            }
            const std::int32_t dash = CharWidth(*FCurrentFont, u'-');
            if (item.What == TTextItem::Space) {
                if (pen <= inner.Right) {
                    candidate = TLineBreak{TBreakKind::Space, i, i, pen - inner.Left, candidateSpaces, false};
                    haveCandidate = true;
                    ++candidateSpaces;
                }
                lastItemStart = i;
                penBeforeLastItem = pen;
                pen += CharWidth(*FCurrentFont, u' ');
                tookAny = true;
                i = item.Next;
                continue;
            }
            // Anything but a space stops the line once the pen is past the right edge.
            const bool hyphenChosen = haveCandidate && candidate.Kind == TBreakKind::Hyphen;
            bool stop = pen + (hyphenChosen ? dash : 0) > inner.Right;
            // The digit-wide space is a character as wide as "0": it may not carry the pen past
            // the edge either, or a right-aligned or centred line would start left of it.
            std::int32_t width = 0;
            if (item.What == TTextItem::Char) width = CharWidth(*FCurrentFont, item.Character);
            if (item.What == TTextItem::DigitWideSpace) width = CharWidth(*FCurrentFont, u'0');
            const bool hasWidth = item.What == TTextItem::Char || item.What == TTextItem::DigitWideSpace;
            if (hasWidth && pen + width > inner.Right) stop = true;
            if (stop) {
                if (haveCandidate) {
                    line = candidate;
                } else if (tookAny && lastItemStart > lineStart) {
                    // A word wider than the line: split one item before the one that overflowed.
                    line = TLineBreak{TBreakKind::Split, lastItemStart, lastItemStart, penBeforeLastItem - inner.Left, 0, false};
                } else if (tookAny) {
                    line = TLineBreak{TBreakKind::Split, i, i, pen - inner.Left, 0, false};
                } else {
                    // Not even one item fits: take it anyway, so paging always ends.
                    const std::int32_t forced = pen + width;
                    line = TLineBreak{TBreakKind::Split, item.Next, item.Next, forced - inner.Left, 0, false};
                }
                break;
            }
            lastItemStart = i;
            penBeforeLastItem = pen;
            tookAny = true;
            switch (item.What) {
            case TTextItem::Char: pen += width; break;
            case TTextItem::SoftHyphenMark:
                if (pen + dash <= inner.Right) {
                    candidate = TLineBreak{TBreakKind::Hyphen, item.Next, item.Next, pen - inner.Left + dash, candidateSpaces, false};
                    haveCandidate = true;
                } else {
                    pen = inner.Right + 1;
                }
                break;
            case TTextItem::DigitWideSpace: pen += width; break;
            case TTextItem::TabTo: pen = inner.Left + item.Amount; break;
            case TTextItem::Advance: pen += item.Amount; break;
            case TTextItem::FontSwitch: FCurrentFont = item.Font; break;
            default: break;
            }
            i = item.Next;
        }
        FCurrentFont = lineFont;

        const bool softBreak = line.Kind != TBreakKind::TextEnd && line.Kind != TBreakKind::Hard;
        if (softBreak && line.Resume < text.size() && text[line.Resume] == u' ') ++line.Resume;

        // Drawing (or replaying the pen without a surface, which keeps the font state right).
        std::int32_t freeWidth = inner.Right - inner.Left - line.Width;
        widest = std::max(widest, line.Width);
        std::int32_t x = inner.Left;
        if (Alignment == TTextAlign::Right) x += freeWidth;
        else if (Alignment == TTextAlign::Centre) x += freeWidth / 2;
        else x += indent;
        std::int32_t stretchLeft = Alignment == TTextAlign::Justify ? line.Stretch : 0;
        const std::int32_t startX = x;
        for (std::size_t k = lineStart; k < line.DrawEnd;) {
            const TTextItem item = ScanItem(text, k, FFonts);
            TAC8Font& font = *FCurrentFont;
            switch (item.What) {
            case TTextItem::Char: {
                const std::int32_t w = CharWidth(font, item.Character);
                if (surface != nullptr) {
                    TPoint at{x, y};
                    font.DrawText(at, *surface, std::u16string_view(&item.Character, 1));
                }
                x += w;
                break;
            }
            case TTextItem::Space:
                x += CharWidth(font, u' ');
                if (stretchLeft > 0) {
                    const std::int32_t extra = (std::max(freeWidth, 0) + stretchLeft - 1) / stretchLeft;
                    x += extra;
                    freeWidth -= extra;
                    --stretchLeft;
                }
                break;
            case TTextItem::SoftHyphenMark:
                if (line.Kind == TBreakKind::Hyphen && item.Next == line.DrawEnd) {
                    if (surface != nullptr) {
                        TPoint at{x, y};
                        font.DrawText(at, *surface, u"-");
                    }
                    x += CharWidth(font, u'-');
                }
                break;
            case TTextItem::DigitWideSpace: x += CharWidth(font, u'0'); break;
            case TTextItem::TabTo: x = inner.Left + item.Amount; break;
            case TTextItem::Advance: x += item.Amount; break;
            case TTextItem::FontSwitch: FCurrentFont = item.Font; break;
            default: break;
            }
            k = item.Next;
        }

        y += (x != startX || line.FullLine) ? FCurrentFont->CellHeight() + FLineGap : FEmptyLineHeight;
        afterSoftBreak = softBreak;
        pos = line.Resume;
    }

    TTextLayout result;
    result.Consumed = static_cast<std::int32_t>(pos);
    result.Width = widest + FWorkingMargins.Left + FWorkingMargins.Right;
    result.Height = y + FWorkingMargins.Bottom - rect.Top - (FLineGap > 0 ? FLineGap : 0);
    return result;
}
