"""The end-to-end scenarios. Each takes a Context and raises Failure on the first expectation that
is not met; every wait is on a condition, bounded by a timeout."""

import time

from board import COLS, ROWS, keys_along
from clock import seconds_of_day
from game import MAZE_SIZE, Failure, centred, expect, wait_for
from plans import exit_eaten_steps, plan_caught, plan_finish, plan_waylaid, roomy, walk_away

WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x00C00000, 0x00080000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, BS_DEFPUSHBUTTON = 0x00020000, 0x00010000, 0x1

OUTCOMES = {
    "finish": ("GREAT!", "Вы добрались до финиша!"),
    "caught": ("Печаль...", "Вас сожрали!"),
    "exit eaten": ("Печаль...", "Монстр сожрал выход!"),
}


def clock(ctx):
    """The dialog, its buttons, and a face that shows the local time and moves on each second."""
    with ctx.game() as game:
        dialog = game.start()
        buttons = game.dialog_buttons()
        expect(sorted(buttons) == [1, 2], f"the dialog's buttons have ids {sorted(buttons)}, not 1 and 2")
        expect(buttons[1]["text"] == "Играть", f'button 1 reads "{buttons[1]["text"]}", not "Играть"')
        expect(buttons[2]["text"] == "Закрыть", f'button 2 reads "{buttons[2]["text"]}", not "Закрыть"')
        expect(buttons[1]["style"] & 0xF == BS_DEFPUSHBUTTON, '"Играть" is not the default button')
        started = time.monotonic()
        wait_for(game.buttons_drawn, 10, "the buttons to show on the screen")
        ctx.note(f"buttons drawn {time.monotonic() - started:.1f} s after the dialog appeared")

        def stamped_face():
            before = time.time()
            text = game.read_face()
            return (text, before, time.time()) if seconds_of_day(text) is not None else None
        text, before, after = wait_for(stamped_face, 10, "the face to show a time made of the glyphs")
        # The face was painted at most a moment before the screenshot began.
        local = [time.strftime("%H:%M:%S", time.localtime(t)) for t in range(int(before) - 1, int(after) + 1)]
        expect(text in local, f"the face shows {text}; the local time was {local[1]} to {local[-1]}")

        # With no input at all the face moves on to the next second.
        first = wait_for(stamped_face, 5, "a readable face")

        def moved_on():
            face = stamped_face()
            return face if face and face[0] != first[0] else None
        changed = wait_for(moved_on, 5, f"the face to move on from {first[0]}")
        expect(seconds_of_day(changed[0]) == (seconds_of_day(first[0]) + 1) % 86400,
               f"the face went from {first[0]} to {changed[0]}, not to the next second")
        took = changed[1] - first[2]
        expect(took <= 1.8, f"the face took {took:.1f} s to move from {first[0]} to {changed[0]}")
        ctx.note(f"face {text} at local {time.strftime('%H:%M:%S', time.localtime(before))}; "
                 f"next second shown {took:.2f} s after the previous screenshot")


def check_maze_window(game, maze, desktop):
    expected = centred(desktop, MAZE_SIZE)
    left, top, right, bottom = maze["rect"]
    style = maze["style"]
    problems = [
        f'it is titled "{maze["text"]}", not "MAZE"' if maze["text"] != "MAZE" else None,
        f"it is at {left}, {top}, not at {expected[0]}, {expected[1]} (centred on {desktop[0]} x {desktop[1]})"
        if (left, top) != expected else None,
        f"it is {right - left} x {bottom - top}, not 969 x 675" if (right - left, bottom - top) != MAZE_SIZE else None,
        "the dialog does not own it" if maze["owner"] != game.dialog["hwnd"] else None,
        "it lacks its caption or close box" if style & WS_CAPTION != WS_CAPTION or not style & WS_SYSMENU else None,
        f"it has a sizing border or a minimise or maximise box (style {style:#x})"
        if style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX) else None,
    ]
    problems = [p for p in problems if p]
    expect(not problems, "the maze window: " + "; ".join(problems))


def check_board(game, maze):
    """Every cell an exact tile, a perfect maze with its border, the pieces apart, the border row
    and column showing as far as the window reaches."""
    board = game.read_board(maze)
    expect(board.opening_count() == ROWS * COLS - 1,
           f"the maze has {board.opening_count()} openings, not {ROWS * COLS - 1}: not a perfect maze")
    expect(len({board.player, board.monster, board.exit}) == 3, "two pieces share a cell")
    expect(all(board.top[0]) and all(row[0] for row in board.left), "the top or left border is open")
    # The extra column and row: empty cells with both walls, their strokes the right and bottom
    # border, shown as far as the client area reaches.
    border = game.art.tile_images[(True, True, "empty")]
    x0, y0, x1, y1 = maze["client"]
    width, height = min(32, x1 - (x0 + 32 * COLS)), min(32, y1 - (y0 + 32 * ROWS))
    shot = game.session.shot()
    for r in range(ROWS):
        expect(shot.block(x0 + 32 * COLS, y0 + 32 * r, width, 32) == border.block(0, 0, width, 32),
               f"the right border is not drawn beside row {r}")
    for c in range(COLS):
        expect(shot.block(x0 + 32 * c, y0 + 32 * ROWS, 32, height) == border.block(0, 0, 32, height),
               f"the bottom border is not drawn under column {c}")


def maze_window(ctx):
    """Enter and a click on "Играть" each open the centred maze window; its close box ends the round."""
    with ctx.game() as game:
        game.start()
        maze = game.play_by_enter()
        check_maze_window(game, maze, ctx.desktop)
        check_board(game, maze)
        game.close_round(maze)
        game.click_button(game.dialog_buttons()[1])
        maze = game.wait_maze()
        check_maze_window(game, maze, ctx.desktop)
        game.read_board(maze)
        ctx.shot("maze")
        game.close_round(maze)


def small_desktop(ctx):
    """On a desktop smaller than the window the window keeps its size and sticks out evenly."""
    with ctx.game(desktop=(800, 600)) as game:
        game.start()
        maze = game.play_by_enter()
        check_maze_window(game, maze, (800, 600))


def moves(ctx):
    """The monster waits for the first key, whatever it is, and steps a second after it along the
    shortest way; arrows move the player through open walls only."""
    with ctx.game() as game:
        game.start()
        maze, board, _ = new_round(game, roomy, "a monster far from the player", 20)
        # Before any key the monster stands still.
        still_until = time.monotonic() + 2.0
        while time.monotonic() < still_until:
            seen = game.read_board(maze)
            expect(seen.pieces == board.pieces, f"before any key the pieces moved: {board.pieces} to {seen.pieces}")

        # A key that is no arrow starts the monster and moves nothing.
        game.steer(["space"])
        pressed = time.monotonic()
        stamps = []

        def first_step():
            began = time.monotonic()
            seen = game.read_board(maze)
            stamps.append((began, time.monotonic(), seen))
            return seen if seen.monster != board.monster else None
        moved = wait_for(first_step, 6, "the monster's first step after the first key")
        seen_by = stamps[-1][1] - pressed
        not_before = max([began for began, _, _ in stamps[:-1]], default=pressed) - pressed
        expect(seen_by >= 0.6, f"the monster stepped within {seen_by:.2f} s of the first key, not a second after")
        expect(seen_by <= 2.5, f"the monster's first step showed only {seen_by:.1f} s after the first key")
        expect(moved.player == board.player, "the space bar moved the player")
        toward = board.path(board.monster, board.player)[1]
        expect(moved.monster == toward, f"the monster stepped to {moved.monster}, not to {toward} on its way to the player")
        ctx.note(f"first monster step between {not_before:.2f} s and {seen_by:.2f} s after the first key")

        # Arrows: at each cell of a walk every blocked direction first, then the step on.
        board = moved
        way = walk_away(board, 6)
        keys = []
        for here, there in zip(way, way[1:]):
            for step, key in (((0, -1), "Left"), ((0, 1), "Right"), ((-1, 0), "Up"), ((1, 0), "Down")):
                if not board.open_between(here, step):
                    keys.append(key)
            keys.extend(keys_along([here, there]))
        game.steer(keys)
        game.wait_board(maze, lambda b: b.player == way[-1], 10,
                        f"the player at {way[-1]} after the keys {' '.join(keys)} from {way[0]}")

        # The monster keeps stepping about once a second toward the player.
        times = []
        last = None

        def next_step():
            nonlocal last
            seen = game.read_board(maze)
            if last is not None and seen.monster != last.monster:
                expect(seen.monster == last.path(last.monster, last.player)[1],
                       f"the monster went from {last.monster} to {seen.monster}, off its shortest way")
                times.append(time.monotonic())
            last = seen
            return len(times) >= 4
        wait_for(next_step, 12, "four more monster steps")
        interval = (times[-1] - times[0]) / (len(times) - 1)
        expect(0.7 <= interval <= 1.6, f"the monster stepped every {interval:.2f} s, not about once a second")
        ctx.note(f"the monster stepped every {interval:.2f} s")
        game.close_round(maze)


def new_round(game, fits, what, attempts):
    """Plays rounds, closing each with its close box, until fits(board) gives a plan; the maze, the
    board and the plan."""
    for attempt in range(attempts):
        game.click_button(game.dialog_buttons()[1])
        maze = game.wait_maze()
        board = game.read_board(maze)
        plan = fits(board)
        if plan is not None:
            game.session.wait_focus(maze)
            return maze, board, plan
        game.close_round(maze)
    raise Failure(f"no round out of {attempts} fitted {what}")


def expect_box(game, maze, outcome, timeout):
    caption, text = OUTCOMES[outcome]
    box, texts, buttons = game.wait_box(maze, timeout)
    expect(box["text"] == caption and texts == [text],
           f'{outcome}: the box says {texts} under "{box["text"]}", not ["{text}"] under "{caption}"')
    return box, buttons


def icon_of(game, box, image):
    """The pixels of the box's icon: the picture-showing static control's."""
    for control in game.session.children(box):
        if control["class"] == "Static" and not control["text"]:
            left, top, right, bottom = control["rect"]
            if right - left >= 16:
                return image.block(left, top, right - left, bottom - top)
    raise Failure("the box shows no icon")


def short_exit_eaten(board):
    steps = exit_eaten_steps(board)
    return steps if steps is not None and steps <= 30 else None


def end_round(ctx, game, outcome, fits, what, steer, box_timeout, attempts=10):
    """Plays rounds until one fits the ending, steers to it, checks its box and dismisses it: OK
    closes the maze window. The box's icon pixels."""
    started = time.monotonic()
    ctx.current = f"the {outcome} round"
    maze, board, plan = new_round(game, fits, what, attempts)
    searched = time.monotonic() - started
    steer(plan)
    box, buttons = expect_box(game, maze, outcome, box_timeout(board, plan))
    icon = icon_of(game, box, ctx.shot(outcome.replace(" ", "-")))
    game.dismiss_box(buttons)
    game.wait_maze_gone()
    game.session.wait_focus(game.dialog)
    ctx.current = None
    return board, plan, searched, icon


def finish_round(ctx, game):
    board, keys, _, icon = end_round(ctx, game, "finish", plan_finish, "a walk to the exit the monster cannot cut",
                                     lambda k: game.steer(k, delay_ms=20), lambda b, k: 30)
    ctx.note(f"finish: {len(keys)} steps")
    return board, icon


def caught_round(ctx, game, walk_in):
    """Being caught: the player walks into the monster, or stops short and waits for it, so that
    the monster's own step raises the outcome."""
    board, keys, _, icon = end_round(ctx, game, "caught", plan_caught if walk_in else plan_waylaid,
                                     "a short way to the monster that avoids the exit",
                                     lambda k: game.steer(k, delay_ms=60), lambda b, k: 60, attempts=30)
    ctx.note(f"caught {'walking in' if walk_in else 'waiting'}: {len(board.path(board.player, board.monster)) - 1} "
             "cells apart")
    return board, icon


def outcomes(ctx):
    """Reaching the exit and being caught, each steered to from the board on the screen, with its
    box; OK closes the maze window, and the next play opens a new round."""
    with ctx.game() as game:
        game.start()
        _, finish_icon = finish_round(ctx, game)
        _, caught_icon = caught_round(ctx, game, walk_in=True)
        expect(finish_icon != caught_icon, "the finish box shows the same icon as the caught box")
        board, _ = caught_round(ctx, game, walk_in=False)

        # A round after an ending is a new one.
        maze = game.play_by_enter()
        fresh = game.read_board(maze)
        expect((fresh.left, fresh.top) != (board.left, board.top), "the new round shows the old maze")
        game.close_round(maze)


def exit_eaten(ctx):
    """The monster reaching the exit on its way to a player who stands behind it. Few rounds fit,
    so this plays rounds until one does; its box shows the same icon as the caught box."""
    with ctx.game() as game:
        game.start()
        board, steps, searched, icon = end_round(
            ctx, game, "exit eaten", short_exit_eaten, "the exit between monster and player",
            lambda s: game.steer(["space"]), lambda b, s: s * 2.0 + 10, attempts=200)
        ctx.note(f"exit eaten: {steps} monster steps, after {searched:.0f} s of looking for a round that fits")
        _, caught_icon = caught_round(ctx, game, walk_in=True)
        expect(icon == caught_icon, "the two sad boxes show different icons")


def wait_settled(game, threads, what):
    """Waits until the dialog has handled the input just given (its face has moved on, which it
    does only when idle) and the program is back to the given number of threads for a second."""
    first = game.read_face()
    wait_for(lambda: game.read_face() != first, 5, f"the dialog to repaint after {what}")
    calm = []

    def settled():
        calm.append(game.session.process(game.program.pid)["threads"] == threads)
        expect(len(game.maze_windows()) <= 1, f"{what} opened a second maze window")
        return len(calm) >= 3 and all(calm[-3:])
    wait_for(settled, 15, f"the program back to {threads} threads after {what}", interval=0.3)


def same_board(game, maze, board, what):
    seen = game.read_board(maze)
    expect((seen.left, seen.top, seen.pieces) == (board.left, board.top, board.pieces),
           f"{what} changed the open round's board")


def second_play(ctx):
    """A play command while a maze window is open shows nothing new, and the round goes on."""
    with ctx.game() as game:
        game.start()
        maze, board, _ = new_round(game, roomy, "a monster far from the player", 20)
        threads = game.session.process(game.program.pid)["threads"]
        moved = game.uncover_dialog(maze)

        game.focus_dialog()
        game.session.key("Return")
        wait_settled(game, threads, "Enter in the dialog")
        game.click_button(game.dialog_buttons()[1])
        wait_settled(game, threads, 'a click on "Играть"')
        expect([w["hwnd"] for w in game.maze_windows()] == [maze["hwnd"]], "the maze window changed")
        maze = game.restore_maze(moved, maze)
        same_board(game, maze, board, "a play command while the round was open")

        # The round goes on: the player steps, the monster starts.
        game.session.wait_focus(maze)
        way = walk_away(board, 1)
        game.steer(keys_along(way))
        game.wait_board(maze, lambda b: b.player == way[1], 10, f"the player to step to {way[1]}")
        game.wait_board(maze, lambda b: b.monster != board.monster, 5, "the monster to start")
        game.close_round(maze)

        # The class is free again: the next play opens a new window.
        game.session.wait_focus(game.dialog)
        maze = game.play_by_enter()
        game.close_round(maze)


# The states a close can come in, each reached from a fresh program as a user reaches it. The maze
# window covers the dialog that owns it and stays above it, so a user drags it aside first.

def no_round(game):
    pass


def round_waiting(game):
    game.uncover_dialog(game.play_by_enter())


def chase(game):
    maze = game.play_by_enter()
    game.session.wait_focus(maze)
    board = game.read_board(maze)
    game.steer(["space"])
    game.wait_board(maze, lambda b: b.monster != board.monster, 5, "the monster to start")
    game.uncover_dialog(maze)


def box_up(game):
    maze = game.play_by_enter()
    board = game.read_board(maze)
    maze = game.uncover_dialog(maze)
    game.session.wait_focus(maze)
    game.steer(plan_finish(board) or plan_caught(board), delay_ms=20)
    game.wait_box(maze, 90)


def monster_box_up(game):
    """The monster's own step raised the box: its ticker is still inside that step."""
    maze, board, keys = new_round(game, plan_waylaid, "a short way to the monster that avoids the exit", 30)
    maze = game.uncover_dialog(maze)
    game.session.wait_focus(maze)
    game.steer(keys, delay_ms=60)
    game.wait_box(maze, 60)


def after_second_play(game):
    maze = game.uncover_dialog(game.play_by_enter())
    threads = game.session.process(game.program.pid)["threads"]
    game.focus_dialog()
    game.session.key("Return")
    wait_settled(game, threads, "Enter in the dialog")
    expect([w["hwnd"] for w in game.maze_windows()] == [maze["hwnd"]],
           "the second play command changed the maze windows")


CLOSE_STATES = {"no round yet": no_round, "a round waiting": round_waiting, "a chase": chase,
                "an outcome box up": box_up, "a box raised by the monster's step": monster_box_up,
                "after a second play command": after_second_play}


def by_close_box(game):
    game.session.click(*game.close_box_point(game.dialog))


def by_close_button(game):
    game.click_button(game.dialog_buttons()[2])


def by_escape(game):
    game.focus_dialog()
    game.session.key("Escape")


CLOSE_ACTIONS = {"the close box": by_close_box, '"Закрыть"': by_close_button, "Esc": by_escape}


def close_paths(states):
    """Closing the dialog each way from each of the given states ends the program with code 0
    within 3 s."""
    def scenario(ctx):
        with ctx.game() as game:
            for state in states:
                for action, act in CLOSE_ACTIONS.items():
                    game.start()
                    CLOSE_STATES[state](game)
                    what = f"closing with {action} from {state}"
                    ctx.current = what
                    expect(game.program.exit_code() is None, f"the program ended before {what}")
                    acted = time.monotonic()
                    act(game)
                    took = game.wait_exit(what, acted)
                    ctx.note(f"{what}: exit code 0 after {took:.2f} s")
    return scenario


SCENARIOS = {
    "clock": clock,
    "maze_window": maze_window,
    "small_desktop": small_desktop,
    "moves": moves,
    "outcomes": outcomes,
    "exit_eaten": exit_eaten,
    "second_play": second_play,
    "close_idle": close_paths(["no round yet", "a round waiting", "after a second play command"]),
    "close_playing": close_paths(["a chase", "an outcome box up", "a box raised by the monster's step"]),
}
