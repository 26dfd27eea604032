#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "help/markup.h"
#include "ui/colorref.h"
#include "ui/text_line.h"

// A control that scrolls a picture-text markup text (help/markup.h) upwards, one pixel per
// tick, in an endless loop over a tiled background. Lines emerge at the bottom edge, centred
// in a column as wide as the widest line of the first pass. While it is not running a paint
// shows the frozen last frame (paused) or a still view of the text from its first line,
// vertically centred when it fits (stopped, or never started).
//
// Every pixel of exactly the key colour (slot 0), in text, blank space or a picture, lets the
// background tile show through. Hosts set up a control in this order: SetText, SetSpeed,
// SetColor, SetBackground, Start. Sizes are device-independent pixels; the control draws
// unsmoothed, so a whole-number scale factor turns each pixel into a block.
class CPictureText : public QWidget {
    Q_OBJECT

public:
    // Ticks closer together than this repaint only every so often.
    static constexpr int kFramePeriodMs = 16;

    explicit CPictureText(QWidget* parent = nullptr);
    ~CPictureText() override;

    // Keeps a copy of the lines of text (Windows-1252), cut at separator; the next line to
    // show becomes the first. What is emerging at the moment is left to finish. A still view
    // on screen is redrawn with the new text; a frozen frame stays.
    void SetText(std::string_view text, char separator);
    // Selects interval slot 0..2 (70, 40 and 10 ms at first) for the next Start or
    // SetRunning(true), and sets its interval unless ms is 0. A running control keeps its
    // pace. Other slots are ignored.
    void SetSpeed(int slot, unsigned ms);
    // Colour slot 0..4: 0 the key colour (black at first), 1 large text (red), 2 medium text
    // (yellow), 3 small text (cyan), 4 plain text (white). Used from the next drawing on; the
    // key colour of pixels already drawn stays. Other slots are ignored.
    void SetColor(int slot, COLORREF colour);
    // Tiles the named picture behind the text. False when there is no such picture: then the
    // control has no tile and shows its drawing surface, key colour included.
    bool SetBackground(std::string_view name);

    // Scrolls from the first line on a fresh surface. False, changing nothing, without lines.
    bool Start();
    // Pauses (the frame stays on screen) or resumes where it was paused; resuming a stopped
    // control goes on from the line it would show next.
    void SetRunning(bool run);
    // Ends scrolling; a paint then shows the still view.
    void Stop();
    // Forgets the lines; Start fails until SetText gives new ones.
    void ClearText();

    bool IsRunning() const { return m_timer.isActive(); }

    // One scrolling step, as the timer does it every interval: fetches a line every
    // m_nLineHeight ticks, moves the content up by one pixel and reveals the next row of the
    // emerging line or picture, then schedules a repaint.
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct TextStyle {
        const QFont* font;
        QRgb colour;
    };

    void StartTimer();
    // The tick's canvas update for the column it may widen; measures when bMeasure is set.
    void ScrollStep(QRect& column, bool bMeasure);
    void WidenColumn(int wanted, QRect& column);
    const QImage& LineStrip(std::string_view text, const TextStyle& style, int width);
    QRect ContentColumn() const;
    // The named picture as RGB32 pixels; a null image when there is none.
    static QImage LoadRgbPicture(std::string_view name);
    // Loads the picture that a picture line names into m_bmpPicture; false when it fails.
    bool LoadEmergingPicture(std::string_view name, const QRect& column);
    void DrawStillView();
    // The frame shown: the canvas over the tiled background, transparent in the key colour
    // inside area and the tile alone outside it.
    const QImage& ComposeFrame(const QRect& area);
    void TileBackground();

    QRgb KeyColour() const { return ToQRgb(m_crColor[0]); }
    TextStyle DefaultStyle() const;
    TextStyle StyleOf(LineKind kind) const;
    int CellHeightOf(LineKind kind) const;

    std::array<COLORREF, 5> m_crColor;
    std::array<int, 3> m_nFontHeight = {19, 17, 15};
    std::array<unsigned, 3> m_nInterval = {70, 40, 10};
    int m_nIntervalSlot = 1;
    std::vector<std::string> m_lines;
    std::string m_strLine;  // the line emerging, or last fetched
    int m_nTick = 1;
    std::optional<std::size_t> m_posNext;  // index into m_lines of the next line to fetch
    int m_nScrolled = 0;                   // rows of the current line or picture revealed
    const int m_nStep = 1;
    int m_nLineHeight = 15;  // cell height of the latest text style; ticks between fetches
    QImage m_bmpPicture;     // the picture emerging, RGB32
    QImage m_bmpCanvas;      // kept between ticks; null when dropped, redrawn at a new size
    bool m_bStillView = false;  // the canvas holds a still view rather than a scrolled frame
    int m_nPicWidth = 0, m_nPicHeight = 0;
    int m_nPicX = 0, m_nPicY = 0;
    bool m_bPicture = false;  // a picture is emerging; no line is fetched meanwhile
    QImage m_bmpBack;         // the tile, RGB32; null without one
    int m_nBackWidth = 0, m_nBackHeight = 0;
    bool m_bFirstPass = true;  // lines are measured until the text first loops
    int m_nContentWidth = 0;   // grows, never shrinks
    QBasicTimer m_timer;       // stands for the window timer 150

    std::array<QFont, 4> m_fonts;  // large, medium, small, plain
    CTextLine m_textLine;          // the emerging line, shaped once
    // The emerging line drawn once, top-aligned and centred in the column, on the key colour;
    // each tick copies its revealed rows.
    struct LineStripCache {
        std::string text;
        const QFont* font = nullptr;
        QRgb colour = 0;
        QRgb key = 0;
        QImage image;
    } m_strip;
    QRect m_rcArea;                // the column the latest tick composed
    QImage m_imgTiled;             // the tile repeated over the client size
    QImage m_imgFrame;             // reused by ComposeFrame
    QElapsedTimer m_paintClock;    // since the latest repaint a tick asked for
    QRect m_rcComposed;            // where m_imgFrame may show more than the tile
};
