// The monster's pursuit: small drawn mazes for the cases that matter, carved ones for the whole.
#include "maze/grid.h"
#include "maze/pursuit.h"
#include "tests/rules/recorder.h"
#include "tests/rules/test_mazes.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

struct ChaseCase {
  const char *name;
  std::vector<std::string_view> picture;
  Direction expected;
};

const ChaseCase CHASE_CASES[] = {
    {"BesideRightWallOpen", {"+---+---+", "| M   P |", "+---+---+"}, DIR_RIGHT},
    {"BesideLeftWallOpen", {"+---+---+", "| P   M |", "+---+---+"}, DIR_LEFT},
    {"BesideBelowWallOpen", {"+---+", "| M |", "+   +", "| P |", "+---+"}, DIR_DOWN},
    {"BesideAboveWallOpen", {"+---+", "| P |", "+   +", "| M |", "+---+"}, DIR_UP},
    {"BesideRightWallStandingDetourBelow",
     {"+---+---+", "| M | P |", "+   +   +", "|       |", "+---+---+"},
     DIR_DOWN},
    {"BesideLeftWallStandingDetourAbove",
     {"+---+---+", "|       |", "+   +   +", "| P | M |", "+---+---+"},
     DIR_UP},
    {"BesideBelowWallStandingDetourRight",
     {"+---+---+", "| M     |", "+---+   +", "| P     |", "+---+---+"},
     DIR_RIGHT},
    {"BesideAboveWallStandingDetourLeft",
     {"+---+---+", "|     P |", "+   +---+", "|     M |", "+---+---+"},
     DIR_LEFT},
    {"ThroughTheExit", {"+---+---+---+", "| M   E   P |", "+---+---+---+"}, DIR_RIGHT},
    // Two shortest paths: the walk back from the player tries below, left, right, above, so it
    // goes left first and reaches the monster from below it.
    {"TwoShortestPathsWalkBackDecides",
     {"+---+---+", "| M     |", "+   +   +", "|     P |", "+---+---+"},
     DIR_DOWN},
    {"PlayerWalledOff", {"+---+---+---+", "| M   E | P |", "+---+---+---+"}, DIR_NONE},
};

class ChaseTable : public testing::TestWithParam<ChaseCase> {};

TEST_P(ChaseTable, FirstStepAlongShortestPath) {
  TestMaze test;
  DrawMaze(test.maze, GetParam().picture);
  MonsterContext context{&test.maze, nullptr};
  EXPECT_EQ(ChaseDirection(&context), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ChaseTable, testing::ValuesIn(CHASE_CASES),
                         [](const auto &tested) { return std::string(tested.param.name); });

class MonsterStepTest : public testing::Test {
protected:
  void SetUp() override { ClearRecordedOutcomes(); }

  TestMaze test;
  MonsterContext context{&test.maze, RecordingWindow(2)};
};

// With the exit on the only path and the player standing still, the monster walks up to the exit
// and eats it; it never stands on it, and nothing comes after.
TEST_F(MonsterStepTest, ExitOnOnlyPathGetsEaten) {
  DrawMaze(test.maze, {
                          "+---+---+---+---+",
                          "| M       E   P |",
                          "+---+---+---+---+",
                      });
  MonsterStep(&context);
  EXPECT_EQ(test.maze.monster, At(test.maze, {0, 1}));
  EXPECT_EQ(RecordedOutcomes(), std::vector<Outcome>{});

  MonsterStep(&context);
  MonsterStep(&context);
  EXPECT_EQ(RecordedOutcomes(), (std::vector<Outcome>{{context.window, WM_MAZE_EXIT_EATEN, 0, 0}}));
  EXPECT_EQ(test.maze.monster, At(test.maze, {0, 1}));
  EXPECT_EQ(At(test.maze, {0, 1})->occupant, OCC_MONSTER);
  EXPECT_EQ(At(test.maze, {0, 2})->occupant, OCC_EXIT);
}

TEST_F(MonsterStepTest, UnreachablePlayerLeavesMonsterInPlace) {
  DrawMaze(test.maze, {
                          "+---+---+---+",
                          "| M   E | P |",
                          "+---+---+---+",
                      });
  MonsterStep(&context);
  EXPECT_EQ(test.maze.monster, At(test.maze, {0, 0}));
  EXPECT_EQ(At(test.maze, {0, 0})->occupant, OCC_MONSTER);
  EXPECT_EQ(RecordedOutcomes(), std::vector<Outcome>{});
}

// The direction of the first step along the unique path, reckoned apart from the pursuit.
std::uint32_t ExpectedStep(const Maze &maze, Position monster, Position player) {
  const PathLengths toPlayer = StepsFrom(maze, player);
  for (std::uint32_t direction = DIR_LEFT; direction <= DIR_DOWN; ++direction)
    if (Passable(maze, monster, direction) &&
        toPlayer.To(Beside(monster, direction)) == toPlayer.To(monster) - 1)
      return direction;
  return DIR_NONE;
}

// Marks left behind by an earlier call, by a search that stopped short, or by anything at all
// never sway a new call; afterwards every mark is 0 or one more than the steps from the monster.
TEST(ChaseDirection, StaleMarksDoNotCount) {
  TestMaze test;
  Maze &maze = test.maze;
  CarveMaze(maze, 7, 8, 10);
  MonsterContext context{&maze, nullptr};
  const Position monster{4, 5};
  maze.monster = At(maze, monster);

  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    const Position nearby = Beside(monster, round % 4 == 0 ? DIR_LEFT : DIR_RIGHT);
    const Position distant{static_cast<std::int32_t>(random() % 8), static_cast<std::int32_t>(random() % 10)};
    if (distant == monster)
      continue;
    maze.player = At(maze, nearby);
    ChaseDirection(&context); // a search that stops close by
    if (round % 2 == 1)
      for (std::int32_t row = 0; row < maze.rowCount; ++row)
        for (std::int32_t col = 0; col < maze.colCount; ++col)
          At(maze, {row, col})->distance = static_cast<std::int32_t>(random() % 100) - 20;

    maze.player = At(maze, distant);
    ASSERT_EQ(ChaseDirection(&context), ExpectedStep(maze, monster, distant)) << "round " << round;

    const PathLengths fromMonster = StepsFrom(maze, monster);
    for (std::int32_t row = 0; row < maze.rowCount; ++row) {
      for (std::int32_t col = 0; col < maze.colCount; ++col) {
        const std::int32_t mark = At(maze, {row, col})->distance;
        if (row == maze.rowCount - 1 || col == maze.colCount - 1) {
          ASSERT_EQ(mark, 0) << row << ", " << col;
        } else if (mark != 0) {
          ASSERT_EQ(mark, fromMonster.To({row, col}) + 1) << row << ", " << col;
        }
      }
    }
  }
}

// Over many carved mazes and positions, following the pursuit step by step walks the unique path
// from the monster to the player, through open walls only, in exactly its length.
TEST(ChaseDirection, FollowingItWalksTheUniquePath) {
  std::mt19937 random(2024);
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    const auto rows = static_cast<std::int32_t>(1 + random() % 12);
    const auto cols = static_cast<std::int32_t>(2 + random() % 15);
    TestMaze test;
    Maze &maze = test.maze;
    CarveMaze(maze, seed, rows, cols);
    const auto anywhere = [&] {
      return Position{static_cast<std::int32_t>(random() % rows), static_cast<std::int32_t>(random() % cols)};
    };
    const Position player = anywhere();
    Position monster = anywhere();
    while (monster == player)
      monster = anywhere();
    maze.player = At(maze, player);
    maze.monster = At(maze, monster);
    MonsterContext context{&maze, nullptr};

    const PathLengths toPlayer = StepsFrom(maze, player);
    const std::int32_t length = toPlayer.To(monster);
    std::int32_t steps = 0;
    while (monster != player && steps <= length) {
      const Direction direction = ChaseDirection(&context);
      ASSERT_TRUE(Passable(maze, monster, direction)) << "seed " << seed << ", step " << steps;
      const Position next = Beside(monster, direction);
      ASSERT_EQ(toPlayer.To(next), toPlayer.To(monster) - 1) << "seed " << seed << ", step " << steps;
      monster = next;
      maze.monster = At(maze, monster);
      ++steps;
    }
    EXPECT_EQ(steps, length) << "seed " << seed;
  }
}

// A queue node or neighbour record that cannot be made: the queue is emptied, the failure reaches
// the ticker with the lock free, and the monster has either stepped or stayed, never half-way.
TEST_F(MonsterStepTest, FailedAllocationReleasesEverything) {
  CarveMaze(test.maze, 5, 6, 7);
  test.maze.player = At(test.maze, {0, 0});
  test.maze.player->occupant = OCC_PLAYER;
  test.maze.monster = At(test.maze, {5, 6});
  test.maze.monster->occupant = OCC_MONSTER;
  const Position start{5, 6};
  const Position next = Beside(start, ExpectedStep(test.maze, start, {0, 0}));

  bool stepped = false;
  for (long allowed = 0; !stepped; ++allowed) {
    SCOPED_TRACE("failing after " + std::to_string(allowed));
    const std::int64_t live = LiveAllocations();
    try {
      const AllocationFailure failure(allowed);
      MonsterStep(&context);
      stepped = true;
    } catch (const std::bad_alloc &) {
    }
    EXPECT_EQ(LiveAllocations(), live);
    EXPECT_EQ(test.maze.monster, At(test.maze, stepped ? next : start));
    EXPECT_EQ(At(test.maze, start)->occupant, stepped ? OCC_EMPTY : OCC_MONSTER);
    ASSERT_TRUE(test.maze.lock.try_lock());
    test.maze.lock.unlock();
  }
  EXPECT_EQ(RecordedOutcomes(), std::vector<Outcome>{});
}

} // namespace
