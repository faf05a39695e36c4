#include "maze/cell_list.h"

#include "maze/random.h"

std::int32_t RandomIndex(std::int32_t n) {
  if (n >= RANDOM_MAX)
    return 0;
  return DrawRandom() % n;
}

bool Append(CellList &list, CellNode *node) noexcept {
  if (node == nullptr)
    return false;
  if (list.head == nullptr) {
    list.head = node;
  } else {
    CellNode *last = list.head;
    while (last->nextNode != nullptr)
      last = last->nextNode;
    last->nextNode = node;
  }
  node->nextNode = nullptr;
  ++list.nodeCount;
  return true;
}

CellNode *PickRandom(CellList &list) {
  const auto index = static_cast<std::uint32_t>(RandomIndex(static_cast<std::int32_t>(list.nodeCount)));
  if (index >= list.nodeCount || list.head == nullptr)
    return nullptr;
  CellNode *node = list.head;
  for (std::uint32_t step = 0; step < index && node != nullptr; ++step)
    node = node->nextNode;
  return node;
}

bool Remove(CellNode *node, CellList &list) noexcept {
  if (list.head == nullptr)
    return false;
  CellNode *previous = nullptr;
  CellNode *current = list.head;
  while (current != nullptr && current != node) {
    previous = current;
    current = current->nextNode;
  }
  if (current == nullptr)
    return false; // not in this list: leave it unchanged
  if (previous == nullptr)
    list.head = current->nextNode;
  else
    previous->nextNode = current->nextNode;
  delete current;
  --list.nodeCount;
  return true;
}

void Clear(CellList &list) noexcept {
  while (list.head != nullptr)
    Remove(list.head, list);
}
