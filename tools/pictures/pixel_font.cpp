#include "pixel_font.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

using Glyph = std::vector<std::string_view>;

// Rows 0..6 stand on the baseline, rows 7 and 8 are descenders.
const std::map<char, Glyph>& Glyphs()
{
    static const std::map<char, Glyph> glyphs = {
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
    };
    return glyphs;
}

// A letter with a mark above it. The mark's rows count like a glyph's, from the top of the
// capitals: the acute starts one row above them, so that a blank row parts it from the letter as
// the dot of the i is parted from its stem.
struct Accented {
    char base;
    int top;
    Glyph mark;
};

// Keyed by their Windows-1252 bytes.
const std::map<char, Accented>& AccentedLetters()
{
    static const std::map<char, Accented> letters = {
        {'\xE1', {'a', -1, {"...#.", "..#.."}}},  // a with acute
        {'\xE9', {'e', -1, {"...#.", "..#.."}}},  // e with acute
        {'\xFC', {'u', 0, {"#..#"}}},             // u with diaeresis
    };
    return letters;
}

const Accented* AccentOf(char c)
{
    const auto& letters = AccentedLetters();
    const auto found = letters.find(c);
    return found != letters.end() ? &found->second : nullptr;
}

// The glyph of `c`, or of its base letter when it is accented.
const Glyph& GlyphOf(char c)
{
    if (const Accented* accented = AccentOf(c))
        c = accented->base;
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
    return std::all_of(text.begin(), text.end(), [](char c) {
        return AccentOf(c) != nullptr || Glyphs().count(c) != 0;
    });
}

int TextWidth(std::string_view text, const TextStyle& style)
{
    int width = 0;
    const int gap = style.scale + style.tracking;
    for (char c : text)
        width += GlyphWidth(GlyphOf(c), style) + gap;
    return text.empty() ? 0 : width - gap;
}

void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style)
{
    for (char c : text) {
        const Glyph& glyph = GlyphOf(c);
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
