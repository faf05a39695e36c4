#include "maze/generate.h"

#include "maze/grid.h"

#include <new>

namespace {

bool AddWithState(Cell *cell, CellList &list, std::int32_t state) noexcept {
  if (cell == nullptr)
    return true;
  cell->buildState = state;
  auto *node = new (std::nothrow) CellNode{cell, nullptr};
  if (node == nullptr)
    return false;
  Append(list, node);
  return true;
}

} // namespace

void ClearLeftWall(Cell *cell) {
  if (cell != nullptr)
    cell->leftWall = 0;
}

void ClearTopWall(Cell *cell) {
  if (cell != nullptr)
    cell->topWall = 0;
}

bool AddToMaze(Cell *cell, Maze &maze) noexcept { return AddWithState(cell, maze.inMaze, BUILD_IN_MAZE); }

bool AddToFrontier(Cell *cell, Maze &maze) noexcept { return AddWithState(cell, maze.frontier, BUILD_FRONTIER); }

void JoinFrontierCell(const Neighbours &neighbours, Maze &maze, Cell *cell) {
  CellList candidates{};
  ClearOnExit clearCandidates{candidates};

  for (Cell *neighbour : {neighbours.down, neighbours.left, neighbours.right, neighbours.up}) {
    if (neighbour == nullptr)
      continue;
    if (neighbour->buildState == BUILD_UNREACHED)
      AddToFrontier(neighbour, maze); // a failure here only leaves that cell out of the frontier
    else if (neighbour->buildState == BUILD_IN_MAZE)
      Append(candidates, new CellNode{neighbour, nullptr});
  }
  if (candidates.head == nullptr)
    return;

  const Cell *chosen = PickRandom(candidates)->cell;
  if (chosen == neighbours.down)
    ClearTopWall(neighbours.down);
  else if (chosen == neighbours.left)
    ClearLeftWall(cell);
  else if (chosen == neighbours.right)
    ClearLeftWall(neighbours.right);
  else if (chosen == neighbours.up)
    ClearTopWall(cell);
}

void GenerateMaze(Maze &maze, std::int32_t rows, std::int32_t cols) {
  const std::int32_t startRow = RandomIndex(rows);
  const std::int32_t startCol = RandomIndex(cols);
  Cell *start = CellAt(maze, startRow, startCol);
  if (!AddToMaze(start, maze))
    return;

  {
    const auto around = NeighboursOf(maze, start);
    bool added = true;
    for (Cell *neighbour : {around->down, around->left, around->right, around->up})
      added = AddToFrontier(neighbour, maze) && added; // all four are tried
    if (!added)
      return;
  }

  while (maze.frontier.head != nullptr) {
    CellNode *node = PickRandom(maze.frontier);
    Cell *cell = node->cell;
    Remove(node, maze.frontier);
    JoinFrontierCell(*NeighboursOf(maze, cell), maze, cell);
    if (!AddToMaze(cell, maze))
      return;
  }
}
