"""The maze as a player sees it: read tile by tile off a screenshot, then searched for paths."""

from collections import deque

from art import EMPTY, EXIT, MONSTER, PLAYER, TILE

ROWS, COLS = 20, 30
KEYS = {(0, -1): "Left", (0, 1): "Right", (-1, 0): "Up", (1, 0): "Down"}


class Unreadable(Exception):
    pass


class Board:
    def __init__(self, left, top, pieces):
        self.left = left  # left[r][c]: the wall on the left of cell (r, c) stands
        self.top = top
        self.pieces = pieces  # piece name -> (row, column)

    @property
    def player(self):
        return self.pieces[PLAYER]

    @property
    def monster(self):
        return self.pieces[MONSTER]

    @property
    def exit(self):
        return self.pieces[EXIT]

    def open_between(self, cell, step):
        (r, c), (dr, dc) = cell, step
        nr, nc = r + dr, c + dc
        if not (0 <= nr < ROWS and 0 <= nc < COLS):
            return False
        if dc:
            return not self.left[r][max(c, nc)]
        return not self.top[max(r, nr)][c]

    def neighbours(self, cell):
        for step in KEYS:
            if self.open_between(cell, step):
                yield (cell[0] + step[0], cell[1] + step[1])

    def path(self, start, goal):
        """The cells from start to goal inclusive along the shortest way, or None."""
        before = {start: None}
        queue = deque([start])
        while queue:
            cell = queue.popleft()
            if cell == goal:
                way = []
                while cell is not None:
                    way.append(cell)
                    cell = before[cell]
                return way[::-1]
            for n in self.neighbours(cell):
                if n not in before:
                    before[n] = cell
                    queue.append(n)
        return None

    def reachable_without(self, start, barrier):
        """Every cell reachable from start without entering barrier."""
        seen = {start}
        queue = deque([start])
        while queue:
            for n in self.neighbours(queue.popleft()):
                if n != barrier and n not in seen:
                    seen.add(n)
                    queue.append(n)
        return seen

    def opening_count(self):
        return sum(1 for r in range(ROWS) for c in range(COLS) for s in ((0, 1), (1, 0))
                   if self.open_between((r, c), s))


def keys_along(way):
    return [KEYS[(b[0] - a[0], b[1] - a[1])] for a, b in zip(way, way[1:])]


def read_board(image, client_origin, art):
    """The board in the maze window whose client area starts at client_origin; Unreadable when a
    tile is no exact copy of a tile image or the pieces are not one of each (a paint caught half
    way)."""
    x0, y0 = client_origin
    left = [[False] * COLS for _ in range(ROWS)]
    top = [[False] * COLS for _ in range(ROWS)]
    found = {EMPTY: [], PLAYER: [], MONSTER: [], EXIT: []}
    strange = []
    for r in range(ROWS):
        for c in range(COLS):
            tile = art.tiles.get(image.block(x0 + c * TILE, y0 + r * TILE, TILE, TILE))
            if tile is None:
                strange.append((r, c))
                continue
            left[r][c], top[r][c], piece = tile
            found[piece].append((r, c))
    if strange:
        raise Unreadable(f"{len(strange)} cells match no tile, first at row {strange[0][0]}, "
                         f"column {strange[0][1]}")
    for piece in (PLAYER, MONSTER, EXIT):
        if len(found[piece]) != 1:
            raise Unreadable(f"{len(found[piece])} cells show the {piece}")
    return Board(left, top, {p: found[p][0] for p in (PLAYER, MONSTER, EXIT)})
