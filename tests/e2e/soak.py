"""Plays many rounds in a row on one running program and watches it for leaks and hangs:

    soak.py --exe clockmaze.exe --inspector e2e_inspector.exe --art res/art [--rounds 200]
            [--mix close,finish,caught] [--work DIR]

Each round is a play command, a few keys, then the maze window's close box or an ending of the
kinds in --mix. Every 10 rounds it samples the program's handles, threads, windows and memory
as Wine reports them); at the end it checks that the face still reads as the
local time and that closing the dialog ends the program with code 0. Exits non-zero on a hang,
a crash or growth beyond noise."""

import argparse
import os
import random
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree

from board import keys_along  # noqa: E402
from clock import seconds_of_day  # noqa: E402
from game import Game, expect  # noqa: E402
from plans import plan_caught, plan_finish, walk_away  # noqa: E402
from session import Failure, Session, program_options, run_tool, wait_for  # noqa: E402

# Wine takes the working set and the page-file figure from the Linux process's status (its resident
# and its data memory); GetGuiResources is unimplemented there and reading the GDI table needs
# ReadProcessMemory, which the emulator's address offset defeats, so gdi reads -1: unavailable.
FIELDS = ("handles", "threads", "windows", "gdi", "workingSet", "pagefile")


def sample(game):
    stats = game.session.process(game.program.pid)
    return {k: stats[k] for k in FIELDS}


def play_round(game, kind, rng):
    """One round; the kind it ended as."""
    if rng.random() < 0.5:
        game.session.key("Return")
    else:
        game.click_button(game.dialog_buttons()[1])
    maze = game.wait_maze()
    board = game.read_board(maze)
    game.session.wait_focus(maze)
    keys = {"finish": plan_finish, "caught": plan_caught}.get(kind, lambda b: None)(board)
    if keys is None:
        kind = "close"
        # A few steps away from the monster, closed before it can come near.
        keys = keys_along(walk_away(board, rng.randint(1, 4))) or ["space"]
    game.steer(keys, delay_ms=20)
    if kind == "close":
        game.session.click(*game.close_box_point(maze))
    else:
        box, texts, buttons = game.wait_box(maze, 60)
        game.dismiss_box(buttons)
    game.wait_maze_gone(timeout=15)
    game.session.wait_focus(game.dialog)
    return kind


def grew(first, last, field, allowance):
    return last[field] - first[field] > allowance


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    program_options(parser)
    parser.add_argument("--rounds", type=int, default=200)
    parser.add_argument("--mix", default="close,finish,caught")
    parser.add_argument("--work", default=None)
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    kinds = args.mix.split(",")
    seed = args.seed if args.seed is not None else int(time.time())
    rng = random.Random(seed)
    work = args.work or tempfile.mkdtemp(prefix="clockmaze-soak.")
    counts = {}
    samples = []
    started = time.monotonic()
    with Session("soak", args.inspector, work) as session:
        game = Game(session, args.exe, args.art)
        game.start()
        samples.append((0, sample(game)))
        try:
            for round_number in range(1, args.rounds + 1):
                kind = play_round(game, rng.choice(kinds), rng)
                counts[kind] = counts.get(kind, 0) + 1
                if round_number % 10 == 0 or round_number in (1, args.rounds):
                    samples.append((round_number, sample(game)))
                    print(f"soak: round {round_number}: " + ", ".join(f"{k} {v}" for k, v in samples[-1][1].items()),
                          flush=True)
        except Failure as failure:
            path = session.save_shot(os.path.join(work, "soak-failure.png"))
            raise Failure(f"round {round_number}: {failure}; screenshot: {path}") from None
        face = wait_for(lambda: (lambda f: f if seconds_of_day(f) is not None else None)(game.read_face()), 10,
                        "the face to read as a time after the soak")
        took = time.monotonic() - started
        # Under Wine on the emulator each thread's life leaves memory behind in any process; the
        # inspector measures how much in its own, so that the program's growth can be judged.
        calibration = session.inspector.ask("threadcost 400", timeout=300)
        thread_cost = (calibration["pagefileAfter"] - calibration["pagefileBefore"]) / calibration["threads"]
        acted = time.monotonic()
        game.click_button(game.dialog_buttons()[2])
        exit_took = game.wait_exit("closing after the soak", acted)

    first, warm, last = samples[0][1], samples[1][1], samples[-1][1]
    print(f"soak: {args.rounds} rounds in {took:.0f} s (seed {seed}): " +
          ", ".join(f"{k} {v}" for k, v in sorted(counts.items())))
    print("soak: figure        at start    after round 1   at the end   min..max after round 1")
    for field in FIELDS:
        values = [s[field] for n, s in samples[1:]]
        print(f"soak: {field:12} {first[field]:>11} {warm[field]:>15} {last[field]:>12}   {min(values)}..{max(values)}")
    print(f"soak: face after the soak {face}; exit code 0 {exit_took:.2f} s after \"Закрыть\"")
    rounds = args.rounds - 1
    growth = (last["pagefile"] - warm["pagefile"]) / rounds
    print(f"soak: memory grew {growth / 1024:.1f} KiB a round after round 1; a thread that does nothing leaves "
          f"{thread_cost / 1024:.1f} KiB behind here, and each round starts two (the game thread and the ticker)")
    # Noise: the heap and Wine's caches settle over the first rounds; a leak of one object a
    # round would add a round's worth.
    expect(not grew(warm, last, "handles", 10), f"handles grew from {warm['handles']} to {last['handles']}")
    expect(not grew(warm, last, "threads", 1), f"threads grew from {warm['threads']} to {last['threads']}")
    expect(not grew(warm, last, "windows", 1), f"windows grew from {warm['windows']} to {last['windows']}")
    expect(growth <= 2 * max(thread_cost, 0) + 4096,
           f"memory grew {growth / 1024:.1f} KiB a round, more than the two threads a round leave behind")
    return 0


if __name__ == "__main__":
    run_tool("soak", main)
