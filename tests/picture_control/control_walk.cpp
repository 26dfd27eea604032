#include "control_walk.h"

#include <iterator>
#include <sstream>
#include <string_view>

#include "picture_text_helper.h"

namespace {

// Texts of every kind: pictures, the four text kinds, blank lines, a picture that fails, lines
// wider than any size below, the shipped help page with the most pictures and the credits.
const std::string_view kTexts[] = {
    "MANUAL2^|BITMAP1^|",
    "MYIMAGEU^|WWWWWWWWWWWWWWWW\t|",
    "x\r|NOSUCH^|y\n|",
    "||HHHH\t|Same|",
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\t|MYIMAGEU^",
    "",
    kGamePage,
};
const char* const kTiles[] = {"BACKI1", "BACKI2", "NO SUCH TILE"};
// The key colours: the hosts' magenta, the About tile's white, a text colour, and one that
// nothing else uses.
const COLORREF kKeys[] = {Rgb(255, 0, 255), Rgb(255, 255, 255), Rgb(0, 0, 255), Rgb(1, 2, 3)};
const COLORREF kInks[] = {Rgb(0, 0, 100), Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(255, 0, 255), Rgb(255, 255, 255)};
const QSize kSizes[] = {kPageSize, kAboutSize, QSize(60, 40), QSize(500, 30), QSize(24, 230)};

// Room for the largest size, the control standing off the window's corner on a whole device
// pixel at every laptop scale.
const QPoint kAt(8, 8);
const QSize kWindowSize(520, 260);

template <typename T, std::size_t N>
const T& Pick(const T (&table)[N], std::uint8_t byte)
{
    return table[byte % N];
}

// The text as a step names it: its first line or so, escapes for the markers.
std::string Named(std::string_view text)
{
    std::string named;
    for (const char c : text.substr(0, 24))
        named += c == '\t' ? "\\t" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return '"' + named + (text.size() > 24 ? "...\"" : "\"");
}

}  // namespace

CControlWalk::CControlWalk() : m_control(new CPictureText(&m_window))
{
    m_window.resize(kWindowSize);
    m_control->move(kAt);
    for (CPictureText* control : {m_control, &m_twin}) {
        control->resize(kPageSize);
        // The walk gives every tick: no wake of the control's own comes during it.
        for (int slot = kSlowSpeed; slot <= kFastSpeed; ++slot)
            control->SetSpeed(slot, 1000000);
    }
    m_window.show();
}

void CControlWalk::Apply(int op, std::uint8_t a, std::uint8_t b)
{
    const std::string_view text = Pick(kTexts, a);
    const QSize size = Pick(kSizes, a);
    const int ticks = 1 + a % 30;
    std::ostringstream step;
    step << std::hex;
    switch (op) {
    case 0: step << "SetText(" << Named(text) << ")"; break;
    case 1: step << "SetBackground(" << Pick(kTiles, a) << ")"; break;
    case 2: step << "SetColor(0, " << Pick(kKeys, a) << ")"; break;
    case 3: step << "SetColor(" << 1 + a % 4 << ", " << Pick(kInks, b) << ")"; break;
    case 4: step << "Start()"; break;
    case 5: step << "SetRunning(" << (a & 1) << ")"; break;
    case 6: step << "Stop()"; break;
    case 7: step << "ClearText()"; break;
    case 8: step << std::dec << "resize(" << size.width() << "x" << size.height() << ")"; break;
    case 9: step << "expose"; break;
    default: step << std::dec << "RunTicks(" << ticks << ")"; break;
    }
    m_steps.push_back(step.str());
    for (CPictureText* control : {m_control, &m_twin}) {
        switch (op) {
        case 0: control->SetText(text, '|'); break;
        case 1: control->SetBackground(Pick(kTiles, a)); break;
        case 2: control->SetColor(kKeyColour, Pick(kKeys, a)); break;
        case 3: control->SetColor(1 + a % 4, Pick(kInks, b)); break;
        case 4: control->Start(); break;
        case 5: control->SetRunning(a & 1); break;
        case 6: control->Stop(); break;
        case 7: control->ClearText(); break;
        case 8: control->resize(size); break;
        case 9: break;
        default: control->RunTicks(ticks); break;
        }
    }
    // A window manager's exposure repaints the whole window.
    if (op == 9)
        m_window.update();
}

bool CControlWalk::Step(const std::uint8_t*& at, const std::uint8_t* end)
{
    const auto next = [&] { return at < end ? *at++ : std::uint8_t{0}; };
    const std::uint8_t op = next();
    const std::uint8_t a = next();
    const std::uint8_t b = next();
    Apply(op % 16, a, b);
    return ScreenMatches();
}

bool CControlWalk::ScreenMatches()
{
    // The screen's pixels that the control covers whole, from its corner on.
    const QImage shown = Shown(*m_control);
    const QImage whole = Painted(&m_twin).copy(QRect(QPoint(0, 0), shown.size()));
    if (shown == whole)
        return true;
    std::ostringstream difference;
    difference << "the screen differs from a full repaint";
    if (shown.size() != whole.size()) {
        difference << " in size";
    } else {
        int count = 0;
        QRect where;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != whole.pixel(x, y)) {
                    ++count;
                    where |= QRect(x, y, 1, 1);
                }
        difference << " in " << count << " pixels within (" << where.left() << ", " << where.top() << ") - ("
                   << where.right() << ", " << where.bottom() << ")";
    }
    m_difference = difference.str();
    return false;
}

std::string CControlWalk::Report() const
{
    std::ostringstream report;
    for (std::size_t i = 0; i < m_steps.size(); ++i)
        report << i + 1 << ": " << m_steps[i] << "\n";
    report << m_difference << "\n";
    return report.str();
}
