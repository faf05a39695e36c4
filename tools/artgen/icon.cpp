#include "tools/artgen/icon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace artgen {

namespace {

constexpr int kColumns = 7;
constexpr int kRows = 5;
constexpr int kDoorRow = 2; // the way in on the left and out on the right

// Which inner walls still stand after carving a fixed maze, the same at every size and in every run.
struct Plan {
  std::array<std::array<bool, kColumns>, kRows> right{}; // wall to the right of a cell
  std::array<std::array<bool, kColumns>, kRows> below{}; // wall below a cell
};

Plan Carve() {
  Plan plan;
  for (auto &row : plan.right)
    row.fill(true);
  for (auto &row : plan.below)
    row.fill(true);
  std::array<std::array<bool, kColumns>, kRows> seen{};
  std::uint32_t state = 20240607u;
  const auto next = [&state](std::uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 16) % bound;
  };
  // Randomised Prim: grow from the door by opening a random wall on the frontier, which gives
  // the short branches of a real maze rather than one long winding corridor.
  struct Wall {
    int row, col, toRow, toCol;
  };
  std::vector<Wall> frontier;
  const auto visit = [&](int row, int col) {
    seen[row][col] = true;
    for (const auto &[dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      const int r = row + dr;
      const int c = col + dc;
      if (r >= 0 && r < kRows && c >= 0 && c < kColumns && !seen[r][c])
        frontier.push_back({row, col, r, c});
    }
  };
  visit(kDoorRow, 0);
  while (!frontier.empty()) {
    const std::size_t pick = next(static_cast<std::uint32_t>(frontier.size()));
    const Wall wall = frontier[pick];
    frontier.erase(frontier.begin() + static_cast<std::ptrdiff_t>(pick));
    if (seen[wall.toRow][wall.toCol])
      continue;
    if (wall.toRow != wall.row)
      plan.below[std::min(wall.row, wall.toRow)][wall.col] = false;
    else
      plan.right[wall.row][std::min(wall.col, wall.toCol)] = false;
    visit(wall.toRow, wall.toCol);
  }
  return plan;
}

} // namespace

Image DrawIcon(int size) {
  Image icon(size, size);
  const double cell = size / 8.0;
  const double top = size / 8.0;
  const double bottom = size - top;
  const double line = std::max(1.0, std::round(size / 48.0));
  const double left = std::floor((size - kColumns * cell - line) / 2);
  const double first = top + std::floor((bottom - top - kRows * cell - line) / 2);

  Fill(icon, {0, top, double(size), bottom}, Rectangle({0, top, double(size), bottom}), Colour{255, 255, 0});

  std::vector<Bounds> walls;
  const auto x = [&](int col) { return left + col * cell; };
  const auto y = [&](int row) { return first + row * cell; };
  const auto horizontal = [&](int row, int col) {
    walls.push_back({x(col), y(row), x(col + 1) + line, y(row) + line});
  };
  const auto vertical = [&](int row, int col) {
    walls.push_back({x(col), y(row), x(col) + line, y(row + 1) + line});
  };
  const Plan plan = Carve();
  for (int col = 0; col < kColumns; ++col) {
    horizontal(0, col);
    horizontal(kRows, col);
  }
  for (int row = 0; row < kRows; ++row) {
    if (row != kDoorRow) {
      vertical(row, 0);
      vertical(row, kColumns);
    }
    for (int col = 0; col < kColumns; ++col) {
      if (col + 1 < kColumns && plan.right[row][col])
        vertical(row, col + 1);
      if (row + 1 < kRows && plan.below[row][col])
        horizontal(row + 1, col);
    }
  }
  const Paint ink = Linear({0, top}, {0, bottom}, {112, 112, 0}, {8, 8, 0});
  for (const Bounds &wall : walls)
    Fill(icon, wall, Rectangle(wall), ink);
  return icon;
}

} // namespace artgen
