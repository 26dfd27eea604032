#include "mark_clearance.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kMargin = 4;     // logical pixels round the text

int Baseline(const QFont& font)
{
    return kMargin + QFontMetrics(font).ascent();
}

// On a whole-pixel baseline, as a widget lays its text out, on an image as wide as `room` needs.
QImage Drawn(const QString& text, const QFont& font, qreal scale, const QString& room, qreal indent = 0)
{
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(room) + 2 * kMargin, metrics.height() + 2 * kMargin);
    QImage image((size * scale).toSize() + QSize(1, 1), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(kMargin + indent, Baseline(font)), text);
    return image;
}

int Darkness(const QImage& image, int x, int y)
{
    return 255 - qGray(image.pixel(x, y));
}

// The letter under the mark: a dotted i or j loses its dot to the mark.
QChar BaseOf(const QString& decomposition)
{
    const QChar base = decomposition.at(0);
    if (base == u'i')
        return QChar(0x0131);
    if (base == u'j')
        return QChar(0x0237);
    return base;
}

// Whether a row with no ink parts the mark over the capital text[i] from the top of its letter,
// the letter drawn alone where it stands in the text.
bool RowBetween(const QString& text, qsizetype i, const QFont& font, qreal scale, int ink)
{
    const QString letter(text.at(i));
    const QString bare(BaseOf(text.at(i).decomposition()));
    const qreal left = QFontMetricsF(font).horizontalAdvance(text.left(i));
    const QImage marked = Drawn(letter, font, scale, text, left);
    const QImage plain = Drawn(bare, font, scale, text, left);
    const int baseline = static_cast<int>(Baseline(font) * scale);
    int markBottom = -1, letterTop = baseline;
    for (int y = 0; y < baseline; ++y)
        for (int x = 0; x < marked.width(); ++x) {
            if (Darkness(plain, x, y) >= ink)
                letterTop = std::min(letterTop, y);
            else if (Darkness(marked, x, y) >= ink)
                markBottom = y;
        }
    return letterTop - markBottom >= 2;
}

// The faults of the mark over text[i] against the same text with the bare letter there.
std::string FaultsAt(const QString& text, qsizetype i, const QFont& font, qreal scale, int ink)
{
    const QString decomposition = text.at(i).decomposition();
    QString bare = text;
    bare[i] = BaseOf(decomposition);
    const QImage marked = Drawn(text, font, scale, text);
    const QImage plain = Drawn(bare, font, scale, text);
    const QFontMetricsF metrics(font);
    const qreal left = kMargin + metrics.horizontalAdvance(text.left(i));
    const int from = std::max(0, static_cast<int>(std::floor(left * scale)) - 1);
    const int to = std::min(marked.width() - 1,
                            static_cast<int>(std::ceil((left + metrics.horizontalAdvance(text.at(i))) * scale)) + 1);
    const int baseline = static_cast<int>(Baseline(font) * scale);

    // The 8-connected pieces of ink over the letter's columns; a piece with no ink of the bare
    // letter in it is a mark standing on its own.
    const int width = to - from + 1;
    std::vector<int> piece(static_cast<std::size_t>(width * marked.height()), -1);
    const auto at = [&](int x, int y) -> int& { return piece[static_cast<std::size_t>(y * width + x - from)]; };
    int pieces = 0, alone = 0;
    bool drawn = false;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = from; x <= to; ++x) {
            if (Darkness(marked, x, y) < ink || at(x, y) >= 0)
                continue;
            bool bare = false, added = false;
            std::vector<QPoint> open{{x, y}};
            at(x, y) = pieces;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                const bool ofLetter = Darkness(plain, p.x(), p.y()) >= ink;
                bare = bare || ofLetter;
                added = added || (!ofLetter && p.y() < baseline);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx, ny = p.y() + dy;
                        if (nx >= from && nx <= to && ny >= 0 && ny < marked.height() &&
                            Darkness(marked, nx, ny) >= ink && at(nx, ny) < 0) {
                            at(nx, ny) = pieces;
                            open.push_back({nx, ny});
                        }
                    }
            }
            ++pieces;
            alone += bare ? 0 : 1;
            drawn = drawn || added;
        }
    const std::string where = "'" + QString(text.at(i)).toStdString() + "' in \"" + text.toStdString() +
                              "\" at scale " + QString::number(scale).toStdString() + ": ";
    if (!drawn)
        return where + "no mark drawn\n";
    if (text.at(i).isUpper() && !RowBetween(text, i, font, scale, ink))
        return where + "no clear row between the mark and its letter\n";
    if (alone == 0)
        return where + "the mark touches its letter\n";
    if (decomposition.at(1) == QChar(0x0308) && alone < 2)
        return where + "the two dots run together or one touches the letter\n";
    return {};
}

// The columns [first, last] of the ink that text[i] adds to the text before it; first > last
// when it adds none (a space).
std::pair<int, int> ColumnsOf(const QString& text, qsizetype i, const QFont& font, qreal scale)
{
    constexpr int ink = kHalfCovered;
    const QImage before = Drawn(text.left(i), font, scale, text);
    const QImage with = Drawn(text.left(i + 1), font, scale, text);
    int first = with.width(), last = -1;
    for (int x = 0; x < with.width(); ++x)
        for (int y = 0; y < with.height(); ++y)
            if (Darkness(with, x, y) >= ink && Darkness(before, x, y) < ink) {
                first = std::min(first, x);
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

std::string SpacingFaults(const QString& text, const QFont& font, qreal scale)
{
    struct Inked {
        qsizetype index;
        int first, last;
        bool spaceBefore;
    };
    std::vector<Inked> letters;
    bool space = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace()) {
            space = true;
            continue;
        }
        const auto [first, last] = ColumnsOf(text, i, font, scale);
        if (first <= last) {
            letters.push_back({i, first, last, space});
            space = false;
        }
    }
    // Punctuation stands close to its word: only a space between two letters or digits sets
    // the gap between words.
    const auto word = [&text](qsizetype i) { return text.at(i).isLetterOrNumber(); };
    int wordGap = -1;
    for (std::size_t k = 1; k < letters.size(); ++k)
        if (letters[k].spaceBefore && word(letters[k].index) && word(letters[k - 1].index)) {
            const int gap = letters[k].first - letters[k - 1].last - 1;
            wordGap = wordGap < 0 ? gap : std::min(wordGap, gap);
        }
    std::string faults;
    for (std::size_t k = 1; k < letters.size() && wordGap >= 0; ++k) {
        const int gap = letters[k].first - letters[k - 1].last - 1;
        if (!letters[k].spaceBefore && gap >= wordGap)
            faults += "\"" + text.mid(letters[k - 1].index, letters[k].index - letters[k - 1].index + 1).toStdString() +
                      "\" in \"" + text.toStdString() + "\" at scale " + QString::number(scale).toStdString() +
                      ": a gap of " + std::to_string(gap) + " columns inside a word, " + std::to_string(wordGap) +
                      " between words\n";
    }
    return faults;
}

std::string MarkFaults(const QString& text, const QFont& font, qreal scale, int ink)
{
    std::string faults;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString decomposition = text.at(i).decomposition();
        if (text.at(i).decompositionTag() == QChar::Canonical && decomposition.size() == 2 &&
            decomposition.at(1).combiningClass() == 230)
            faults += FaultsAt(text, i, font, scale, ink);
    }
    return faults;
}
