"""Playing the program as a person would, on top of a Session: opening rounds, reading the board
and the message boxes, steering, closing."""

import time

from art import Art
from board import Unreadable, read_board
from clock import read_clock, seconds_of_day
from session import Failure, wait_for

MAZE_SIZE = (969, 675)
BOX_CLASS = "#32770"  # dialogs, message boxes among them


def centred(desktop_size, window_size):
    """Where a window of that size goes centred on the desktop, halving toward zero."""
    return tuple(int((d - w) / 2) for d, w in zip(desktop_size, window_size))


class Game:
    """The program running in a session: its dialog, and the maze window and boxes it opens."""

    def __init__(self, session, exe, art_dir):
        self.session = session
        self.exe = exe
        self.art = art_dir if isinstance(art_dir, Art) else Art(art_dir)
        self.program = None
        self.dialog = None

    # The program and its dialog.

    def start(self):
        """Starts the program and waits until its dialog shows on the screen, face and all, as a
        user waits to see a window before clicking on it."""
        self.program, self.dialog = self.session.launch(self.exe)
        wait_for(lambda: seconds_of_day(self.read_face()) is not None, 20, "the dialog's face on the screen")
        return self.dialog

    def own_windows(self):
        return self.session.windows(self.program.pid)

    def dialog_buttons(self):
        return {c["id"]: c for c in self.session.children(self.dialog) if c["class"] == "Button"}

    def focus_dialog(self):
        """Activates the dialog with a click on its face, as a user would before typing into it."""
        x, y = self.dialog["client"][:2]
        self.session.click(x + 200, y + 10)
        self.session.wait_focus(self.dialog)

    def buttons_drawn(self, image=None):
        """Whether both buttons show on the screen: more than their background colour in them."""
        image = image or self.session.shot()
        for button in self.dialog_buttons().values():
            left, top, right, bottom = button["rect"]
            block = image.block(left, top, right - left, bottom - top)
            if block is None or len({block[i:i + 3] for i in range(0, len(block), 3)}) < 3:
                return False
        return True

    def read_face(self, image=None):
        image = image or self.session.shot()
        return read_clock(image, self.dialog["client"][:2], self.art)

    def close_box_point(self, window):
        point = self.session.inspector.ask(f"closebox {window['hwnd']}")
        return point["x"], point["y"]

    def click_button(self, button):
        left, top, right, bottom = button["rect"]
        self.session.click((left + right) // 2, (top + bottom) // 2)

    def wait_exit(self, what, since, limit=3.0):
        """Waits for the program to end after a close action taken at since (a time.monotonic());
        Failure unless it ends with code 0 within limit seconds of it."""
        code = self.program.wait_exit(timeout=max(0.0, since + limit - time.monotonic()))
        took = time.monotonic() - since
        if code is None:
            raise Failure(f"{what}: the program was still running {limit:.0f} s later")
        if code != 0:
            raise Failure(f"{what}: the program exited with code {code}, not 0")
        return took

    # Rounds.

    def maze_windows(self):
        return [w for w in self.own_windows() if w["class"] == "MAZE"]

    def wait_maze(self, timeout=30):
        maze = self.session.wait_window(lambda w: w["class"] == "MAZE" and w["visible"]
                                        and w["pid"] == self.program.pid, timeout,
                                        'the maze window "MAZE"', self.program)
        return maze

    def play_by_enter(self):
        self.session.key("Return")
        return self.wait_maze()

    def move_maze(self, maze, dx, dy, good_enough):
        """Drags the maze window by its caption by dx, dy, as a user moves it off the dialog it
        covers (a window stays above the window that owns it), until good_enough(rect) holds; a
        drag that lands off the mark is corrected. The window as it then stands."""
        goal = [maze["rect"][0] + dx, maze["rect"][1] + dy]
        seen = []

        def still():
            seen.append([w for w in self.maze_windows() if w["hwnd"] == maze["hwnd"]])
            if not seen[-1]:
                raise Failure("the maze window vanished while being dragged")
            return len(seen) > 1 and seen[-1][0]["rect"] == seen[-2][0]["rect"]
        for attempt in range(5):
            seen.clear()
            wait_for(still, 10, "the maze window to come to rest", interval=0.1)
            now = seen[-1]
            if attempt > 0 and good_enough(now[0]["rect"]):
                return now[0]
            left, top = now[0]["rect"][:2]
            grip = (left + 300, now[0]["client"][1] - 8)
            self.session.drag(grip, (grip[0] + goal[0] - left, grip[1] + goal[1] - top))
        raise Failure(f"the maze window could not be dragged to {goal[0]}, {goal[1]}: it is at {now[0]['rect'][:2]}")

    def uncover_dialog(self, maze):
        """Drags the maze window down until the dialog shows whole above it."""
        below = self.dialog["rect"][3] + 8
        return self.move_maze(maze, 0, below - maze["rect"][1],
                              lambda rect: below <= rect[1] <= self.session.desktop[1] - 60)

    def restore_maze(self, moved, where):
        """Drags the maze window back to where it was, near enough to show the whole board."""
        width, height = self.session.desktop
        return self.move_maze(moved, where["rect"][0] - moved["rect"][0], where["rect"][1] - moved["rect"][1],
                              lambda rect: 0 <= rect[0] and rect[2] <= width and 0 <= rect[1] and rect[3] <= height)

    def wait_maze_gone(self, timeout=10):
        try:
            wait_for(lambda: not self.maze_windows(), timeout, "the maze window to close")
        except Failure as failure:
            left = [(w["class"], w["text"], "visible" if w["visible"] else "hidden") for w in self.own_windows()]
            raise Failure(f"{failure}; the program's windows: {left}") from None

    def close_round(self, maze):
        """Ends the round with the maze window's close box."""
        self.session.click(*self.close_box_point(maze))
        self.wait_maze_gone()

    def read_board(self, maze, timeout=10):
        """The board shown in the maze window, from the first screenshot that shows a settled one."""
        failures = []

        def readable():
            try:
                return read_board(self.session.shot(), maze["client"][:2], self.art)
            except Unreadable as e:
                failures.append(str(e))
                return None
        try:
            return wait_for(readable, timeout, "a readable board", interval=0.1)
        except Failure:
            raise Failure(f"the maze window shows no board made of the tile images: {failures[-1]}")

    def wait_board(self, maze, condition, timeout, what):
        """The first settled board for which condition holds."""
        def look():
            try:
                board = read_board(self.session.shot(), maze["client"][:2], self.art)
            except Unreadable:
                return None
            return board if condition(board) else None
        return wait_for(look, timeout, what, interval=0.05)

    def steer(self, keys, delay_ms=40):
        self.session.key(*keys, delay_ms=delay_ms)

    # The outcome boxes.

    def wait_box(self, maze, timeout):
        box = self.session.wait_window(lambda w: w["class"] == BOX_CLASS and w["owner"] == maze["hwnd"]
                                       and w["visible"], timeout, "an outcome box", self.program)
        controls = self.session.children(box)
        texts = [c["text"] for c in controls if c["class"] == "Static" and c["text"]]
        buttons = [c for c in controls if c["class"] == "Button"]
        return box, texts, buttons

    def dismiss_box(self, buttons):
        """Clicks the box's OK button."""
        ok = [b for b in buttons if b["text"] in ("OK", "ОК")]
        if len(buttons) != 1 or not ok:
            raise Failure(f"the box has buttons {[b['text'] for b in buttons]}, not one OK button")
        self.click_button(ok[0])


def expect(condition, message):
    if not condition:
        raise Failure(message)


__all__ = ["Game", "MAZE_SIZE", "centred", "expect", "Failure", "wait_for"]
