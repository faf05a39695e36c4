"""Runs the program headless in an Xvfb of its own and saves PNG screenshots of the clock dialog,
a maze round under way and an outcome box:

    snapshot.py --exe clockmaze.exe --inspector e2e_inspector.exe --art res/art --out DIR"""

import argparse
import os
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree

from game import Game  # noqa: E402
from images import crop, write_png  # noqa: E402
from plans import plan_finish  # noqa: E402
from scenarios import expect_box, new_round  # noqa: E402
from session import Session, program_options, run_tool, wait_for  # noqa: E402


def save(session, window, path):
    left, top, right, bottom = window["rect"]
    write_png(crop(session.shot(), left, top, right - left, bottom - top), path)
    print(f"snapshot: {path}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    program_options(parser)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="clockmaze-snapshot.") as work:
        with Session("snapshot", args.inspector, work) as session:
            game = Game(session, args.exe, args.art)
            dialog = game.start()
            game.focus_dialog()
            wait_for(game.buttons_drawn, 10, "the dialog's buttons to be drawn")
            save(session, dialog, os.path.join(args.out, "clock.png"))

            # A round under way: the player has walked a little, the monster has set out.
            maze, board, keys = new_round(game, plan_finish, "a walk to the exit", 20)
            start = board.monster
            game.steer(["space"] + keys[:3])
            game.wait_board(maze, lambda b: b.monster != start, 10, "the monster under way")
            save(session, maze, os.path.join(args.out, "maze.png"))

            # An ending: the player walks on to the exit.
            game.steer(keys[3:], delay_ms=20)
            expect_box(game, maze, "finish", 30)
            save(session, maze, os.path.join(args.out, "outcome.png"))
    return 0


if __name__ == "__main__":
    run_tool("snapshot", main)
