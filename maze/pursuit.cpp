#include "maze/pursuit.h"

#include "maze/grid.h"

namespace {

// The search and the walk back look at the neighbours in different orders. In a perfect maze
// neither order changes the result; where several shortest paths exist, the walk back's decides.
constexpr Direction SEARCH_ORDER[] = {DIR_LEFT, DIR_DOWN, DIR_RIGHT, DIR_UP};
constexpr Direction WALK_BACK_ORDER[] = {DIR_DOWN, DIR_LEFT, DIR_RIGHT, DIR_UP};

// The step that undoes one in the given direction: left and right, up and down are pairs.
constexpr Direction Reverse(Direction direction) { return static_cast<Direction>(direction ^ 1u); }

void ResetDistances(Maze &maze) {
  for (std::int32_t row = 0; row < maze.rowCount; ++row)
    for (std::int32_t col = 0; col < maze.colCount; ++col)
      CellAt(maze, row, col)->distance = 0;
}

// Numbers the cells by distance from the monster (its own cell 1), outward until the player's
// cell is taken from the queue. True when it was reached.
bool Search(const Maze &maze, Cell *monster, const Cell *player) {
  CellList queue{};
  const ClearOnExit emptyQueue{queue};
  monster->distance = 1;
  Append(queue, new CellNode{monster, nullptr});
  while (queue.head != nullptr) {
    Cell *cell = queue.head->cell;
    Remove(queue.head, queue);
    if (cell == player)
      return true;
    const auto neighbours = NeighboursOf(maze, cell);
    if (neighbours == nullptr)
      continue; // the monster's cell is not in the grid
    for (const Direction direction : SEARCH_ORDER) {
      Cell *next = OpenNeighbour(*cell, *neighbours, direction);
      if (next != nullptr && next->distance == 0) {
        next->distance = cell->distance + 1;
        Append(queue, new CellNode{next, nullptr});
      }
    }
  }
  return false;
}

// From the player's cell down the numbers to the cell next to the monster. Each step lowers the
// mark by one and only the monster's cell carries 1, so the walk ends.
Direction WalkBack(const Maze &maze, const Cell *monster, const Cell *player) {
  const Cell *cell = player;
  for (;;) {
    const auto neighbours = NeighboursOf(maze, cell);
    if (neighbours == nullptr)
      return DIR_NONE;
    const Cell *next = nullptr;
    Direction way = DIR_NONE;
    for (const Direction direction : WALK_BACK_ORDER) {
      const Cell *candidate = OpenNeighbour(*cell, *neighbours, direction);
      if (candidate != nullptr && cell->distance - candidate->distance == 1) {
        next = candidate;
        way = direction;
        break;
      }
    }
    if (next == nullptr)
      return DIR_NONE;
    if (next == monster)
      return Reverse(way);
    cell = next;
  }
}

} // namespace

Direction ChaseDirection(MonsterContext *context) {
  if (context == nullptr || context->maze == nullptr)
    return DIR_NONE;
  Maze &maze = *context->maze;
  ResetDistances(maze);
  // Each read once: the search follows the player's cell as it was when the search began.
  Cell *monster = maze.monster;
  const Cell *player = maze.player;
  if (monster == nullptr || player == nullptr || monster == player)
    return DIR_NONE;
  if (!Search(maze, monster, player))
    return DIR_NONE;
  return WalkBack(maze, monster, player);
}
