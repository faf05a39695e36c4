// The one container of the game: a singly linked list of cell references, used as the maze's
// inMaze and frontier lists, the candidates of a generation step and the pursuit's queue.
// A list owns its nodes, never its cells. Every operation walks from head.
#pragma once

#include <cstdint>

struct Cell;

struct CellNode {
  Cell *cell;
  CellNode *nextNode;
};

struct CellList {
  std::uint32_t nodeCount;
  CellNode *head;
};

// A random index below n (n >= 1), drawing one value; n of 32767 or more yields 0 without a draw.
std::int32_t RandomIndex(std::int32_t n);

// Links a node made by the caller at the tail; false (and nothing changed) for no node.
bool Append(CellList &list, CellNode *node) noexcept;

// A node of a non-empty list, left in place; none only when the count and the chain disagree.
CellNode *PickRandom(CellList &list);

// Unlinks and frees the node; false when the list is empty or the node is not in it.
bool Remove(CellNode *node, CellList &list) noexcept;

// Frees every node.
void Clear(CellList &list) noexcept;

// Clears a list declared inside an operation when the operation ends, also by an exception.
struct ClearOnExit {
  CellList &list;
  ~ClearOnExit() { Clear(list); }
};
