// One step of either mover, case by case, and the single outcome of a round.
#include "maze/moves.h"
#include "maze/pursuit.h"
#include "tests/rules/recorder.h"
#include "tests/rules/test_mazes.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

enum class Wall { Standing, Open };
enum class Holds { Nothing, Exit, OtherPiece };
enum class Result { Stays, Moves, ReachesExit, Eats };

struct StepCase {
  const char *name;
  Position from; // in a 3 x 3 maze
  std::uint32_t direction;
  Wall wall;    // the wall the step crosses, border included; for no direction, every wall
  Holds target; // what stands where the step leads, the extra row or column included
  Result result;
};

constexpr std::uint32_t NO_DIRECTION = 4;

const StepCase STEP_CASES[] = {
    {"LeftIntoEmptyCell", {1, 1}, DIR_LEFT, Wall::Open, Holds::Nothing, Result::Moves},
    {"RightIntoEmptyCell", {1, 1}, DIR_RIGHT, Wall::Open, Holds::Nothing, Result::Moves},
    {"UpIntoEmptyCell", {1, 1}, DIR_UP, Wall::Open, Holds::Nothing, Result::Moves},
    {"DownIntoEmptyCell", {1, 1}, DIR_DOWN, Wall::Open, Holds::Nothing, Result::Moves},
    {"LeftAgainstWall", {1, 1}, DIR_LEFT, Wall::Standing, Holds::Nothing, Result::Stays},
    {"RightAgainstWall", {1, 1}, DIR_RIGHT, Wall::Standing, Holds::Nothing, Result::Stays},
    {"UpAgainstWall", {1, 1}, DIR_UP, Wall::Standing, Holds::Nothing, Result::Stays},
    {"DownAgainstWall", {1, 1}, DIR_DOWN, Wall::Standing, Holds::Nothing, Result::Stays},
    {"OffLeftEdge", {1, 0}, DIR_LEFT, Wall::Open, Holds::Nothing, Result::Stays},
    {"OffTopEdge", {0, 1}, DIR_UP, Wall::Open, Holds::Nothing, Result::Stays},
    {"OffRightEdgeOntoExitInExtraColumn", {1, 2}, DIR_RIGHT, Wall::Open, Holds::Exit, Result::Stays},
    {"OffBottomEdgeOntoPieceInExtraRow", {2, 1}, DIR_DOWN, Wall::Open, Holds::OtherPiece, Result::Stays},
    {"RightIntoExit", {1, 1}, DIR_RIGHT, Wall::Open, Holds::Exit, Result::ReachesExit},
    {"UpIntoExit", {1, 1}, DIR_UP, Wall::Open, Holds::Exit, Result::ReachesExit},
    {"ExitBehindWall", {1, 1}, DIR_DOWN, Wall::Standing, Holds::Exit, Result::Stays},
    {"LeftOntoOtherPiece", {1, 1}, DIR_LEFT, Wall::Open, Holds::OtherPiece, Result::Eats},
    {"DownOntoOtherPiece", {1, 1}, DIR_DOWN, Wall::Open, Holds::OtherPiece, Result::Eats},
    {"OtherPieceBehindWall", {1, 1}, DIR_RIGHT, Wall::Standing, Holds::OtherPiece, Result::Stays},
    {"DirectionFour", {1, 1}, NO_DIRECTION, Wall::Open, Holds::Nothing, Result::Stays},
    {"DirectionAllOnes", {1, 1}, 0xFFFFFFFFu, Wall::Open, Holds::Nothing, Result::Stays},
};

// What the step table needs to know of a mover, and how to step it.
struct Mover {
  const char *name;
  Cell *Maze::*piece;
  Cell *Maze::*other;
  std::int32_t code;
  std::int32_t otherCode;
  UINT exitMessage;
  int window;
  void (*step)(MonsterContext &context, std::uint32_t direction);
};

const Mover PLAYER{"Player",
                   &Maze::player,
                   &Maze::monster,
                   OCC_PLAYER,
                   OCC_MONSTER,
                   WM_MAZE_FINISHED,
                   1,
                   [](MonsterContext &, std::uint32_t direction) { MovePlayer(direction); }};
const Mover MONSTER{
    "Monster",
    &Maze::monster,
    &Maze::player,
    OCC_MONSTER,
    OCC_PLAYER,
    WM_MAZE_EXIT_EATEN,
    2,
    [](MonsterContext &context, std::uint32_t direction) { MoveMonster(&context, direction); }};

// A round as the maze window publishes it: the player's maze and window, the ticker's record.
class RulesTest : public testing::Test {
protected:
  void SetUp() override {
    ClearRecordedOutcomes();
    playerMaze = &test.maze;
    outcomeWindow = RecordingWindow(1);
    context = {&test.maze, RecordingWindow(2)};
  }
  void TearDown() override {
    playerMaze = nullptr;
    outcomeWindow = nullptr;
  }

  // Every cell's occupant, the extra row and column included.
  std::map<std::pair<int, int>, std::int32_t> Occupants() const {
    std::map<std::pair<int, int>, std::int32_t> occupants;
    for (std::int32_t row = 0; row < test.maze.rowCount; ++row)
      for (std::int32_t col = 0; col < test.maze.colCount; ++col)
        if (const std::int32_t occupant = At(test.maze, {row, col})->occupant; occupant != OCC_EMPTY)
          occupants[{row, col}] = occupant;
    return occupants;
  }

  TestMaze test;
  MonsterContext context{};
};

class StepTable : public RulesTest,
                  public testing::WithParamInterface<std::tuple<const Mover *, StepCase>> {};

void OpenWall(Maze &maze, Position from, std::uint32_t direction) {
  if (direction == DIR_LEFT)
    At(maze, from)->leftWall = 0;
  else if (direction == DIR_UP)
    At(maze, from)->topWall = 0;
  else if (direction == DIR_RIGHT)
    At(maze, Beside(from, direction))->leftWall = 0;
  else
    At(maze, Beside(from, direction))->topWall = 0;
}

TEST_P(StepTable, MovesOrAnnouncesOrStays) {
  const auto &[mover, step] = GetParam();
  Maze &maze = test.maze;
  WallMaze(maze, 3, 3);
  const bool valid = step.direction <= DIR_DOWN;
  const Position target = Beside(step.from, step.direction);
  if (step.wall == Wall::Open && valid) {
    OpenWall(maze, step.from, step.direction);
  } else if (step.wall == Wall::Open) {
    for (std::int32_t row = 0; row < maze.rowCount; ++row)
      for (std::int32_t col = 0; col < maze.colCount; ++col)
        *At(maze, {row, col}) = {0, 0, BUILD_UNREACHED, OCC_EMPTY, 0};
  }

  // The pieces the step does not aim at stand in corners out of its way.
  std::vector<Position> spare;
  for (const Position corner : {Position{0, 0}, Position{2, 2}, Position{0, 2}, Position{2, 0}})
    if (corner != step.from && !(valid && corner == target))
      spare.push_back(corner);
  const Position other = step.target == Holds::OtherPiece ? target : spare[0];
  const Position exit = step.target == Holds::Exit ? target : spare[1];
  At(maze, step.from)->occupant = mover->code;
  maze.*mover->piece = At(maze, step.from);
  At(maze, other)->occupant = mover->otherCode;
  maze.*mover->other = At(maze, other);
  At(maze, exit)->occupant = OCC_EXIT;

  mover->step(context, step.direction);

  const Position stands = step.result == Result::Moves ? target : step.from;
  const std::map<std::pair<int, int>, std::int32_t> expectedOccupants{
      {{stands.row, stands.col}, mover->code},
      {{other.row, other.col}, mover->otherCode},
      {{exit.row, exit.col}, OCC_EXIT}};
  EXPECT_EQ(Occupants(), expectedOccupants);
  EXPECT_EQ(maze.*mover->piece, At(maze, stands));
  EXPECT_EQ(maze.*mover->other, At(maze, other));

  std::vector<Outcome> expectedOutcomes;
  const HWND window = RecordingWindow(mover->window);
  if (step.result == Result::ReachesExit)
    expectedOutcomes.push_back({window, mover->exitMessage, 0, 0});
  else if (step.result == Result::Eats)
    expectedOutcomes.push_back({window, WM_MAZE_EATEN, 0, 0});
  EXPECT_EQ(RecordedOutcomes(), expectedOutcomes);
  EXPECT_EQ(maze.outcome, expectedOutcomes.empty() ? 0u : expectedOutcomes[0].message);
}

INSTANTIATE_TEST_SUITE_P(BothMovers, StepTable,
                         testing::Combine(testing::Values(&PLAYER, &MONSTER), testing::ValuesIn(STEP_CASES)),
                         [](const auto &tested) {
                           return std::string(std::get<0>(tested.param)->name) + "_" +
                                  std::get<1>(tested.param).name;
                         });

// Once a step has decided the outcome, nothing moves and nothing is sent again, whoever steps:
// a monster step that comes while the first box is up raises no second one.
TEST_F(RulesTest, RoundAnnouncesOneOutcomeOnly) {
  DrawMaze(test.maze, {
                          "+---+---+---+",
                          "| E   P   M |",
                          "+---+---+---+",
                      });
  MovePlayer(DIR_LEFT);
  const auto occupants = Occupants();

  MoveMonster(&context, DIR_LEFT);
  MonsterStep(&context);
  MovePlayer(DIR_LEFT);
  MovePlayer(DIR_RIGHT);

  EXPECT_EQ(RecordedOutcomes(), (std::vector<Outcome>{{RecordingWindow(1), WM_MAZE_FINISHED, 0, 0}}));
  EXPECT_EQ(Occupants(), occupants);
  EXPECT_EQ(test.maze.player, At(test.maze, {0, 1}));
  EXPECT_EQ(test.maze.monster, At(test.maze, {0, 2}));
}

// The neighbour record is made first, for every direction; when it cannot be, the failure
// reaches the caller with the maze unchanged and its lock free.
TEST_F(RulesTest, FailedNeighbourRecordLeavesMazeAsItWas) {
  DrawMaze(test.maze, {
                          "+---+---+---+---+",
                          "|   P       M   |",
                          "+---+---+---+---+",
                      });
  const auto occupants = Occupants();
  for (const Mover *mover : {&PLAYER, &MONSTER}) {
    for (const std::uint32_t direction : {std::uint32_t{DIR_RIGHT}, NO_DIRECTION}) {
      SCOPED_TRACE(std::string(mover->name) + " direction " + std::to_string(direction));
      const std::int64_t live = LiveAllocations();
      {
        const AllocationFailure failure(0);
        EXPECT_THROW(mover->step(context, direction), std::bad_alloc);
      }
      EXPECT_EQ(LiveAllocations(), live);
      EXPECT_EQ(Occupants(), occupants);
      ASSERT_TRUE(test.maze.lock.try_lock());
      test.maze.lock.unlock();
    }
  }
  EXPECT_EQ(RecordedOutcomes(), std::vector<Outcome>{});
}

} // namespace
