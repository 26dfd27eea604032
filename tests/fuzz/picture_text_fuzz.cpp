// libFuzzer target: arbitrary bytes through the markup cutter and classifier, and arbitrary
// sequences of the picture-text engine's operations and ticks, checking what every tick and
// still view hands the widget. Input: two size bytes, the text up to the first NUL, then
// operations, one byte each with their arguments (see Apply).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_ticks.h"
#include "picture_text/markup.h"
#include "picture_text/engine.h"

long g_fuzzTicks = 0;

namespace {

// Pictures of any size, none for some names; text a fixed width a character.
class Measure : public IPictureTextMeasure {
public:
    std::optional<PictureSize> PictureSizeOf(std::string_view name) override
    {
        if (name.empty() || name.front() == 'X')
            return std::nullopt;
        const auto hash = std::hash<std::string_view>()(name);
        return PictureSize{static_cast<int>(hash % 400), static_cast<int>(hash / 400 % 300)};
    }
    int TextWidth(std::string_view text, TextFont) override { return 7 * static_cast<int>(text.size() % 100000); }
    int TextHeight(std::string_view, TextFont font) override { return 10 + static_cast<int>(font); }
};

void Check(bool rule)
{
    if (!rule)
        std::abort();
}

class Run {
public:
    Run(int width, int height) : m_width(width), m_height(height) { m_engine.Resize(width, height); }

    void Apply(std::string_view text, const std::uint8_t*& op, const std::uint8_t* end)
    {
        const auto next = [&] { return op < end ? *op++ : 0; };
        switch (next() % 9) {
        case 0: m_engine.SetText(text, '|'); break;
        case 1: m_engine.SetText(text, static_cast<char>(next())); break;
        case 2: {
            const int slot = next() % 5 - 1;
            m_engine.SetSpeed(slot, next());
            break;
        }
        case 3: {
            const int slot = next() % 7 - 1;
            m_engine.SetColor(slot, next() * 0x010101u);
            break;
        }
        case 4: m_engine.Start(); break;
        case 5: m_engine.SetRunning(next() & 1); break;
        case 6: m_engine.Stop(); break;
        case 7: m_engine.ClearText(); break;
        default: Ticks(next() + 1); break;
        }
        CheckState();
        if (op < end && *op == 0xFF) {
            ++op;
            CheckStill(m_engine.LayoutStill());
        }
    }

private:
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int before = m_engine.ContentWidth();
            const TickDraw draw = m_engine.Tick();
            ++g_fuzzTicks;
            Check(m_engine.ContentWidth() >= before);
            Check(draw.column == m_engine.ContentColumn());
            Check(draw.scroll.IsEmpty() || draw.scroll.Height() == m_height);
            if (draw.reveal == TickDraw::Reveal::kText) {
                Check(!draw.text.empty() && draw.revealed.bottom == m_height && draw.revealed.Height() >= 1);
                Check(draw.revealed.left == draw.column.left && draw.revealed.right == draw.column.right);
            } else if (draw.reveal == TickDraw::Reveal::kPicture) {
                Check(draw.rows >= 0 && draw.pictureY + draw.rows <= m_height);
            }
        }
    }
    void CheckState() const
    {
        const int height = m_engine.LineHeight();
        Check(height == 19 || height == 17 || height == 15);
        Check(m_engine.ContentWidth() >= 0 && m_engine.ContentWidth() <= m_width);
        Check(!m_engine.IsRunning() || m_engine.TickInterval() > 0);
    }
    void CheckStill(const StillView& view) const
    {
        Check(view.offset >= 0 && (view.offset == 0 || view.height < m_height));
        int y = -1;
        for (const StillView::Item& item : view.items) {
            Check(item.y >= y && item.y <= m_height);
            y = item.y;
        }
    }

    Measure m_measure;
    CPictureTextEngine m_engine{m_measure};
    int m_width;
    int m_height;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0', 2);
    const std::string_view text = bytes.substr(2, nul == std::string_view::npos ? std::string_view::npos : nul - 2);

    const auto lines = CutLines(text, '|');
    std::size_t separators = 0;
    for (const char c : text)
        separators += c == '|';
    Check(lines.size() == separators + 1);
    for (const std::string& line : lines) {
        const LineClass kind = ClassifyLine(line);
        Check((kind.kind == LineKind::kBlank) == line.empty());
        Check(kind.shown.size() + (kind.kind == LineKind::kPlain || kind.kind == LineKind::kBlank ? 0 : 1) == line.size());
    }

    Run run(data[0] * 2, data[1] * 2);
    const std::uint8_t* op = nul == std::string_view::npos ? data + size : data + nul + 1;
    const std::uint8_t* end = data + size;
    while (op < end)
        run.Apply(text, op, end);
    return 0;
}
