"""The program's own art, read from the BMP files it is built from: the clock glyphs and the maze
tiles, each keyed by its exact pixels so that a block of a screenshot names what it shows."""

import os

from images import read_bmp

EMPTY, MONSTER, PLAYER, EXIT = "empty", "monster", "player", "exit"
# Wall strokes a tile draws: (left wall, top wall).
WALL_FORMS = {"left": (True, False), "left_top": (True, True), "open": (False, False), "top": (False, True)}
PIECES = (EMPTY, EXIT, PLAYER, MONSTER)

DIGIT_WIDTH, COLON_WIDTH, GLYPH_HEIGHT = 65, 44, 99
TILE = 32


class Art:
    def __init__(self, directory):
        self.glyphs = {}  # pixels -> "0".."9" or ":"
        self.glyph_images = {}
        for ch, name in [(str(d), f"digit{d}.bmp") for d in range(10)] + [(":", "colon.bmp")]:
            image = read_bmp(os.path.join(directory, name))
            self.glyphs[image.rgb] = ch
            self.glyph_images[ch] = image
        self.tiles = {}  # pixels -> (left wall, top wall, piece)
        self.tile_images = {}
        for walls, (left, top) in WALL_FORMS.items():
            for piece in PIECES:
                image = read_bmp(os.path.join(directory, f"tile_{walls}_{piece}.bmp"))
                if (image.width, image.height) != (TILE, TILE):
                    raise ValueError(f"tile_{walls}_{piece}.bmp is {image.width} x {image.height}")
                self.tiles[image.rgb] = (left, top, piece)
                self.tile_images[(left, top, piece)] = image
