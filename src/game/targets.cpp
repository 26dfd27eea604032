#include "game/targets.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "game/target_tables.h"
#include "base/fatal_error.h"

int g_targetDigit[10];

namespace {

constexpr int kAllOnes[10] = {0, 1, 11, 111, 1111, 11111, 111111, 1111111, 11111111, 111111111};

// How often each digit 1..9 occurs in a position, four bits per digit value.
using DigitCounts = std::uint64_t;

constexpr DigitCounts CountsOfNumber(int number)
{
    DigitCounts counts = 0;
    for (; number > 0; number /= 10)
        counts += DigitCounts{1} << (4 * (number % 10));
    return counts;
}

constexpr std::size_t LongestTable()
{
    std::size_t longest = 0;
    for (int n = 3; n <= 8; ++n)
        longest = std::max(longest, TargetTable(n).size());
    return longest;
}

// The digit counts of every entry of every table, indexed by n like TargetTable.
constexpr auto kTableCounts = [] {
    std::array<std::array<DigitCounts, LongestTable()>, 9> all{};
    for (int n = 3; n <= 8; ++n) {
        const std::span<const int> table = TargetTable(n);
        for (std::size_t i = 0; i < table.size(); ++i)
            all[n][i] = CountsOfNumber(table[i]);
    }
    return all;
}();

DigitCounts CountsOfPosition(int n)
{
    DigitCounts counts = 0;
    for (int i = 1; i <= n; ++i)
        counts += DigitCounts{1} << (4 * g_sortedHeight[i]);
    return counts;
}

// True when lowering one column of the position to a non-zero height gives the target's
// heights: one more height d and one fewer height e < d than the target, so the packed counts
// differ by exactly 16^d - 16^e (per-digit differences stay far below 16, so this is exact).
bool OneMoveReaches(DigitCounts position, DigitCounts target)
{
    if (position <= target)
        return false;
    const DigitCounts difference = position - target;
    const int low = std::countr_zero(difference);
    const DigitCounts run = difference >> low;
    return low % 4 == 0 && (run & (run + 1)) == 0 && std::popcount(run) % 4 == 0;
}

void SplitTarget(int n, int target)
{
    int p = 1;
    for (int i = 1; i <= n; ++i)
        p *= 10;
    for (int i = 1; i <= n; ++i) {
        p /= 10;
        g_targetDigit[i] = target / p;
        target -= g_targetDigit[i] * p;
    }
}

bool IsTargetDigit(int n, int height)
{
    for (int k = 1; k <= n; ++k) {
        if (g_targetDigit[k] == height)
            return true;
    }
    return false;
}

// The heights with position m replaced by value, sorted ascending, equal the target digits.
bool ReplacedAndSortedEqualsTarget(int n, int m, int value)
{
    int heights[10];
    for (int i = 1; i <= n; ++i) {
        int height = i == m ? value : g_sortedHeight[i];
        int j = i;
        for (; j > 1 && heights[j - 1] > height; --j)
            heights[j] = heights[j - 1];
        heights[j] = height;
    }
    for (int i = 1; i <= n; ++i) {
        if (heights[i] != g_targetDigit[i])
            return false;
    }
    return true;
}

}  // namespace

int PositionNumber(int n)
{
    int position = 0;
    for (int i = 1; i <= n; ++i)
        position = 10 * position + g_sortedHeight[i];
    return position;
}

bool SearchTargets(int n, SolveMode mode)
{
    const std::span<const int> table = TargetTable(n);
    if (table.empty())
        FatalError("017");
    const auto& counts = kTableCounts[n];
    const int position = PositionNumber(n);
    const DigitCounts positionCounts = CountsOfPosition(n);
    // Both tests succeed only on a target one move reaches; the one-tall-column rule fires on
    // the first entry (all ones), which such a position reaches too. So the rest is skipped.
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!OneMoveReaches(positionCounts, counts[i]))
            continue;
        Move move{};
        if (MatchSameOrder(n, table[i], position, move) ||
            MatchReordered(n, table[i], position, move)) {
            if (mode == SolveMode::kPlay) {
                g_nMoveColumn = move.column;
                g_nMoveHeight = move.height;
            }
            return true;
        }
    }
    return false;
}

bool MatchSameOrder(int n, int target, int position, Move& move)
{
    if (n < 3 || n > 9 || target < 111)
        FatalError("017");
    if (position - target <= 0)
        return false;
    const int excess = position - kAllOnes[n];
    if (excess >= 1 && excess <= 9) {
        // Leave an odd number of single smileys to the player.
        move = {g_sortedColumn[n], n % 2 == 0 ? 1 : 2};
        return true;
    }
    SplitTarget(n, target);
    int differing = 0;
    int at = 0;
    for (int i = 1; i <= n; ++i) {
        if (g_sortedHeight[i] != g_targetDigit[i]) {
            ++differing;
            at = i;
        }
    }
    if (differing != 1)
        return false;
    move = {g_sortedColumn[at], g_targetDigit[at] + 1};
    return true;
}

bool MatchReordered(int n, int target, int position, Move& move)
{
    if (n < 3 || target < 111)
        FatalError("002");
    if (n > 9)
        FatalError("001");
    if (position - target <= 0)
        return false;
    SplitTarget(n, target);
    int unmatched = 0;
    int m = 0;
    for (int c = 1; c <= n; ++c) {
        if (!IsTargetDigit(n, g_sortedHeight[c])) {
            ++unmatched;
            m = c;
        }
    }
    if (unmatched != 1)
        return false;
    for (int k = 1; k <= n; ++k) {
        if (k > 8)
            FatalError("001");
        if (ReplacedAndSortedEqualsTarget(n, m, g_targetDigit[k])) {
            move = {g_sortedColumn[m], g_targetDigit[k] + 1};
            return true;
        }
    }
    return false;
}
