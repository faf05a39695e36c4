"""Reading the clock face off a screenshot, glyph by glyph."""

from art import COLON_WIDTH, DIGIT_WIDTH, GLYPH_HEIGHT

FACE_TOP = 30
# Left edge and width of each of the eight glyphs of HH:MM:SS in the dialog's client area.
GLYPH_CELLS = [(28, DIGIT_WIDTH), (93, DIGIT_WIDTH), (158, COLON_WIDTH), (202, DIGIT_WIDTH),
               (267, DIGIT_WIDTH), (332, COLON_WIDTH), (376, DIGIT_WIDTH), (441, DIGIT_WIDTH)]


def read_clock(image, client_origin, art):
    """The face's text, with "?" for every position that is not an exact copy of a glyph."""
    x0, y0 = client_origin
    text = ""
    for left, width in GLYPH_CELLS:
        block = image.block(x0 + left, y0 + FACE_TOP, width, GLYPH_HEIGHT)
        text += art.glyphs.get(block, "?")
    return text


def seconds_of_day(text):
    """Seconds since midnight of an HH:MM:SS text, or None when it is not one."""
    parts = text.split(":")
    if len(parts) != 3 or not all(p.isdigit() and len(p) == 2 for p in parts):
        return None
    h, m, s = (int(p) for p in parts)
    if h > 23 or m > 59 or s > 59:
        return None
    return h * 3600 + m * 60 + s
