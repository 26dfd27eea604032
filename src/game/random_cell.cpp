#include "game/random_cell.h"

#include <cstdint>
#include <ctime>

#include "game/board.h"
#include "game/opponent.h"
#include "base/fatal_error.h"

namespace {

unsigned ClockSeed()
{
    return static_cast<unsigned>(std::time(nullptr));
}

unsigned (*g_seedSource)() = ClockSeed;

// Linear congruential generator giving 0..32767.
class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_x(seed) {}
    int Next()
    {
        m_x = m_x * 214013u + 2531011u;
        return static_cast<int>((m_x >> 16) & 32767u);
    }

private:
    std::uint32_t m_x;
};

bool ColumnHoldsSmiley(int column)
{
    for (int height = 1; height <= 9; ++height) {
        if (g_board[10 * column + height] != 0)
            return true;
    }
    return false;
}

}  // namespace

void SetRandomSeedSource(unsigned (*source)())
{
    g_seedSource = source ? source : ClockSeed;
}

int RandomCell()
{
    int minColumn = 0;
    int maxColumn = 0;
    for (int column = 1; column <= 9; ++column) {
        if (ColumnHoldsSmiley(column)) {
            if (minColumn == 0)
                minColumn = column;
            maxColumn = column;
        }
    }
    // An empty board has no cell to give; stop rather than draw forever.
    if (minColumn == 0)
        FatalError("016");
    const int lowest = 10 * minColumn + 1;
    const int highest = 11 * maxColumn;
    Generator generator(g_seedSource());
    int code = 0;
    while (code == 0) {
        const int r = generator.Next();
        if (r < 11)
            continue;
        const int v = r > 100 ? r % 100 : r;
        if (v < lowest || v > highest)
            continue;
        const int column = v / 10;
        const int height = v % 10 == 0 ? 1 : v % 10;
        if (g_board[10 * column + height] != 0)
            code = 10 * column + height;
    }
    CheckCellCode(code);
    return code;
}
