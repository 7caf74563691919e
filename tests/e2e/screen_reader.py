#!/usr/bin/python3
"""Reads the game's board as a screen reader does, over AT-SPI, around one move by key.

Finds the running game (the application named by the first argument), reads the names of
its board's cells and its status bar, presses the key named by the second argument with
xdotool while listening for what the game announces, and reads them again. Prints all of it
and fails unless the board is a table of N x N cells, the move renamed exactly the cells
whose tiles it moved, announced those and the focus cell, and the moves went up by one."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    sys.exit("FAIL: " + message)


def find(node, role):
    """The first node of the role at or below node, breadth first."""
    queue = [node]
    while queue:
        node = queue.pop(0)
        if node is None:
            continue
        if node.getRole() == role:
            return node
        queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return None


def application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    fail(f"no application named {name} on the accessibility bus")


def names(node):
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]


app = application(sys.argv[1])
board = find(app, pyatspi.ROLE_TABLE)
status = find(app, pyatspi.ROLE_STATUS_BAR)
if board is None or status is None:
    fail("no board table or no status bar")
table = board.queryTable()
cells = table.nRows * table.nColumns
if board.childCount != cells or table.nRows != table.nColumns:
    fail(f"the board has {board.childCount} cells for {table.nRows} x {table.nColumns}")
before, status_before = names(board), names(status)
print("board:", board.name, f"({table.nRows} x {table.nColumns})")
print("status before:", status_before)
print("cells before:", before)

renamed, focused = [], []


def heard(event):
    if event.source.getRole() != pyatspi.ROLE_TABLE_CELL:
        return  # the status bar's labels are renamed too, as the clock runs
    if event.type.startswith("object:property-change:accessible-name"):
        renamed.append(event.source.name)
    elif event.detail1:
        focused.append(event.source.name)
    if len(renamed) >= 2 and focused:  # a slide's two cells at least, and the focus
        GLib.idle_add(stop)


def press():
    subprocess.run(["xdotool", "key", sys.argv[2]], check=True)
    GLib.timeout_add(5000, stop)  # what has not come by then never comes
    return False


def stop():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(
    heard, "object:property-change:accessible-name", "object:state-changed:focused")
GLib.idle_add(press)
pyatspi.Registry.start()

after, status_after = names(board), names(status)
print("cells after:", after)
print("status after:", status_after)
print("announced cells:", renamed)
print("announced focus:", focused)
changed = [i for i in range(cells) if before[i] != after[i]]
if len(changed) < 2:
    fail(f"the key renamed {len(changed)} cells; a slide renames two at least")
if sorted(renamed) != sorted(after[i] for i in changed):
    fail("what was announced is not what the move renamed")
if "Empty cell" not in focused:
    fail("the focus cell, the hole after a slide, was not announced")
if status_after[0] == status_before[0]:
    fail("the moves in the status bar did not change")
print("screen_reader: read")
