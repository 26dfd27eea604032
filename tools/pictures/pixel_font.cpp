#include "pixel_font.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using Glyph = std::vector<std::string_view>;

// Rows 0..6 stand on the baseline, rows 7 and 8 are descenders.
const std::map<char32_t, Glyph>& Glyphs()
{
    static const std::map<char32_t, Glyph> glyphs = {
        {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
        {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
        {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
        {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
        {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
        {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
        {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
        {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
        {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
        {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
        {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
        {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
        {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
        {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
        {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
        {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
        {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
        {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
        {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
        {'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."}},
        {'c', {"....", "....", ".###", "#...", "#...", "#...", ".###"}},
        {'d', {"....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"}},
        {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
        {'f', {"..##", ".#..", "###.", ".#..", ".#..", ".#..", ".#.."}},
        {'g', {".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
        {'h', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
        {'i', {"#", ".", "#", "#", "#", "#", "#"}},
        {'j', {"..#", "...", "..#", "..#", "..#", "..#", "..#", "..#", "##."}},
        {'k', {"#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"}},
        {'l', {"#", "#", "#", "#", "#", "#", "#"}},
        {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}},
        {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
        {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
        {'p', {".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}},
        {'r', {"....", "....", "#.##", "##..", "#...", "#...", "#..."}},
        {'s', {"....", "....", ".###", "#...", ".##.", "...#", "###."}},
        {'t', {".#..", ".#..", "###.", ".#..", ".#..", ".#..", "..##"}},
        {'u', {"....", "....", "#..#", "#..#", "#..#", "#..#", ".###"}},
        {'y', {"....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "...#", ".##."}},
        {'z', {"....", "....", "####", "..#.", ".#..", "#...", "####"}},
        {'0', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
        {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
        {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
        {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
        {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
        {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
        {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
        {':', {".", ".", "#", ".", ".", "#", "."}},
        {'!', {"#", "#", "#", "#", "#", ".", "#"}},
        {'-', {"...", "...", "...", "###", "...", "...", "..."}},
        {')', {"#.", ".#", ".#", ".#", ".#", ".#", "#."}},
        {' ', {"..."}},
        // Cyrillic letters whose shape no Latin letter has; the others are drawn as their
        // Latin look-alikes.
        {U'\u0414', {"..##.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", "#####", "#...#"}},  // De
        {U'\u0432', {"....", "....", "###.", "#..#", "###.", "#..#", "###."}},                  // ve
        {U'\u0434', {".....", ".....", ".###.", ".#.#.", ".#.#.", ".#.#.", "#####", "#...#"}},  // de
        {U'\u0437', {"....", "....", "###.", "...#", ".##.", "...#", "###."}},                  // ze
        {U'\u043A', {"....", "....", "#..#", "#.#.", "##..", "#.#.", "#..#"}},                  // ka
        {U'\u043C', {".....", ".....", "#...#", "##.##", "#.#.#", "#...#", "#...#"}},           // em
        {U'\u043F', {"....", "....", "####", "#..#", "#..#", "#..#", "#..#"}},                  // pe
        {U'\u0442', {".....", ".....", "#####", "..#..", "..#..", "..#..", "..#.."}},           // te
    };
    return glyphs;
}

// Cyrillic letters drawn as the Latin letters they look like.
const std::map<char32_t, char32_t>& LatinLookAlikes()
{
    static const std::map<char32_t, char32_t> letters = {
        {U'\u041D', 'H'}, {U'\u0421', 'C'}, {U'\u0430', 'a'}, {U'\u0435', 'e'},
        {U'\u043E', 'o'}, {U'\u0440', 'p'}, {U'\u0441', 'c'},
    };
    return letters;
}

// Narrower forms, for a word that the regular letters make too wide for its place.
const std::map<char32_t, Glyph>& NarrowGlyphs()
{
    static const std::map<char32_t, Glyph> glyphs = {
        {'R', {"###.", "#..#", "#..#", "###.", "#.#.", "#..#", "#..#"}},
        {'Z', {"####", "...#", "..#.", "..#.", ".#..", "#...", "####"}},
        {'c', {"...", "...", ".##", "#..", "#..", "#..", ".##"}},
        {'e', {"....", "....", ".##.", "#..#", "####", "#...", ".##."}},
        {'o', {"....", "....", ".##.", "#..#", "#..#", "#..#", ".##."}},
        {'r', {"...", "...", "#.#", "##.", "#..", "#..", "#.."}},
        {'t', {".#.", ".#.", "###", ".#.", ".#.", ".#.", ".##"}},
        {U'\u0421', {".##", "#..", "#..", "#..", "#..", "#..", ".##"}},                        // Es
        {U'\u0430', {"...", "...", "##.", "..#", ".##", "#.#", ".##"}},                        // a
        {U'\u0432', {"...", "...", "##.", "#.#", "##.", "#.#", "##."}},                        // ve
        {U'\u043A', {"...", "...", "#.#", "#.#", "##.", "#.#", "#.#"}},                        // ka
        {U'\u043F', {"...", "...", "###", "#.#", "#.#", "#.#", "#.#"}},                        // pe
        {U'\u0440', {"...", "...", "##.", "#.#", "#.#", "#.#", "##.", "#..", "#.."}},          // er
        {U'\u0442', {"...", "...", "###", ".#.", ".#.", ".#.", ".#."}},                        // te
    };
    return glyphs;
}

// A letter with a mark above it. The mark's rows count like a glyph's, from the top of the
// capitals: the acute starts one row above them, so that a blank row parts it from the letter as
// the dot of the i is parted from its stem.
struct Accented {
    char32_t base;
    int top;
    Glyph mark;
};

const std::map<char32_t, Accented>& AccentedLetters()
{
    static const std::map<char32_t, Accented> letters = {
        {U'\u00E1', {'a', -1, {"...#.", "..#.."}}},  // a with acute
        {U'\u00E9', {'e', -1, {"...#.", "..#.."}}},  // e with acute
        {U'\u00FC', {'u', 0, {"#..#"}}},             // u with diaeresis
        {U'\u017C', {'z', 0, {".#.."}}},             // z with dot above
    };
    return letters;
}

const Accented* AccentOf(char32_t c)
{
    const auto& letters = AccentedLetters();
    const auto found = letters.find(c);
    return found != letters.end() ? &found->second : nullptr;
}

// The length of the UTF-8 sequence that `lead` starts; 0 for a byte that starts none.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// The code points of UTF-8 `text`; a malformed sequence gives U+FFFD, which has no glyph.
std::u32string Decode(std::string_view text)
{
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        while (taken < length && i + taken < text.size() &&
               (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
            ++taken;
        }
        decoded.push_back(length != 0 && taken == length ? c : U'\uFFFD');
        i += static_cast<std::size_t>(taken);
    }
    return decoded;
}

char32_t LatinLookAlike(char32_t c)
{
    const auto found = LatinLookAlikes().find(c);
    return found != LatinLookAlikes().end() ? found->second : c;
}

// The glyph of `c`, or of its base letter when it is accented; a narrow style takes the narrow
// form where there is one, the letter's own before its Latin look-alike's.
const Glyph& GlyphOf(char32_t c, const TextStyle& style)
{
    if (const Accented* accented = AccentOf(c))
        c = accented->base;
    if (style.narrow) {
        const auto own = NarrowGlyphs().find(c);
        if (own != NarrowGlyphs().end())
            return own->second;
    }
    c = LatinLookAlike(c);
    if (style.narrow) {
        const auto narrow = NarrowGlyphs().find(c);
        if (narrow != NarrowGlyphs().end())
            return narrow->second;
    }
    const auto& glyphs = Glyphs();
    const auto found = glyphs.find(c);
    return found != glyphs.end() ? found->second : glyphs.at(' ');
}

int GlyphWidth(const Glyph& glyph, const TextStyle& style)
{
    return (static_cast<int>(glyph.front().size()) + (style.bold ? 1 : 0)) * style.scale;
}

// Draws `rows` with their first row `top` font rows below y.
void DrawRows(Canvas& canvas, int x, int y, const Glyph& rows, int top, const TextStyle& style)
{
    const int s = style.scale;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t col = 0; col < rows[row].size(); ++col) {
            if (rows[row][col] != '#')
                continue;
            const int px = x + static_cast<int>(col) * s;
            const int py = y + (top + static_cast<int>(row)) * s;
            canvas.FillRect(px, py, s * (style.bold ? 2 : 1), s, style.ink);
        }
    }
}

}  // namespace

bool CanDraw(std::string_view text)
{
    const std::u32string decoded = Decode(text);
    return std::all_of(decoded.begin(), decoded.end(), [](char32_t c) {
        return AccentOf(c) != nullptr || Glyphs().count(LatinLookAlike(c)) != 0;
    });
}

int TextWidth(std::string_view text, const TextStyle& style)
{
    int width = 0;
    const int gap = style.scale + style.tracking;
    const std::u32string decoded = Decode(text);
    for (char32_t c : decoded)
        width += GlyphWidth(GlyphOf(c, style), style) + gap;
    return decoded.empty() ? 0 : width - gap;
}

void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style)
{
    for (char32_t c : Decode(text)) {
        const Glyph& glyph = GlyphOf(c, style);
        DrawRows(canvas, x, y, glyph, 0, style);
        if (const Accented* accented = AccentOf(c))
            DrawRows(canvas, x, y, accented->mark, accented->top, style);
        x += GlyphWidth(glyph, style) + style.scale + style.tracking;
    }
}

void DrawTextCentred(Canvas& canvas, int x, int width, int y, std::string_view text,
                     const TextStyle& style)
{
    DrawText(canvas, x + (width - TextWidth(text, style)) / 2, y, text, style);
}
