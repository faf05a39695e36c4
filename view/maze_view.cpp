#include "view/maze_view.h"

#include "maze/grid.h"
#include "view/gdi.h"

Maze *paintedMaze = nullptr;

void PaintMaze(HDC paintDC, HWND window) {
  Maze *maze = paintedMaze;
  if (maze == nullptr)
    return;
  const std::lock_guard guard(maze->lock);

  const MemoryDC memory(paintDC);
  RECT client;
  if (!GetClientRect(window, &client))
    return;

  // Declared after the context, so the context gets its own bitmap back before it is deleted.
  BitmapSelection selection(memory.Get());
  // Every cell on every paint, whatever part needs it: the paint context clips the rest. Tiles do
  // not overlap, so they go slot by slot: one selection per slot in use instead of one per cell,
  // for selecting costs far more than copying.
  for (int slot = 0; slot < TILE_SLOTS; ++slot) {
    bool selected = false;
    for (std::int32_t row = 0; row < maze->rowCount; ++row) {
      for (std::int32_t col = 0; col < maze->colCount; ++col) {
        const Cell *cell = CellAt(*maze, row, col);
        if (cell == nullptr || TileSlot(*cell) != slot)
          continue;
        if (!selected)
          selection.Select(maze->tiles[slot]);
        selected = true;
        BitBlt(paintDC, client.left + TILE_SIZE * col, client.top + TILE_SIZE * row, TILE_SIZE, TILE_SIZE,
               memory.Get(), 0, 0, SRCCOPY);
      }
    }
  }
}
