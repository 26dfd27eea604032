#include "picture_control/picture_text.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "assets/device_art.h"
#include "assets/pictures.h"
#include "picture_text/markup.h"

namespace {

// What a screen reader reads of a text: its text lines in order, one a line; the pictures and
// the blank lines have nothing to say.
QString SpokenText(std::string_view text, char separator)
{
    QStringList spoken;
    for (const std::string& line : CutLines(text, separator)) {
        const LineClass shown = ClassifyLine(line);
        if (shown.kind != LineKind::kBlank && shown.kind != LineKind::kPicture && !shown.shown.empty())
            spoken.push_back(QString::fromUtf8(shown.shown).trimmed());
    }
    return spoken.join(QLatin1Char('\n'));
}

void ReplaceColour(QImage& image, QRgb from, QRgb to)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::replace(row, row + image.width(), from, to);
    }
}

}  // namespace

CPictureText::CPictureText(QWidget* parent) : QWidget(parent)
{
    // Every paint covers the whole control from the off-screen frame; nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CPictureText::~CPictureText() = default;

void CPictureText::SetText(std::string_view text, char separator)
{
    const bool hadCanvas = m_engine.HasCanvas();
    m_engine.SetText(text, separator);
    setAccessibleDescription(SpokenText(text, separator));
    if (hadCanvas && !m_engine.HasCanvas())
        update();  // the still view of the new text
}

void CPictureText::SetSpeed(int slot, unsigned ms)
{
    m_engine.SetSpeed(slot, ms);
}

void CPictureText::SetColor(int slot, COLORREF colour)
{
    const QRgb oldKey = KeyColour();
    m_engine.SetColor(slot, colour);
    if (KeyColour() == oldKey)
        return;
    // Where nothing was drawn the canvas takes the new key colour, so the tile shows through
    // there as before; what was drawn stays.
    if (QImage* canvas = Canvas())
        ReplaceColour(*canvas, oldKey, KeyColour());
    update();
}

bool CPictureText::SetBackground(std::string_view name)
{
    m_frame.SetTile(Picture(name));
    update();
    return m_frame.HasTile();
}

bool CPictureText::Start()
{
    const bool hadCanvas = m_engine.HasCanvas();
    if (!m_engine.Start())
        return false;
    m_frameTimer.stop();  // the clock starts again from this moment
    SyncClock();
    if (hadCanvas)
        update();  // the tile alone until the first tick
    return true;
}

void CPictureText::SetRunning(bool run)
{
    m_engine.SetRunning(run);
    m_frameTimer.stop();
    SyncClock();
    // Paused, a paint shows the whole canvas; running, the column over the tile.
    update();
}

void CPictureText::Stop()
{
    m_engine.Stop();
    SyncClock();
    update();
}

void CPictureText::ClearText()
{
    m_engine.ClearText();
}

void CPictureText::RunTicks(int count)
{
    FollowScale();
    // A hidden widget learns its new size only when shown: take it as it is now.
    m_engine.Resize(width(), height());
    // Not running, the control shows its still view until it has a frame: ticks scroll it on.
    if (!IsRunning() && !m_engine.HasCanvas())
        DrawStillView();
    m_inkBefore = m_inkRows;
    bool fresh = false;
    for (int i = 0; i < count; ++i)
        fresh = ApplyTick(m_engine.Tick()) || fresh;
    if (Canvas() == nullptr)
        return;
    // Only a running control over a tile shows the column alone; otherwise the whole canvas
    // shows, outside the column too.
    if (fresh || !IsRunning() || !m_frame.HasTile() || m_inkBefore.size() != m_inkRows.size()) {
        update();
        return;
    }
    // One rectangle per run of rows with ink before or after, as wide as that ink.
    QRegion changed;
    const auto rows = m_inkRows.size();
    for (std::size_t y = 0; y < rows;) {
        if (m_inkBefore[y].IsEmpty() && m_inkRows[y].IsEmpty()) {
            ++y;
            continue;
        }
        const std::size_t top = y;
        int left = INT_MAX, right = INT_MIN;
        for (; y < rows && !(m_inkBefore[y].IsEmpty() && m_inkRows[y].IsEmpty()); ++y) {
            for (const PixelSpan& span : {m_inkBefore[y], m_inkRows[y]}) {
                if (!span.IsEmpty()) {
                    left = std::min(left, span.left);
                    right = std::max(right, span.right);
                }
            }
        }
        changed += m_grid.ToDesign(QRect(left, static_cast<int>(top), right - left, static_cast<int>(y - top)));
    }
    update(changed);
}

QImage* CPictureText::Canvas()
{
    return m_engine.HasCanvas() && !m_bmpCanvas.isNull() ? &m_bmpCanvas : nullptr;
}

void CPictureText::FollowScale()
{
    const double scale = devicePixelRatioF();
    if (scale == m_grid.Scale())
        return;
    m_grid = CDeviceGrid(scale);
    m_devicePictures.clear();
    m_frame.SetScale(scale);
    // The canvas of the old scale goes, as with a new size: the engine starts a fresh one.
    if (m_engine.HasCanvas()) {
        m_engine.Resize(0, 0);
        m_engine.Resize(width(), height());
    }
    m_bmpCanvas = QImage();
    m_rcArea = QRect();
}

void CPictureText::paintEvent(QPaintEvent* event)
{
    // Being painted is being exposed, whatever the window manager has said so far.
    SyncClock();
    FollowScale();
    m_engine.Resize(width(), height());
    QRect area = m_rcArea;
    if (!IsRunning()) {
        if (!m_engine.HasCanvas())
            DrawStillView();
        area = QRect(QPoint(0, 0), m_grid.Size(size()));
    }
    QRegion region;
    for (const QRect& rect : event->region())
        region += m_grid.ToDevice(rect);
    const QImage& frame = m_frame.Compose(Canvas(), m_grid.Size(size()), KeyColour(), area, region);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (PainterScale(painter) != m_grid.Scale()) {
        // Painted elsewhere than on its screen (render() into an image of another scale):
        // Qt scales the frame, unsmoothed.
        for (const QRect& rect : event->region())
            painter.drawImage(QRectF(rect), frame, QRectF(m_grid.ToDevice(rect)));
        return;
    }
    // One frame pixel on one device pixel: drawn through the inverse of the painter's way to
    // the device, from the device pixel nearest the control's corner.
    const QPointF corner = PaintOnDevicePixels(painter).map(QPointF(0, 0));
    const QPoint origin(qRound(corner.x()), qRound(corner.y()));
    for (const QRect& rect : region)
        DrawBands(painter, origin + rect.topLeft(), frame, rect.intersected(frame.rect()));
}

void CPictureText::DrawBands(QPainter& painter, QPoint at, const QImage& image, const QRect& source)
{
    // Qt's raster engine hands a copy of 96 rows or more to its thread pool, whose threads
    // would then wake with every such frame: bands of 64 rows keep it on this thread.
    constexpr int kBandRows = 64;
    for (int top = source.top(); top <= source.bottom(); top += kBandRows) {
        const QRect band(source.left(), top, source.width(), std::min(kBandRows, source.bottom() + 1 - top));
        painter.drawImage(band.translated(at - source.topLeft()), image, band);
    }
}

const QImage& CPictureText::Picture(std::string_view name)
{
    static const QImage none;
    auto found = m_pictures.find(name);
    if (found == m_pictures.end()) {
        // Names that fail are not kept: a text of many of them costs no memory.
        QImage picture;
        if (!LoadPicture(name, &picture))
            return none;
        found = m_pictures.emplace(std::string(name), picture.convertToFormat(QImage::Format_RGB32)).first;
    }
    return found->second;
}

DeviceArt CPictureText::PictureOnDevice(std::string_view name, QPointF at)
{
    const QPoint whole(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    const QPointF fraction = at - QPointF(whole);
    auto key = std::make_tuple(std::string(name), fraction.x(), fraction.y());
    auto found = m_devicePictures.find(key);
    if (found == m_devicePictures.end()) {
        const DeviceArt art = ScaleArt(Picture(name), m_grid.Scale(), fraction);
        found = m_devicePictures.emplace(std::move(key), art.pixels).first;
    }
    return {found->second, whole};
}

std::optional<PictureSize> CPictureText::PictureSizeOf(std::string_view name)
{
    const QImage& picture = Picture(name);
    if (picture.isNull())
        return std::nullopt;
    return PictureSize{picture.width(), picture.height()};
}

int CPictureText::TextWidth(std::string_view text, TextFont font)
{
    // Measured in the font the line is drawn in at this scale, in whole design pixels, with
    // room on both sides for glyphs that overhang the advance, so the column the line is
    // centred and clipped in holds all of its ink.
    const double scale = m_grid.Scale();
    const QFontMetrics metrics(PictureTextFont(font, scale));
    const QString line = QString::fromUtf8(text);
    const int advance = metrics.horizontalAdvance(line);
    const QRect ink = metrics.boundingRect(line);
    const int overhang = std::max({0, -ink.left(), ink.right() + 1 - advance});
    return static_cast<int>(std::ceil((advance + 2 * overhang) / scale - 1e-9));
}

int CPictureText::TextHeight(std::string_view, TextFont font)
{
    // A line's height is its font's cell, whatever the face: the scrolling view spaces lines
    // by the same cells, so the two views agree.
    return CPictureTextEngine::CellHeightOf(font);
}
