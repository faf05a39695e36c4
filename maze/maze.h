// The data model of one round: the grid of cells, its code tables and the 16 tile slots.
#pragma once

#include "maze/cell_list.h"
#include "platform/platform.h"

#include <cstdint>
#include <mutex>

// What stands in a cell.
enum Occupant : std::int32_t {
  OCC_EMPTY = 0,
  OCC_MONSTER = 1,
  OCC_PLAYER = 2,
  OCC_EXIT = 3,
};

// Where generation has got to with a cell.
enum BuildState : std::int32_t {
  BUILD_UNREACHED = 0,
  BUILD_IN_MAZE = 1,
  BUILD_FRONTIER = 2,
};

// A one-cell step. Rows run down the screen, columns to the right.
enum Direction : std::uint32_t {
  DIR_LEFT = 0,
  DIR_RIGHT = 1,
  DIR_UP = 2,
  DIR_DOWN = 3,
};

// A cell stores only the walls along its own top and left edges: the wall to its right is the
// right neighbour's leftWall, the wall below it the lower neighbour's topWall. Non-zero stands.
struct Cell {
  std::uint8_t topWall;
  std::uint8_t leftWall;
  std::int32_t buildState;
  std::int32_t occupant;
  std::int32_t distance;
};

constexpr int TILE_SLOTS = 16;

// Tile slot = 4 x occupant + wall form (0 left only, 1 left and top, 2 top only, 3 none).
constexpr int WallForm(const Cell &cell) {
  if (cell.leftWall != 0)
    return cell.topWall != 0 ? 1 : 0;
  return cell.topWall != 0 ? 2 : 3;
}

constexpr int TileSlot(const Cell &cell) { return 4 * cell.occupant + WallForm(cell); }

// Bitmap resource of each tile slot.
constexpr int TILE_RESOURCES[TILE_SLOTS] = {113, 117, 125, 121, 116, 120, 128, 124,
                                            115, 119, 127, 123, 114, 118, 126, 122};

// One round's maze. A maze of rows x cols playable cells is allocated with one extra row and one
// extra column that only carry the bottom and right border walls; nothing ever enters them.
//
// Sharing: during play the game thread (player steps, paints) and the monster ticker (pursuit and
// monster steps) use the same maze. `lock` serialises them: each whole player step, each whole
// monster step (pursuit and move together) and each paint holds it, so every one of them finds
// the maze as the other left it. Nothing holds it across the synchronous send of an outcome or
// across UpdateWindow: both wait for the other thread, which may need the lock meanwhile. A step
// decides its outcome under the lock, records it in `outcome`, and sends only after releasing it.
// MovePlayer, MoveMonster and MonsterStep take the lock themselves; ChaseDirection does not, and
// is called under it. A thread may hold the lock at any point of its step, so no thread that uses
// the maze is suspended or ended from outside: once `outcome` is set every step does nothing,
// which halts the monster without touching its thread.
// Walls, rowCount, colCount and grid never change once construction has ended.
struct Maze {
  HBITMAP tiles[TILE_SLOTS];
  std::int32_t rowCount;
  std::int32_t colCount;
  CellList inMaze;
  CellList frontier;
  Cell ***grid;
  Cell *player;
  Cell *monster;

  std::mutex lock;
  // The outcome message a step has decided, or 0 while the round is on. Once it is set no step
  // moves a piece or sends again: a round announces one outcome only.
  UINT outcome;
};

// The four grid neighbours of a cell; none (nullptr) outside the playable area. Walls play no part.
struct Neighbours {
  Cell *left;
  Cell *right;
  Cell *up;
  Cell *down;
};
