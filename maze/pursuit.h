// The monster's pursuit: which way it steps next along a shortest path to the player.
#pragma once

#include "maze/moves.h"

// No step: the player cannot be reached. A move in this direction leaves the monster in place.
constexpr Direction DIR_NONE = static_cast<Direction>(4);

// A breadth-first search from the monster's cell numbers the cells by distance until it takes the
// player's cell, then a walk back from the player down the numbers yields the monster's first
// step. Every distance mark is reset first, so nothing of an earlier call counts. Reads only
// context->maze; the caller holds the maze's lock whenever another thread may touch it. A failed
// allocation releases the queue and passes to the caller.
Direction ChaseDirection(MonsterContext *context);
