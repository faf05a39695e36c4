#include "view/maze_view.h"

#include "maze/build.h"
#include "maze/grid.h"
#include "res/resource.h"
#include "tests/view/gdi_canvas.h"
#include "tests/view/pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

namespace {

constexpr int ROWS = 20;
constexpr int COLS = 30;

// A built 20 x 30 maze set as the painted one, a canvas of the whole picture, and the window
// whose client rectangle the paint asks for.
class MazeViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    BuildMaze(maze, ROWS, COLS);
    paintedMaze = &maze;
    for (int slot = 0; slot < TILE_SLOTS; ++slot)
      tiles[slot] = ReadBitmap(maze.tiles[slot]);
  }
  void TearDown() override {
    paintedMaze = nullptr;
    DestroyMaze(maze);
  }

  static Image Block(const Image &picture, int x, int y) {
    Image block = Blank(TILE_SIZE, TILE_SIZE, 0);
    for (int row = 0; row < TILE_SIZE; ++row)
      for (int col = 0; col < TILE_SIZE; ++col)
        block.pixels[row * TILE_SIZE + col] = picture.At(x + col, y + row);
    return block;
  }

  Maze maze{};
  std::array<Image, TILE_SLOTS> tiles;
  Canvas canvas{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT, UNPAINTED};
  TestWindow window{MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT};
};

TEST_F(MazeViewTest, TilesAreSixteenDistinctImagesOfOneCell) {
  // Otherwise a tile drawn in the wrong place or slot could look right.
  for (int slot = 0; slot < TILE_SLOTS; ++slot) {
    ASSERT_EQ(tiles[slot].width, TILE_SIZE) << "slot " << slot;
    ASSERT_EQ(tiles[slot].height, TILE_SIZE) << "slot " << slot;
    for (int other = 0; other < slot; ++other)
      EXPECT_NE(tiles[slot].pixels, tiles[other].pixels) << "slots " << other << " and " << slot;
  }
}

TEST_F(MazeViewTest, EveryCellIsItsSlotsTileAtThirtyTwoTimesItsPosition) {
  const DWORD gdiBefore = GdiObjects();
  PaintMaze(canvas.Dc(), window.Get());

  const Image painted = canvas.Snapshot();
  EXPECT_TRUE(SameImage(painted, MazePicture(maze)));
  EXPECT_EQ(GdiObjects(), gdiBefore);
  for (const HBITMAP tile : maze.tiles)
    EXPECT_EQ(GetObjectType(tile), static_cast<DWORD>(OBJ_BITMAP)) << "the maze's tiles stay its own";

  // The extra row and column carry the bottom and right borders: floor with both strokes.
  const Image bothStrokes = ReadBitmapResource(IDB_TILE_LEFT_TOP_EMPTY);
  for (int col = 0; col <= COLS; ++col)
    EXPECT_TRUE(SameImage(Block(painted, TILE_SIZE * col, TILE_SIZE * ROWS), bothStrokes))
        << "column " << col;
  for (int row = 0; row <= ROWS; ++row)
    EXPECT_TRUE(SameImage(Block(painted, TILE_SIZE * COLS, TILE_SIZE * row), bothStrokes)) << "row " << row;
}

struct CellCase {
  const char *name;
  std::int32_t occupant;
  std::uint8_t topWall;
  std::uint8_t leftWall;
  int slot;
};

class MazeViewCellTest : public MazeViewTest, public ::testing::WithParamInterface<CellCase> {};

TEST_P(MazeViewCellTest, CellAtRowTwoColumnFiveShowsItsSlotAtPixel160By64) {
  const CellCase &cell = GetParam();
  Cell *target = CellAt(maze, 2, 5);
  target->occupant = cell.occupant;
  target->topWall = cell.topWall;
  target->leftWall = cell.leftWall;

  PaintMaze(canvas.Dc(), window.Get());

  const Image painted = canvas.Snapshot();
  EXPECT_TRUE(SameImage(Block(painted, 160, 64), tiles[cell.slot]));
  EXPECT_TRUE(SameImage(painted, MazePicture(maze)));
}

INSTANTIATE_TEST_SUITE_P(
    Slots, MazeViewCellTest,
    ::testing::Values(CellCase{"EmptyLeft", OCC_EMPTY, 0, 1, 0}, CellCase{"EmptyBoth", OCC_EMPTY, 1, 1, 1},
                      CellCase{"EmptyTop", OCC_EMPTY, 1, 0, 2}, CellCase{"EmptyNeither", OCC_EMPTY, 0, 0, 3},
                      CellCase{"MonsterLeft", OCC_MONSTER, 0, 1, 4},
                      CellCase{"MonsterTop", OCC_MONSTER, 1, 0, 6},
                      CellCase{"PlayerBoth", OCC_PLAYER, 1, 1, 9},
                      CellCase{"PlayerNeither", OCC_PLAYER, 0, 0, 11},
                      CellCase{"ExitBoth", OCC_EXIT, 1, 1, 13}, CellCase{"ExitNeither", OCC_EXIT, 0, 0, 15},
                      // Any non-zero flag is a standing wall.
                      CellCase{"PlayerTopFlagSeven", OCC_PLAYER, 7, 0, 10}),
    [](const ::testing::TestParamInfo<CellCase> &test) { return std::string(test.param.name); });

TEST_F(MazeViewTest, WindowWithoutClientRectangleGetsNothingAndNothingIsKept) {
  window.Destroy();
  const DWORD gdiBefore = GdiObjects();

  PaintMaze(canvas.Dc(), window.Get());

  EXPECT_TRUE(SameImage(canvas.Snapshot(), Blank(MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT, UNPAINTED)));
  EXPECT_EQ(GdiObjects(), gdiBefore);
}

TEST_F(MazeViewTest, PaintWaitsForTheMazeLockAndShowsTheMazeAsLeft) {
  std::unique_lock held(maze.lock);
  std::thread painter([this] { PaintMaze(canvas.Dc(), window.Get()); });

  // While a step holds the lock, the paint must not read the maze.
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  bool painted = false;
  while (!painted && std::chrono::steady_clock::now() < until) {
    painted = !SameImage(canvas.Snapshot(), Blank(MAZE_PICTURE_WIDTH, MAZE_PICTURE_HEIGHT, UNPAINTED));
    std::this_thread::yield();
  }
  CellAt(maze, 2, 5)->occupant = OCC_EXIT;
  held.unlock();
  painter.join();

  EXPECT_FALSE(painted) << "painted while the lock was held";
  EXPECT_TRUE(SameImage(canvas.Snapshot(), MazePicture(maze)));
}

} // namespace
