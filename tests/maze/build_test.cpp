#include "maze/build.h"
#include "tests/maze/maze_fixture.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Natively the stand-in's tick count seeds each build; under Windows the real clock does.
void SeedConstruction([[maybe_unused]] DWORD ticks) {
#ifndef _WIN32
  standin::SetTickCount(ticks);
#endif
}

// Where each piece stands, by occupant code.
std::map<std::int32_t, std::vector<const Cell *>> Pieces(const Maze &maze) {
  std::map<std::int32_t, std::vector<const Cell *>> pieces;
  for (std::int32_t r = 0; r < maze.rowCount; ++r)
    for (std::int32_t c = 0; c < maze.colCount; ++c)
      if (const Cell *cell = CellAt(maze, r, c); cell->occupant != OCC_EMPTY)
        pieces[cell->occupant].push_back(cell);
  return pieces;
}

void ExpectThreePiecesInThePlayableArea(const Maze &maze) {
  auto pieces = Pieces(maze);
  ASSERT_EQ(pieces.size(), 3u);
  for (std::int32_t code : {OCC_PLAYER, OCC_MONSTER, OCC_EXIT}) {
    ASSERT_EQ(pieces[code].size(), 1u) << code;
    std::int32_t row = -1, col = -1;
    ASSERT_TRUE(LocateCell(maze, pieces[code][0], row, col));
    EXPECT_LT(row, maze.rowCount - 1);
    EXPECT_LT(col, maze.colCount - 1);
  }
  EXPECT_EQ(maze.player, pieces[OCC_PLAYER][0]);
  EXPECT_EQ(maze.monster, pieces[OCC_MONSTER][0]);
}

TEST(Construction, BuildsACarvedMazeWithThreePieces) {
  for (std::int32_t seed = 0; seed < 40; ++seed) {
    SCOPED_TRACE(seed);
    SeedConstruction(static_cast<DWORD>(seed) * 7919u);
    Maze maze;
    BuildMaze(maze, 20, 30);
    EXPECT_EQ(maze.rowCount, 21);
    EXPECT_EQ(maze.colCount, 31);
    EXPECT_EQ(CountOpenings(maze), 599);
    EXPECT_EQ(CountReachable(maze), 600);
    EXPECT_TRUE(BorderStands(maze));
    EXPECT_EQ(maze.outcome, 0u);
    ExpectThreePiecesInThePlayableArea(maze);
    DestroyMaze(maze);
  }
}

TEST(Construction, ThreeCellsTakeThreePieces) {
  Maze maze;
  BuildMaze(maze, 1, 3);
  ExpectThreePiecesInThePlayableArea(maze);
  DestroyMaze(maze);
}

TEST(Construction, TeardownReleasesEveryBlock) {
  const auto before = LiveAllocations();
  Maze maze;
  BuildMaze(maze, 20, 30);
  // 651 cells, 21 row arrays, the array of rows and 600 nodes of inMaze.
  EXPECT_EQ(LiveAllocations() - before, 651 + 21 + 1 + 600);
  DestroyMaze(maze);
  EXPECT_EQ(LiveAllocations(), before);
}

TEST(Construction, AFailedAllocationReleasesWhatWasMade) {
  // Fail each allocation of a whole construction in turn, until one passes untouched.
  const auto before = LiveAllocations();
  int thrown = 0;
  for (long allowed = 0;; ++allowed) {
    ASSERT_LT(allowed, 1000);
    Maze maze;
    try {
      AllocationFailure failure(allowed);
      BuildMaze(maze, 4, 5);
    } catch (const std::bad_alloc &) {
      ++thrown;
      EXPECT_EQ(LiveAllocations(), before) << allowed;
      EXPECT_EQ(maze.frontier.head, nullptr);
      EXPECT_EQ(maze.inMaze.head, nullptr);
      continue;
    }
    // A node that could not be made stops generation early; the pieces still stand.
    ExpectThreePiecesInThePlayableArea(maze);
    const bool complete = CountOpenings(maze) == 19 && maze.inMaze.nodeCount == 20u;
    DestroyMaze(maze);
    EXPECT_EQ(LiveAllocations(), before) << allowed;
    if (complete)
      break;
  }
  EXPECT_GT(thrown, 0);
}

#ifndef _WIN32

class StandInConstruction : public testing::Test {
protected:
  void SetUp() override { standin::Reset(); }
  void TearDown() override { standin::Reset(); }
};

TEST_F(StandInConstruction, TheTickCountDecidesMazeAndPlacement) {
  auto build = [](DWORD ticks, Maze &maze) {
    standin::SetTickCount(ticks);
    BuildMaze(maze, 20, 30);
  };
  Maze a, b, c;
  build(123456, a);
  build(123456, b);
  build(123457, c);
  bool differs = false;
  for (std::int32_t r = 0; r < 21; ++r)
    for (std::int32_t col = 0; col < 31; ++col) {
      const Cell *x = CellAt(a, r, col), *y = CellAt(b, r, col), *z = CellAt(c, r, col);
      EXPECT_EQ(x->topWall, y->topWall);
      EXPECT_EQ(x->leftWall, y->leftWall);
      EXPECT_EQ(x->occupant, y->occupant);
      differs |= x->topWall != z->topWall || x->leftWall != z->leftWall || x->occupant != z->occupant;
    }
  EXPECT_TRUE(differs);
  for (Maze *maze : {&a, &b, &c})
    DestroyMaze(*maze);
}

TEST_F(StandInConstruction, LoadsAndReleasesTheSixteenTilesInSlotOrder) {
  const std::vector<int> slotOrder(std::begin(TILE_RESOURCES), std::end(TILE_RESOURCES));
  Maze maze;
  BuildMaze(maze, 20, 30);
  EXPECT_EQ(standin::LoadedBitmapIds(), slotOrder);
  EXPECT_EQ(standin::LiveBitmaps(), 16);
  for (HBITMAP tile : maze.tiles)
    EXPECT_NE(tile, nullptr);
  DestroyMaze(maze);
  EXPECT_EQ(standin::DeletedBitmapIds(), slotOrder);
  EXPECT_EQ(standin::LiveBitmaps(), 0);
}

TEST_F(StandInConstruction, ATileThatFailsToLoadLeavesItsSlotEmpty) {
  standin::FailBitmapLoad(119); // slot 9: the player with both walls
  Maze maze;
  BuildMaze(maze, 20, 30);
  for (int slot = 0; slot < TILE_SLOTS; ++slot)
    EXPECT_EQ(maze.tiles[slot] == nullptr, slot == 9) << slot;
  ExpectThreePiecesInThePlayableArea(maze);
  DestroyMaze(maze);
  EXPECT_EQ(standin::LiveBitmaps(), 0);
  EXPECT_EQ(standin::DeletedBitmapIds().size(), 15u);
}

TEST_F(StandInConstruction, AFailedConstructionLoadsNoTile) {
  Maze maze;
  {
    AllocationFailure failure(5);
    EXPECT_THROW(BuildMaze(maze, 20, 30), std::bad_alloc);
  }
  EXPECT_EQ(standin::LiveBitmaps(), 0);
}

#endif

} // namespace
