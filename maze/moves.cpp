#include "maze/moves.h"

#include "maze/grid.h"
#include "maze/pursuit.h"

Maze *playerMaze = nullptr;
HWND outcomeWindow = nullptr;

namespace {

// What sets the two movers apart; the step itself is one and the same.
struct Mover {
  Cell *Maze::*piece;
  std::int32_t code;
  std::int32_t prey;
  UINT exitMessage;
};

constexpr Mover PLAYER{&Maze::player, OCC_PLAYER, OCC_MONSTER, WM_MAZE_FINISHED};
constexpr Mover MONSTER{&Maze::monster, OCC_MONSTER, OCC_PLAYER, WM_MAZE_EXIT_EATEN};

// One step, with the maze's lock held: moves the piece, or records the outcome and yields the
// message to send once the lock is released (0 for none).
UINT Step(Maze &maze, const Mover &mover, std::uint32_t direction) {
  if (maze.outcome != 0)
    return 0; // the round is over and has been announced once already
  Cell *from = maze.*mover.piece;
  const auto neighbours = NeighboursOf(maze, from);
  if (neighbours == nullptr)
    return 0;
  Cell *target = OpenNeighbour(*from, *neighbours, direction);
  if (target == nullptr)
    return 0;
  if (target->occupant == OCC_EXIT) {
    maze.outcome = mover.exitMessage;
  } else if (target->occupant == mover.prey) {
    maze.outcome = WM_MAZE_EATEN;
  } else {
    target->occupant = mover.code;
    maze.*mover.piece = target;
    from->occupant = OCC_EMPTY;
  }
  return maze.outcome;
}

// Decides under the lock, sends after it: the window's thread may need the lock to handle the
// outcome (its message box keeps painting), and the send waits for that thread.
template <typename Decide> void DecideThenAnnounce(Maze *maze, HWND window, Decide decide) {
  if (maze == nullptr)
    return;
  UINT message = 0;
  {
    const std::lock_guard hold(maze->lock);
    message = decide(*maze);
  }
  if (message != 0)
    SendMessageA(window, message, 0, 0);
}

} // namespace

Cell *OpenNeighbour(const Cell &cell, const Neighbours &neighbours, std::uint32_t direction) {
  switch (direction) {
  case DIR_LEFT:
    return neighbours.left != nullptr && cell.leftWall == 0 ? neighbours.left : nullptr;
  case DIR_RIGHT:
    return neighbours.right != nullptr && neighbours.right->leftWall == 0 ? neighbours.right : nullptr;
  case DIR_UP:
    return neighbours.up != nullptr && cell.topWall == 0 ? neighbours.up : nullptr;
  case DIR_DOWN:
    return neighbours.down != nullptr && neighbours.down->topWall == 0 ? neighbours.down : nullptr;
  default:
    return nullptr;
  }
}

void MovePlayer(std::uint32_t direction) {
  DecideThenAnnounce(playerMaze, outcomeWindow, [&](Maze &maze) { return Step(maze, PLAYER, direction); });
}

void MoveMonster(MonsterContext *context, std::uint32_t direction) {
  if (context == nullptr)
    return;
  DecideThenAnnounce(context->maze, context->window,
                     [&](Maze &maze) { return Step(maze, MONSTER, direction); });
}

void MonsterStep(MonsterContext *context) {
  if (context == nullptr)
    return;
  DecideThenAnnounce(context->maze, context->window, [&](Maze &maze) -> UINT {
    if (maze.outcome != 0)
      return 0; // no search for a round that is over
    return Step(maze, MONSTER, ChaseDirection(context));
  });
}
