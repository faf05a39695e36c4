#include "maze/cell_list.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "tests/maze/maze_fixture.h"
#include "tests/support/allocation.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// A list of nodes for the given cells, cleared when the test ends.
struct ListFixture {
  Cell cells[4]{};
  CellList list{};
  ClearOnExit clear{list};

  CellNode *add(int index) {
    auto *node = new CellNode{&cells[index], nullptr};
    EXPECT_TRUE(Append(list, node));
    return node;
  }

  std::vector<const Cell *> order() const {
    std::vector<const Cell *> cellsInOrder;
    for (const CellNode *node = list.head; node != nullptr; node = node->nextNode)
      cellsInOrder.push_back(node->cell);
    return cellsInOrder;
  }
};

TEST(CellList, AppendLinksAtTheTail) {
  ListFixture f;
  EXPECT_FALSE(Append(f.list, nullptr));
  EXPECT_EQ(f.list.nodeCount, 0u);
  CellNode *first = f.add(0);
  EXPECT_EQ(f.list.head, first);
  EXPECT_EQ(f.list.nodeCount, 1u);
  f.add(1);
  f.add(2);
  EXPECT_EQ(f.list.nodeCount, 3u);
  EXPECT_EQ(f.order(), (std::vector<const Cell *>{&f.cells[0], &f.cells[1], &f.cells[2]}));
}

TEST(CellList, RemoveUnlinksWhereverTheNodeStands) {
  struct Case {
    int length, removed;
    std::vector<int> left;
  };
  for (const Case &tc : {Case{1, 0, {}}, Case{3, 0, {1, 2}}, Case{3, 1, {0, 2}}, Case{3, 2, {0, 1}}}) {
    const auto before = LiveAllocations();
    ListFixture f;
    std::vector<CellNode *> nodes;
    for (int i = 0; i < tc.length; ++i)
      nodes.push_back(f.add(i));
    EXPECT_TRUE(Remove(nodes[tc.removed], f.list));
    EXPECT_EQ(LiveAllocations(), before + static_cast<std::int64_t>(nodes.capacity() > 0) + tc.length - 1);
    std::vector<const Cell *> expected;
    for (int i : tc.left)
      expected.push_back(&f.cells[i]);
    EXPECT_EQ(f.order(), expected) << tc.length << " " << tc.removed;
    EXPECT_EQ(f.list.nodeCount, tc.left.size());
  }
}

TEST(CellList, RemoveRefusesAnEmptyListAndAStrangeNode) {
  ListFixture f;
  CellNode stranger{&f.cells[3], nullptr};
  EXPECT_FALSE(Remove(&stranger, f.list));
  f.add(0);
  f.add(1);
  EXPECT_FALSE(Remove(&stranger, f.list));
  EXPECT_EQ(f.list.nodeCount, 2u);
  EXPECT_EQ(f.order(), (std::vector<const Cell *>{&f.cells[0], &f.cells[1]}));
}

TEST(CellList, ClearFreesEveryNode) {
  const auto before = LiveAllocations();
  CellList list{};
  Clear(list);
  EXPECT_EQ(list.head, nullptr);
  Cell cell{};
  for (int i = 0; i < 5; ++i)
    Append(list, new CellNode{&cell, nullptr});
  EXPECT_EQ(LiveAllocations(), before + 5);
  Clear(list);
  EXPECT_EQ(list.nodeCount, 0u);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(LiveAllocations(), before);
}

TEST(CellList, ClearOnExitEmptiesTheListWhenAnExceptionPasses) {
  const auto before = LiveAllocations();
  Cell cell{};
  EXPECT_THROW(
      {
        CellList list{};
        ClearOnExit clear{list};
        Append(list, new CellNode{&cell, nullptr});
        throw std::bad_alloc();
      },
      std::bad_alloc);
  EXPECT_EQ(LiveAllocations(), before);
}

TEST(CellList, PickRandomOfOneNodeStillDraws) {
  ListFixture f;
  f.add(0);
  const auto expected = Draws(7, 2);
  SeedRandom(7);
  EXPECT_EQ(PickRandom(f.list), f.list.head);
  EXPECT_EQ(DrawRandom(), expected[1]);
}

TEST(CellList, PickRandomWalksToTheDrawnIndex) {
  ListFixture f;
  for (int i = 0; i < 4; ++i)
    f.add(i);
  const auto draws = Draws(99, 1);
  SeedRandom(99);
  EXPECT_EQ(PickRandom(f.list)->cell, &f.cells[draws[0] % 4]);
}

TEST(Random, IsTheClassicLinearCongruentialSequence) {
  EXPECT_EQ(Draws(1, 5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
  for (int value : Draws(0xdeadbeef, 1000)) {
    EXPECT_GE(value, 0);
    EXPECT_LE(value, RANDOM_MAX);
  }
}

TEST(Random, IndexCutsOffAt32767WithoutADraw) {
  struct Case {
    std::int32_t n;
    int draws;
  };
  for (const Case &tc : {Case{1, 1}, Case{2, 1}, Case{600, 1}, Case{32766, 1}, Case{32767, 0}, Case{40000, 0}}) {
    const auto expected = Draws(12345, 2);
    SeedRandom(12345);
    const std::int32_t index = RandomIndex(tc.n);
    EXPECT_EQ(index, tc.draws == 1 ? expected[0] % tc.n : 0) << tc.n;
    EXPECT_EQ(DrawRandom(), expected[tc.draws]) << tc.n;
  }
}

TEST(Random, EachThreadHasItsOwnState) {
  const auto expected = Draws(5, 3);
  SeedRandom(5);
  DrawRandom();
  std::thread other([] {
    SeedRandom(6);
    DrawRandom();
    DrawRandom();
  });
  other.join();
  EXPECT_EQ(DrawRandom(), expected[1]);
  EXPECT_EQ(DrawRandom(), expected[2]);
}

} // namespace
