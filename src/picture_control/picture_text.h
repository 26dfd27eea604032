#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "assets/device_art.h"
#include "picture_text/engine.h"
#include "picture_control/device_grid.h"
#include "picture_control/qrgb.h"
#include "text_fonts/picture_text_fonts.h"
#include "picture_control/line_strip.h"
#include "picture_text/pixel_rows.h"
#include "picture_control/tiled_frame.h"

class QPainter;

// A control that scrolls a picture-text markup text (picture_text/markup.h) upwards, one pixel per
// tick, in an endless loop over a tiled background. What it shows is decided by its engine
// (picture_text/engine.h); the control keeps the pixels: the canvas the ticks draw on,
// the text and picture rows, the tile and the key-colour composition, and the repaint.
//
// Ticks follow a clock of the selected interval, but the control wakes at most once per
// display frame, runs every tick that is due and repaints what they changed, so each frame
// shows exactly what the ticks up to then give. It does not wake while hidden or minimised;
// scrolling goes on from where it was when it shows again. Window managers differ in whether
// a restored window's widgets are shown before or after it stops counting as minimised, so
// the window's state changes and exposures also re-arm the clock.
//
// Hosts set up a control in this order: SetText, SetSpeed, SetColor, SetBackground, Start.
// Sizes are device-independent pixels. The canvas, the frame and the glyphs are the device's
// own pixels (picture_control/device_grid.h): text is drawn at the screen's resolution, the
// pictures and the tile are scaled by the control itself (assets/device_art.h), exact blocks at
// a whole scale. A control that finds itself on a screen of another scale starts its canvas
// anew there, as after a resize.
class CPictureText : public QWidget, private IPictureTextMeasure {
    Q_OBJECT

public:
    // No wake comes sooner than this after the one before.
    static constexpr int kFramePeriodMs = 16;

    explicit CPictureText(QWidget* parent = nullptr);
    ~CPictureText() override;

    // The text (UTF-8) cut at separator; see CPictureTextEngine for what each keeps.
    void SetText(std::string_view text, char separator);
    void SetSpeed(int slot, unsigned ms);
    // A new key colour (slot 0) takes the old one's place in the canvas: what showed the tile
    // still does.
    void SetColor(int slot, COLORREF colour);
    // Tiles the named picture behind the text. False when there is no such picture: then the
    // control has no tile and shows its drawing surface, key colour included.
    bool SetBackground(std::string_view name);
    bool Start();
    void SetRunning(bool run);
    void Stop();
    void ClearText();

    bool IsRunning() const { return m_engine.IsRunning(); }
    const CPictureTextEngine& Engine() const { return m_engine; }

    // Runs count ticks as one frame: the canvas follows every tick, one repaint shows them.
    // Given to a control that is not running, they scroll on the frame or still view it shows.
    void RunTicks(int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<PictureSize> PictureSizeOf(std::string_view name) override;
    int TextWidth(std::string_view text, TextFont font) override;
    int TextHeight(std::string_view text, TextFont font) override;

    // Starts the frame clock when the engine runs and the control shows, else stops it.
    void SyncClock();
    // Follows the state changes of the window the control is in now.
    void WatchWindow();
    // The canvas while the engine has one; null otherwise.
    QImage* Canvas();
    // Applies one tick to the canvas; true when it made a fresh one.
    bool ApplyTick(const TickDraw& draw);
    // Notes where rows top..bottom-1 hold anything but the key colour in the column.
    void FindInk(int top, int bottom);
    void DrawStillView();
    // Draws source of image with its top-left at at, in bands that keep the copy on this thread.
    static void DrawBands(QPainter& painter, QPoint at, const QImage& image, const QRect& source);
    // The named picture as RGB32 pixels; a null image when there is none.
    const QImage& Picture(std::string_view name);
    // The named picture on the device grid, its top-left corner at the device position.
    DeviceArt PictureOnDevice(std::string_view name, QPointF at);
    // Takes the scale the control is painted at; a new one drops the canvas.
    void FollowScale();

    QRgb KeyColour() const { return ToQRgb(m_engine.Color(kKeyColour)); }

    CPictureTextEngine m_engine{*this};
    QImage m_bmpCanvas;  // the engine's canvas, when it has one, in device pixels
    CDeviceGrid m_grid;  // where the canvas's design pixels are on it
    CTiledFrame m_frame;  // the canvas over the tile, as shown
    std::map<std::string, QImage, std::less<>> m_pictures;  // by the name asked for
    // Pictures on the device grid at this scale, by name and the fraction of a device pixel
    // their corner falls at.
    std::map<std::tuple<std::string, double, double>, QImage, std::less<>> m_devicePictures;

    QPointer<QWidget> m_watched;  // the window whose state changes re-arm the clock
    QBasicTimer m_frameTimer;
    QElapsedTimer m_clock;    // since the running clock (re)started
    qint64 m_nTicksRun = 0;   // ticks run since then

    CLineStrip m_strip;  // the line emerging
    QRect m_rcArea;       // the column of the latest tick, in canvas pixels
    // Per canvas row: the pixels from its first to its last other than the key colour inside
    // the column, in canvas columns; empty when it has none. A frame repaints only where rows
    // held such ink before it or hold it after it.
    std::vector<PixelSpan> m_inkRows;
    std::vector<PixelSpan> m_inkBefore;
};
