#include "tests/maze/maze_fixture.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Grid, NewCellsAreWalledAndBlankAndDistinct) {
  GridFixture grid(20, 30);
  ASSERT_EQ(grid.maze.rowCount, 21);
  ASSERT_EQ(grid.maze.colCount, 31);
  std::set<const Cell *> cells;
  for (std::int32_t r = 0; r < 21; ++r)
    for (std::int32_t c = 0; c < 31; ++c) {
      const Cell *cell = grid.at(r, c);
      ASSERT_NE(cell, nullptr);
      cells.insert(cell);
      EXPECT_EQ(cell->topWall, 1);
      EXPECT_EQ(cell->leftWall, 1);
      EXPECT_EQ(cell->buildState, BUILD_UNREACHED);
      EXPECT_EQ(cell->occupant, OCC_EMPTY);
      EXPECT_EQ(cell->distance, 0);
    }
  EXPECT_EQ(cells.size(), 21u * 31u);
}

TEST(Grid, CellAtKeepsToTheAllocatedGrid) {
  GridFixture grid(20, 30);
  EXPECT_EQ(CellAt(grid.maze, 20, 30), grid.maze.grid[20][30]);
  struct Outside {
    std::int32_t row, col;
  };
  for (const auto [row, col] : {Outside{-1, 0}, Outside{21, 0}, Outside{0, -1}, Outside{0, 31}})
    EXPECT_EQ(CellAt(grid.maze, row, col), nullptr) << row << ", " << col;

  Cell **row3 = grid.maze.grid[3];
  grid.maze.grid[3] = nullptr; // an absent row array
  EXPECT_EQ(CellAt(grid.maze, 3, 0), nullptr);
  grid.maze.grid[3] = row3;
}

TEST(Grid, LocateCellFindsEveryCellAndRejectsStrangers) {
  GridFixture grid(4, 6);
  for (std::int32_t r = 0; r < 5; ++r)
    for (std::int32_t c = 0; c < 7; ++c) {
      std::int32_t row = -1, col = -1;
      ASSERT_TRUE(LocateCell(grid.maze, grid.at(r, c), row, col));
      EXPECT_EQ(row, r);
      EXPECT_EQ(col, c);
    }

  Cell stranger{};
  for (const Cell *cell : {static_cast<const Cell *>(&stranger), static_cast<const Cell *>(nullptr)}) {
    std::int32_t row = 77, col = 88;
    EXPECT_FALSE(LocateCell(grid.maze, cell, row, col));
    EXPECT_EQ(row, 77);
    EXPECT_EQ(col, 88);
  }
  EXPECT_EQ(NeighboursOf(grid.maze, &stranger), nullptr);
}

struct NeighbourCase {
  const char *name;
  std::int32_t rows, cols, row, col;
  bool left, right, up, down;
  friend std::ostream &operator<<(std::ostream &out, const NeighbourCase &tc) { return out << tc.name; }
};

class NeighboursOfCell : public testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighboursOfCell, StayInsideThePlayableArea) {
  const NeighbourCase &tc = GetParam();
  GridFixture grid(tc.rows, tc.cols);
  const auto neighbours = NeighboursOf(grid.maze, grid.at(tc.row, tc.col));
  ASSERT_NE(neighbours, nullptr);
  EXPECT_EQ(neighbours->left, tc.left ? grid.at(tc.row, tc.col - 1) : nullptr);
  EXPECT_EQ(neighbours->right, tc.right ? grid.at(tc.row, tc.col + 1) : nullptr);
  EXPECT_EQ(neighbours->up, tc.up ? grid.at(tc.row - 1, tc.col) : nullptr);
  EXPECT_EQ(neighbours->down, tc.down ? grid.at(tc.row + 1, tc.col) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Grid, NeighboursOfCell,
                         testing::Values(NeighbourCase{"TopLeft", 20, 30, 0, 0, false, true, false, true},
                                         NeighbourCase{"TopRight", 20, 30, 0, 29, true, false, false, true},
                                         NeighbourCase{"BottomLeft", 20, 30, 19, 0, false, true, true, false},
                                         NeighbourCase{"BottomRight", 20, 30, 19, 29, true, false, true, false},
                                         NeighbourCase{"Inner", 20, 30, 7, 11, true, true, true, true},
                                         NeighbourCase{"BesideExtraColumn", 20, 30, 5, 29, true, false, true, true},
                                         NeighbourCase{"AboveExtraRow", 20, 30, 19, 12, true, true, true, false},
                                         NeighbourCase{"OnlyCell", 1, 1, 0, 0, false, false, false, false}),
                         [](const auto &param) { return std::string(param.param.name); });

TEST(Grid, FreeGridReleasesAPartlyAllocatedGrid) {
  const auto before = LiveAllocations();
  for (long allowed = 0; allowed < 1 + 3 * (1 + 4); ++allowed) {
    Maze maze{};
    maze.rowCount = 3;
    maze.colCount = 4;
    {
      AllocationFailure failure(allowed);
      EXPECT_THROW(AllocateGrid(maze, 3, 4), std::bad_alloc) << allowed;
    }
    FreeGrid(maze, 3, 4);
    EXPECT_EQ(LiveAllocations(), before) << allowed;
  }
}

} // namespace
