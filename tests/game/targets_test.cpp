#include <gtest/gtest.h>


#include "board_setup.h"
#include "game/target_tables.h"
#include "game/targets.h"

namespace {

struct Found {
    bool sameOrder;
    bool reordered;
    Move sameOrderMove;
    Move reorderedMove;
};

// Runs both tests on the sorted view against one target.
Found MatchBoth(int n, int target)
{
    Found found{};
    const int position = PositionNumber(n);
    found.sameOrder = MatchSameOrder(n, target, position, found.sameOrderMove);
    found.reordered = MatchReordered(n, target, position, found.reorderedMove);
    return found;
}

TEST(TargetMatching, PositionNumberReadsTheSortedHeights)
{
    SetSortedView({1, 2, 2, 5});
    EXPECT_EQ(PositionNumber(4), 1225);
    SetSortedView({1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(PositionNumber(9), 123456789);
}

TEST(TargetMatching, SameOrderLowersTheOneDifferingColumn)
{
    SetSortedView({1, 2, 4});
    const Found found = MatchBoth(3, 123);
    ASSERT_TRUE(found.sameOrder);
    EXPECT_EQ(found.sameOrderMove.column, g_sortedColumn[3]);
    EXPECT_EQ(found.sameOrderMove.height, 4);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(g_targetDigit[i], i) << "digits of the target under test";
}

TEST(TargetMatching, ReorderedLowersAColumnBelowShorterOnes)
{
    SetSortedView({2, 3, 3, 5});
    const Found found = MatchBoth(4, 2233);
    EXPECT_FALSE(found.sameOrder) << "two positions differ";
    ASSERT_TRUE(found.reordered);
    EXPECT_EQ(found.reorderedMove.column, g_sortedColumn[4]);
    EXPECT_EQ(found.reorderedMove.height, 3);
}

TEST(TargetMatching, MovesThatNeitherTestSees)
{
    // Lowering a 5 to 1 would reach 145, but every height occurs among the digits.
    SetSortedView({4, 5, 5});
    Found found = MatchBoth(3, 145);
    EXPECT_FALSE(found.sameOrder);
    EXPECT_FALSE(found.reordered);

    // Two heights (3 and 6) have no equal digit.
    SetSortedView({3, 4, 6});
    found = MatchBoth(3, 145);
    EXPECT_FALSE(found.sameOrder);
    EXPECT_FALSE(found.reordered);

    // A move only lowers a position: equal or higher targets never match.
    SetSortedView({2, 2, 3, 3});
    found = MatchBoth(4, 2233);
    EXPECT_FALSE(found.sameOrder);
    EXPECT_FALSE(found.reordered);
    found = MatchBoth(4, 2244);
    EXPECT_FALSE(found.sameOrder);
    EXPECT_FALSE(found.reordered);
}

TEST(TargetMatching, OneTallColumnLeavesAnOddNumberOfSingles)
{
    SetSortedView({1, 1, 1, 1, 6});
    Found found = MatchBoth(5, 11111);
    ASSERT_TRUE(found.sameOrder);
    EXPECT_EQ(found.sameOrderMove.column, g_sortedColumn[5]);
    EXPECT_EQ(found.sameOrderMove.height, 2);

    // Fires whatever the target, as long as the target lies below the position.
    found = MatchBoth(5, 11112);
    ASSERT_TRUE(found.sameOrder);
    EXPECT_EQ(found.sameOrderMove.height, 2);

    SetSortedView({1, 1, 1, 7});
    found = MatchBoth(4, 1111);
    ASSERT_TRUE(found.sameOrder);
    EXPECT_EQ(found.sameOrderMove.height, 1) << "even count: the tall column goes whole";
    ASSERT_TRUE(found.reordered);
    EXPECT_EQ(found.reorderedMove.height, 2) << "the reordered test alone would leave one";

    g_nMoveColumn = 0;
    ASSERT_TRUE(SearchTargets(4, SolveMode::kPlay));
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[4]);
    EXPECT_EQ(g_nMoveHeight, 1) << "the same-order test wins";
}

TEST(TargetMatching, ReorderedTakesTheFirstFittingDigit)
{
    // Heights 1 2 9 against 112: the 9 has no equal digit and becomes the 1 that is missing.
    SetSortedView({1, 2, 9});
    const Found found = MatchBoth(3, 112);
    EXPECT_FALSE(found.sameOrder);
    ASSERT_TRUE(found.reordered);
    EXPECT_EQ(found.reorderedMove.column, g_sortedColumn[3]);
    EXPECT_EQ(found.reorderedMove.height, 2);
}

TEST(TargetSearch, TestModeWritesNoMove)
{
    SetSortedView({1, 2, 4});
    g_nMoveColumn = -1;
    g_nMoveHeight = -1;
    EXPECT_TRUE(SearchTargets(3, SolveMode::kTest));
    EXPECT_EQ(g_nMoveColumn, -1);
    EXPECT_EQ(g_nMoveHeight, -1);
    EXPECT_TRUE(SearchTargets(3, SolveMode::kPlay));
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[3]);
    EXPECT_EQ(g_nMoveHeight, 4);

    SetSortedView({1, 2, 3});
    EXPECT_FALSE(SearchTargets(3, SolveMode::kPlay)) << "every other target lies above 123";
}

// The table walk in its plain form: every entry, both tests, first success wins.
bool SearchEveryTarget(int n, Move& move)
{
    const int position = PositionNumber(n);
    for (int target : TargetTable(n)) {
        if (MatchSameOrder(n, target, position, move) || MatchReordered(n, target, position, move))
            return true;
    }
    return false;
}

// Calls visit for every ascending sequence of n heights 1..9 in the sorted view.
template <typename Visit>
void ForEachSortedPosition(int n, int i, int lowest, Visit visit)
{
    if (i > n) {
        visit();
        return;
    }
    for (int height = lowest; height <= 9; ++height) {
        g_sortedHeight[i] = height;
        ForEachSortedPosition(n, i + 1, height, visit);
    }
}

TEST(TargetSearch, GivesTheSameMoveAsWalkingEveryTarget)
{
    for (int n = 3; n <= 8; ++n) {
        SetSortedView({});
        for (int i = 1; i <= n; ++i)
            g_sortedColumn[i] = 10 - i;
        int positions = 0;
        int matched = 0;
        int mismatches = 0;
        ForEachSortedPosition(n, 1, 1, [&] {
            ++positions;
            Move expected{};
            const bool found = SearchEveryTarget(n, expected);
            g_nMoveColumn = 0;
            g_nMoveHeight = 0;
            const bool searched = SearchTargets(n, SolveMode::kPlay);
            matched += found ? 1 : 0;
            if (searched != found ||
                (found && (g_nMoveColumn != expected.column || g_nMoveHeight != expected.height))) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "n " << n << " position " << PositionNumber(n);
            }
        });
        EXPECT_EQ(mismatches, 0) << n;
        EXPECT_GT(matched, 0) << n;
        EXPECT_LT(matched, positions) << n;
    }
}

using TargetMatchingDeathTest = testing::Test;

TEST_F(TargetMatchingDeathTest, ImpossibleArgumentsEndTheProgram)
{
    SetSortedView({2, 5, 7});
    Move move{};
    EXPECT_EXIT(MatchSameOrder(2, 111, 57, move), testing::ExitedWithCode(1), FatalOutput("017"));
    EXPECT_EXIT(MatchSameOrder(3, 110, 257, move), testing::ExitedWithCode(1), FatalOutput("017"));
    EXPECT_EXIT(MatchReordered(2, 111, 57, move), testing::ExitedWithCode(1), FatalOutput("002"));
    EXPECT_EXIT(MatchReordered(3, 99, 257, move), testing::ExitedWithCode(1), FatalOutput("002"));
}

TEST_F(TargetMatchingDeathTest, DigitIndexBeyondEightEndsTheProgram)
{
    // Nine positions: the 9 is the one height without an equal digit, and only the ninth digit
    // could replace it, so the walk over the digits runs past the eighth.
    SetSortedView({1, 1, 1, 1, 1, 1, 1, 1, 9});
    Move move{};
    EXPECT_EXIT(MatchReordered(9, 111111112, PositionNumber(9), move), testing::ExitedWithCode(1),
                FatalOutput("001"));
    EXPECT_EXIT(MatchReordered(10, 111111112, PositionNumber(9), move), testing::ExitedWithCode(1),
                FatalOutput("001"));
}

}  // namespace
