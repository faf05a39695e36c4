// Two threads on one maze, as in play: one moves the player at random, the other takes the
// monster's whole steps (pursuit and move). The lock keeps every step whole.
#include "maze/build.h"
#include "maze/moves.h"
#include "maze/random.h"
#include "tests/rules/recorder.h"
#include "tests/rules/test_mazes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

constexpr int PLAYER_STEPS = 60000;
constexpr int MONSTER_STEPS = 40000;

// Exactly one cell holds each piece and the exit, and the maze's fields name the pieces' cells.
bool PiecesWhole(const Maze &maze) {
  int players = 0;
  int monsters = 0;
  int exits = 0;
  for (std::int32_t row = 0; row < maze.rowCount; ++row) {
    for (std::int32_t col = 0; col < maze.colCount; ++col) {
      const std::int32_t occupant = At(maze, {row, col})->occupant;
      players += occupant == OCC_PLAYER;
      monsters += occupant == OCC_MONSTER;
      exits += occupant == OCC_EXIT;
    }
  }
  return players == 1 && monsters == 1 && exits == 1 && maze.player->occupant == OCC_PLAYER &&
         maze.monster->occupant == OCC_MONSTER;
}

// A fresh round on the same maze: the pieces somewhere new, no outcome.
void Restart(Maze &maze) {
  maze.player->occupant = OCC_EMPTY;
  maze.monster->occupant = OCC_EMPTY;
  maze.player = PlaceOccupant(maze, OCC_PLAYER);
  maze.monster = PlaceOccupant(maze, OCC_MONSTER);
  maze.outcome = 0;
}

TEST(TwoThreads, EveryStepLeavesThePiecesWhole) {
  TestMaze test;
  Maze &maze = test.maze;
  CarveMaze(maze, 99, 5, 7);
  maze.player = PlaceOccupant(maze, OCC_PLAYER);
  maze.monster = PlaceOccupant(maze, OCC_MONSTER);
  PlaceOccupant(maze, OCC_EXIT);
  ClearRecordedOutcomes();
  // One window hears both movers, as the maze window does; on Windows the monster's sends cross
  // to this thread and wait until it delivers them.
  playerMaze = &maze;
  outcomeWindow = RecordingWindow(1);
  MonsterContext context{&maze, RecordingWindow(1)};

  std::atomic<int> faults{0};
  std::atomic<int> rounds{0};
  std::atomic<bool> monsterDone{false};
  // Between steps: check the pieces and start over once a round has ended; only steps count.
  const auto afterStep = [&] {
    const std::lock_guard hold(maze.lock);
    if (!PiecesWhole(maze))
      ++faults;
    if (maze.outcome != 0) {
      Restart(maze);
      ++rounds;
    }
  };

  std::thread monster([&] {
    SeedRandom(2);
    for (int step = 0; step < MONSTER_STEPS; ++step) {
      MonsterStep(&context);
      afterStep();
    }
    monsterDone = true;
  });
  std::mt19937 random(3);
  for (int step = 0; step < PLAYER_STEPS; ++step) {
    MovePlayer(random() % 4);
    afterStep();
    DeliverSentMessages();
  }
  while (!monsterDone)
    DeliverSentMessages();
  monster.join();
  playerMaze = nullptr;
  outcomeWindow = nullptr;

  EXPECT_EQ(faults, 0);
  EXPECT_GT(rounds, 0);
  // Every round that ended was announced, and only once.
  const std::vector<Outcome> outcomes = RecordedOutcomes();
  EXPECT_EQ(outcomes.size(), static_cast<std::size_t>(rounds));
  for (const Outcome &outcome : outcomes) {
    EXPECT_EQ(outcome.window, RecordingWindow(1));
    EXPECT_TRUE(outcome.message == WM_MAZE_FINISHED || outcome.message == WM_MAZE_EATEN ||
                outcome.message == WM_MAZE_EXIT_EATEN)
        << outcome;
  }
}

} // namespace
