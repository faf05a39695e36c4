#include "tests/maze/maze_fixture.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

namespace {

struct Size {
  std::int32_t rows, cols;
  friend std::ostream &operator<<(std::ostream &out, const Size &size) { return out << size.rows << "x" << size.cols; }
};

class Generation : public testing::TestWithParam<Size> {};

TEST_P(Generation, CarvesAPerfectMazeInsideTheBorder) {
  const auto [rows, cols] = GetParam();
  for (std::uint32_t seed : {1u, 2u, 777u, 0x9e3779b9u}) {
    GridFixture grid(rows, cols);
    grid.Generate(seed);
    const Maze &maze = grid.maze;

    // A spanning tree: one opening fewer than cells, and every cell reached.
    EXPECT_EQ(CountOpenings(maze), rows * cols - 1) << seed;
    EXPECT_EQ(CountReachable(maze), rows * cols) << seed;
    EXPECT_TRUE(BorderStands(maze)) << seed;

    EXPECT_EQ(maze.inMaze.nodeCount, static_cast<std::uint32_t>(rows * cols));
    EXPECT_EQ(maze.frontier.nodeCount, 0u);
    EXPECT_EQ(maze.frontier.head, nullptr);
    for (std::int32_t r = 0; r < rows; ++r)
      for (std::int32_t c = 0; c < cols; ++c)
        EXPECT_EQ(grid.at(r, c)->buildState, BUILD_IN_MAZE);

    // The start, drawn row first, joins first.
    const auto draws = Draws(seed, 2);
    EXPECT_EQ(maze.inMaze.head->cell, grid.at(draws[0] % rows, draws[1] % cols));
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Generation,
                         testing::Values(Size{1, 1}, Size{1, 2}, Size{2, 1}, Size{1, 9}, Size{9, 1}, Size{2, 2},
                                         Size{3, 5}, Size{20, 30}, Size{30, 20}, Size{7, 40}),
                         [](const auto &param) {
                           return std::to_string(param.param.rows) + "x" + std::to_string(param.param.cols);
                         });

TEST(Generation, CorridorsOpenEveryInnerWall) {
  GridFixture row(1, 9);
  row.Generate(3);
  for (std::int32_t c = 0; c < 9; ++c) {
    EXPECT_EQ(row.at(0, c)->leftWall, c == 0 ? 1 : 0) << c;
    EXPECT_EQ(row.at(0, c)->topWall, 1) << c;
  }
  GridFixture column(9, 1);
  column.Generate(3);
  for (std::int32_t r = 0; r < 9; ++r) {
    EXPECT_EQ(column.at(r, 0)->topWall, r == 0 ? 1 : 0) << r;
    EXPECT_EQ(column.at(r, 0)->leftWall, 1) << r;
  }
}

TEST(Generation, SameSeedSameMaze) {
  GridFixture a(20, 30), b(20, 30), c(20, 30);
  a.Generate(2024);
  b.Generate(2024);
  c.Generate(2025);
  bool differs = false;
  for (std::int32_t r = 0; r < 21; ++r)
    for (std::int32_t col = 0; col < 31; ++col) {
      EXPECT_EQ(a.at(r, col)->topWall, b.at(r, col)->topWall);
      EXPECT_EQ(a.at(r, col)->leftWall, b.at(r, col)->leftWall);
      differs |= a.at(r, col)->topWall != c.at(r, col)->topWall || a.at(r, col)->leftWall != c.at(r, col)->leftWall;
    }
  EXPECT_TRUE(differs);
}

TEST(Generation, AFrontierCellWithOnlyAnUpperJoinedNeighbourJoinsUpward) {
  GridFixture grid(3, 3);
  Cell *cell = grid.at(1, 1);
  cell->buildState = BUILD_FRONTIER;
  grid.at(0, 1)->buildState = BUILD_IN_MAZE;
  const auto neighbours = NeighboursOf(grid.maze, cell);

  const auto expected = Draws(11, 2);
  SeedRandom(11);
  JoinFrontierCell(*neighbours, grid.maze, cell);

  EXPECT_EQ(cell->topWall, 0);
  EXPECT_EQ(cell->leftWall, 1);
  EXPECT_EQ(CountOpenings(grid.maze), 1);
  EXPECT_EQ(DrawRandom(), expected[1]) << "the single candidate is still drawn for";
  // The untouched neighbours joined the frontier in the order down, left, right.
  std::vector<const Cell *> frontier;
  for (const CellNode *node = grid.maze.frontier.head; node != nullptr; node = node->nextNode)
    frontier.push_back(node->cell);
  EXPECT_EQ(frontier, (std::vector<const Cell *>{grid.at(2, 1), grid.at(1, 0), grid.at(1, 2)}));
}

TEST(Generation, WallClearersLeaveNoCellAlone) {
  ClearLeftWall(nullptr);
  ClearTopWall(nullptr);
  Maze maze{};
  EXPECT_TRUE(AddToMaze(nullptr, maze));
  EXPECT_TRUE(AddToFrontier(nullptr, maze));
  EXPECT_EQ(maze.inMaze.nodeCount + maze.frontier.nodeCount, 0u);
}

TEST(Generation, AFailedNodeStopsItQuietly) {
  // The start's own node: the start is marked but in no list, and nothing else happens.
  GridFixture grid(4, 5);
  {
    AllocationFailure failure(0);
    grid.Generate(8);
  }
  EXPECT_EQ(grid.maze.inMaze.nodeCount, 0u);
  EXPECT_EQ(grid.maze.frontier.nodeCount, 0u);
  EXPECT_EQ(CountOpenings(grid.maze), 0);
  const auto draws = Draws(8, 2);
  EXPECT_EQ(grid.at(draws[0] % 4, draws[1] % 5)->buildState, BUILD_IN_MAZE);
}

TEST(Generation, EveryAllocationFailureLeavesAReleasableMaze) {
  // Fail each allocation of a whole generation in turn: node failures stop it quietly, others
  // pass out with the candidates emptied; in every case the lists and grid release everything.
  const auto before = LiveAllocations();
  int thrown = 0, stopped = 0;
  for (long allowed = 0;; ++allowed) {
    bool completed = false;
    {
      GridFixture grid(4, 5);
      try {
        AllocationFailure failure(allowed);
        grid.Generate(31);
        completed = grid.maze.inMaze.nodeCount == 20u && CountOpenings(grid.maze) == 19;
        if (!completed) {
          ++stopped;
          EXPECT_LE(CountOpenings(grid.maze), static_cast<int>(grid.maze.inMaze.nodeCount));
          EXPECT_TRUE(BorderStands(grid.maze));
        }
      } catch (const std::bad_alloc &) {
        ++thrown;
      }
    }
    EXPECT_EQ(LiveAllocations(), before) << allowed;
    if (completed)
      break;
  }
  EXPECT_GT(thrown, 0);
  EXPECT_GT(stopped, 0);
}

} // namespace
