#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "fake_view.h"
#include "flow/game_flow.h"

// Smileys standing in a column of the board.
int ColumnHeight(int column);
// The board written like a history entry: nine digits, column 9 first.
std::string BoardLayout();
// Every smiley cell shows exactly the board, every mirror exactly the smileys taken this game.
::testing::AssertionResult CellsFollowBoard(const FakeView& view);
// The lowest standing smiley of the tallest column, or 0 on an empty board.
int SomeSmiley();

// A started program: level III, a size-9 board, sound on, the start-up log forgotten;
// demo seeds count up from 1.
class FlowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A game of this size brought to a position by these moves, played by two players, then
    // handed back to the computer with the game marked in progress.
    void Arrange(int size, std::initializer_list<int> moves);
    // The player's moves until a new board appears, always the top of the tallest column.
    void PlayBadlyUntilGameEnds();

    FakeView view;
    CGameFlow flow{view};
};
