"""How a player reaches each ending from a board read off the screen, or why this round will not do.
The monster steps once a second along the shortest way to the player; the player's keys are taken
many times faster."""

from board import keys_along

# Keys the program takes per second, at the least, on a loaded machine; and the slack in seconds.
KEY_RATE = 4.0
SLACK = 2.0


def plan_finish(board):
    """Keys that walk the player onto the exit before the monster can cut the way, or None."""
    way = board.path(board.player, board.exit)
    if board.monster in way:
        return None
    # The monster can only meet the player where its own way joins the player's.
    joins = {cell: len(board.path(board.monster, cell)) - 1 for cell in way}
    junction = min(way, key=lambda cell: joins[cell])
    if way.index(junction) / KEY_RATE + SLACK >= joins[junction]:
        return None
    return keys_along(way)


def plan_caught(board):
    """Keys that walk the player into the monster without passing the exit, or None. The monster
    comes the other way, so the two meet somewhere on this way; the keys left over then go to the
    box, which ignores arrows."""
    way = board.path(board.player, board.monster)
    if board.exit in way:
        return None
    return keys_along(way)


def plan_waylaid(board):
    """Keys that start the monster and walk the player part of the way toward it, stopping well
    short, so that the monster's own step catches the player; None unless the way is short and
    avoids the exit."""
    keys = plan_caught(board)
    if keys is None or len(keys) > 20:
        return None
    return ["space"] + keys[:max(0, (len(keys) - 4) // 2)]


def exit_eaten_steps(board):
    """How many steps the monster needs to reach the exit when the exit lies on its only way to a
    player who stands still, or None when it does not."""
    if board.player in board.reachable_without(board.monster, board.exit):
        return None
    return len(board.path(board.monster, board.exit)) - 1


def walk_away(board, length):
    """A walk of up to length steps that neither meets the monster nor enters the exit, heading away
    from the monster; the cells, the player's first."""
    toward_monster = board.path(board.player, board.monster)[1]
    best = [board.player]
    stack = [[board.player]]
    while stack:
        way = stack.pop()
        if len(way) > len(best):
            best = way
        if len(way) > length:
            continue
        for n in board.neighbours(way[-1]):
            if n not in way and n not in (toward_monster, board.monster, board.exit):
                stack.append(way + [n])
    return best


def roomy(board):
    """True when the monster is far from the player and the player has room to walk away from
    it; None otherwise (a round to pass over)."""
    far = len(board.path(board.player, board.monster)) > 8 and len(walk_away(board, 6)) > 3
    return True if far else None
