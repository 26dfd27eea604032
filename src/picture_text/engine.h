#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picture_text/colorref.h"
#include "picture_text/markup.h"

// What the picture-text control decides, without pixels: when a line is fetched, how high it
// is, where a picture emerges and when it has, how wide the content column is, what survives
// a restart, and where the still view puts each line. The widget that owns an engine draws
// what each tick and each still view describe, and tells the engine what only pixels know
// (a picture's size, a text's extent) through IPictureTextMeasure.

// The colour slots: the key colour, through which the background tile shows, and the colours
// of the four text kinds.
enum ColourSlot : int { kKeyColour, kLargeColour, kMediumColour, kSmallColour, kPlainColour };
// The interval slots: 70, 40 and 10 ms per tick at first.
enum SpeedSlot : int { kSlowSpeed, kMediumSpeed, kFastSpeed };

// The fonts of the text kinds. The plain font is also the drawing surface's own, which shows
// a picture line whose picture failed, in black, until a text line chooses a style.
enum class TextFont { kLarge, kMedium, kSmall, kPlain };

struct TextStyle {
    TextFont font;
    COLORREF colour;
    bool operator==(const TextStyle&) const = default;
};

struct PictureSize {
    int width;
    int height;
};

// Device pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// What the engine asks of the pixel world.
class IPictureTextMeasure {
public:
    virtual ~IPictureTextMeasure() = default;
    // The size of the named picture (names match without regard to case); none when it
    // cannot be loaded.
    virtual std::optional<PictureSize> PictureSizeOf(std::string_view name) = 0;
    // The width text (UTF-8) in font needs to show whole where it is drawn, and its line height.
    virtual int TextWidth(std::string_view text, TextFont font) = 0;
    virtual int TextHeight(std::string_view text, TextFont font) = 0;
};

// One tick's changes to the canvas, to be applied in this order:
// 1. a fresh canvas, if asked for, filled with the key colour;
// 2. `scroll`, if not empty, moved up by one row (its top row is lost);
// 3. the bottom row, the full width, filled with the key colour;
// 4. what is revealed: the text centred in `revealed` horizontally and top-aligned in it,
//    clipped to it; or the top `rows` rows of the picture at `at`.
// The frame then shows the canvas inside `column` and the tile alone outside it.
struct TickDraw {
    enum class Reveal { kNothing, kText, kPicture };

    bool freshCanvas = false;
    PixelRect scroll;
    Reveal reveal = Reveal::kNothing;
    std::string_view text;  // kText; valid until the engine changes next
    TextStyle style{TextFont::kPlain, 0};
    PixelRect revealed;        // kText: the revealed rows of the column
    std::string_view picture;  // kPicture: its name; valid until the engine changes next
    int pictureX = 0;
    int pictureY = 0;
    int rows = 0;
    PixelRect column;
};

// The still view: every line that starts within the control, from the first, and the offset
// by which the whole block moves down to stand centred.
struct StillView {
    struct Item {
        bool picture;           // a picture at (x, y), else text centred in (0, y, W, H)
        std::string_view text;  // the text, or the picture's name; a view into the engine's lines
        TextStyle style;
        int x;
        int y;
    };
    std::vector<Item> items;
    int height = 0;  // of the block
    int offset = 0;  // rows to move the block down; 0 when it does not fit
};

class CPictureTextEngine {
public:
    explicit CPictureTextEngine(IPictureTextMeasure& measure);

    // The client size. A new size drops the canvas.
    void Resize(int width, int height);

    // Keeps the lines of text cut at separator; the next line to fetch becomes the first.
    // The line or picture emerging, the first-pass flag, the column width and the line height
    // stay. A still view on the canvas is dropped, to be drawn anew.
    void SetText(std::string_view text, char separator);
    // Selects interval slot 0..2 for the next Start or SetRunning(true) and sets its interval
    // unless ms is 0. A running control keeps its pace. Other slots are ignored.
    void SetSpeed(int slot, unsigned ms);
    // Colour slot 0..4 (ColourSlot). Other slots are ignored.
    void SetColor(int slot, COLORREF colour);

    // Runs from the first line on a fresh canvas; false, changing nothing, without lines.
    bool Start();
    // Pauses, keeping the canvas, or runs on from where it is; a still view is dropped first.
    void SetRunning(bool run);
    // Ends running and drops the canvas: the next paint lays out the still view.
    void Stop();
    // Forgets the lines; Start fails until SetText gives new ones.
    void ClearText();

    // One scrolling step: fetches a line every m_nLineHeight ticks and says what to draw.
    TickDraw Tick();
    // Lays out the still view on a new canvas; the scrolling state is left as it is.
    StillView LayoutStill();

    bool IsRunning() const { return m_nTimer != 0; }
    // The tick interval while running, in ms; 0 when paused or stopped.
    unsigned TickInterval() const { return m_nTimer; }
    // The canvas exists: it holds a scrolled frame or a still view.
    bool HasCanvas() const { return m_bCanvas; }
    // The content column: centred, as wide as the widest line of the first pass.
    PixelRect ContentColumn() const;
    COLORREF Color(int slot) const { return m_crColor[static_cast<std::size_t>(slot)]; }
    // The font and colour of a text kind (kBlank and kPicture have none: nullopt).
    std::optional<TextStyle> StyleOf(LineKind kind) const;
    // The cell height of a text kind: the ticks between fetches after a line of it.
    static int CellHeightOf(LineKind kind);
    // The cell height of a font: 19, 17 or 15 pixels (large, medium, small and plain).
    static int CellHeightOf(TextFont font);

    int LineHeight() const { return m_nLineHeight; }
    const std::string& CurrentLine() const { return m_strLine; }
    bool PictureEmerging() const { return m_bPicture; }
    int ContentWidth() const { return m_nContentWidth; }
    bool FirstPass() const { return m_bFirstPass; }

private:
    bool LoadPicture(std::string_view name, const PixelRect& column);
    void Widen(int wanted, PixelRect& column);
    static TextStyle SurfaceStyle() { return {TextFont::kPlain, Rgb(0, 0, 0)}; }

    IPictureTextMeasure& m_measure;
    int m_nWidth = 0;
    int m_nHeight = 0;

    std::array<COLORREF, 5> m_crColor;
    std::array<unsigned, 3> m_nInterval = {70, 40, 10};
    int m_nIntervalSlot = kMediumSpeed;
    std::vector<std::string> m_lines;
    std::string m_strLine;  // the line emerging, or last fetched
    int m_nTick = 1;
    std::optional<std::size_t> m_posNext;  // index into m_lines of the next line to fetch
    int m_nScrolled = 0;                   // rows of the current line or picture revealed
    const int m_nStep = 1;
    int m_nLineHeight = 15;  // cell height of the latest text style; ticks between fetches
    std::string m_strPicture;  // the picture emerging
    int m_nPicWidth = 0, m_nPicHeight = 0;
    int m_nPicX = 0, m_nPicY = 0;
    bool m_bPicture = false;   // a picture is emerging; no line is fetched meanwhile
    bool m_bFirstPass = true;  // lines are measured until the text first loops
    int m_nContentWidth = 0;   // grows, never shrinks
    unsigned m_nTimer = 0;     // the running tick interval; 0 when paused or stopped
    bool m_bCanvas = false;
    bool m_bStillView = false;  // the canvas holds a still view rather than a scrolled frame
};
