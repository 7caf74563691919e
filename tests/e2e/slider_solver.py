#!/usr/bin/env python3
"""Shortest solution of a slider puzzle, for the end-to-end tests.

Reads the board in reading order from the arguments (tile numbers, -1 for the hole) and
prints the cells to click, one reading-order index per line, each sliding one tile into
the hole, until every tile is home and the hole is in the bottom-right corner."""
import math
import sys
from collections import deque


def solve(board):
    n = math.isqrt(len(board))
    goal = tuple(list(range(n * n - 1)) + [-1])
    start = tuple(board)
    came_from = {start: None}
    queue = deque([start])
    while queue:
        state = queue.popleft()
        if state == goal:
            break
        hole = state.index(-1)
        row, col = divmod(hole, n)
        for dr, dc in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            r, c = row + dr, col + dc
            if 0 <= r < n and 0 <= c < n:
                cell = r * n + c
                after = list(state)
                after[hole], after[cell] = after[cell], after[hole]
                after = tuple(after)
                if after not in came_from:
                    came_from[after] = (state, cell)
                    queue.append(after)
    if goal not in came_from:
        sys.exit("no solution")
    clicks = []
    state = goal
    while came_from[state] is not None:
        state, cell = came_from[state]
        clicks.append(cell)
    return reversed(clicks)


if __name__ == "__main__":
    for cell in solve([int(value) for value in sys.argv[1:]]):
        print(cell)
