"""Runs end-to-end scenarios of the real program under Wine:

    run.py --exe clockmaze.exe --inspector e2e_inspector.exe --art res/art --work DIR SCENARIO...

Each scenario gets an Xvfb, a Wine prefix and a virtual desktop of its own. On a failure it says
which scenario, what was expected, and where the screenshot of that moment is; either way every
process it started is ended."""

import argparse
import contextlib
import os
import sys
import time
import traceback

sys.dont_write_bytecode = True  # no __pycache__ in the source tree

from art import Art  # noqa: E402
from game import Game  # noqa: E402
from scenarios import SCENARIOS  # noqa: E402
from session import Failure, Session, end_on_sigterm, program_options  # noqa: E402


class Context:
    def __init__(self, args, name, art):
        self.args = args
        self.name = name
        self.art = art
        self.desktop = None
        self.session = None
        self.current = None
        self.notes = []

    @contextlib.contextmanager
    def game(self, desktop=(1280, 1024)):
        self.desktop = desktop
        with Session(self.name, self.args.inspector, self.args.work, desktop) as session:
            self.session = session
            try:
                yield Game(session, self.args.exe, self.art)
            except Exception as failure:
                path = os.path.join(self.args.work, f"{self.name}-failure.png")
                try:
                    session.save_shot(path)
                except Exception as e:  # the screenshot is a help, not the verdict
                    path = f"none ({e})"
                where = f" ({self.current})" if self.current else ""
                if not isinstance(failure, Failure):
                    failure = "".join(traceback.format_exception(failure)).rstrip()
                raise Failure(f"{failure}{where}; screenshot: {path}") from None

    def shot(self, label):
        image = self.session.shot()
        self.session.save_shot(os.path.join(self.args.work, f"{self.name}-{label}.png"), image)
        return image

    def note(self, text):
        self.notes.append(text)
        print(f"  {self.name}: {text}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    program_options(parser)
    parser.add_argument("--work", required=True)
    parser.add_argument("scenarios", nargs="+", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    end_on_sigterm()
    os.makedirs(args.work, exist_ok=True)
    art = Art(args.art)
    failed = 0
    for name in args.scenarios:
        started = time.monotonic()
        try:
            SCENARIOS[name](Context(args, name, art))
            print(f"e2e {name}: passed in {time.monotonic() - started:.0f} s", flush=True)
        except Failure as failure:
            failed += 1
            print(f"e2e {name}: FAILED after {time.monotonic() - started:.0f} s: {failure}", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
