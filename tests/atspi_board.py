#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game's board over AT-SPI, as a screen reader does, slides a tile with an
arrow key and reads the board again; on the way, reads the window's icon as window managers do.
The game runs on a display, session bus and accessibility bus of its own, with its settings in a
temporary folder. Usage: atspi_board.py GAME"""

import os
import re
import subprocess
import sys
import tempfile
import time


def wait_for(what, condition, timeout=60.0):
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: no {what} within {timeout} s")
        time.sleep(0.005)
    return result


def run(game, env, children):
    read_end, write_end = os.pipe()
    # Without -noreset the server starts afresh whenever its last client leaves, as the
    # accessibility bus launcher does early on, and refuses connections meanwhile.
    children.append(subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        env["DISPLAY"] = ":" + display.readline().strip()
    bus = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, check=True,
                         capture_output=True, text=True).stdout
    env.update(re.findall(r"^(DBUS_SESSION_BUS_\w+)='?([^';\n]*)", bus, re.M))
    children.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                     env=env, stderr=subprocess.DEVNULL))
    os.environ.update(env)
    import pyatspi  # on the accessibility bus of the session above

    game_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    if "ASAN_OPTIONS" in env:
        supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_board.supp")
        game_env["ASAN_OPTIONS"] += ":suppressions=" + supp
    player = subprocess.Popen([game], cwd=os.path.dirname(game), env=game_env)
    children.append(player)

    def board():
        if player.poll() is not None:
            sys.exit(f"FAIL: the game ended with status {player.returncode}")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == player.pid:
                return pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)

    table = wait_for("board on the accessibility bus", board)
    cells = lambda: [table.getChildAtIndex(i).name for i in range(table.childCount)]
    before = cells()
    print(f"{table.name}, before:", before)

    # Slide the tile beside the empty square into it, from the right where there is one.
    empty = before.index("empty")
    row, column = divmod(empty, 3)
    beside = empty + 1 if column < 2 else empty - 1
    expected = list(before)
    expected[beside] = "empty"
    expected[empty] = re.sub(r"row \d, column \d", f"row {row + 1}, column {column + 1}",
                             before[beside])

    # The board view has the keyboard focus from the start, and the window gets it from the
    # window manager; on this display there is none, so the test gives it.
    window = wait_for("game window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(player.pid)],
        env=env, capture_output=True, text=True).stdout.split())
    subprocess.run(["xdotool", "windowfocus", window[0]], env=env, check=True)

    # The window carries the game's icon for window managers and task bars: an image of each size
    # that the source's icons come in.
    icon = subprocess.run(["xprop", "-len", "99999999", "-id", window[0], "-notype", "32c",
                           "_NET_WM_ICON"], env=env, capture_output=True, text=True).stdout
    values = [int(value) for value in icon.partition("=")[2].split(",") if value.strip()]
    sizes = []
    while len(values) > 2:
        sizes.append(f"{values[0]}x{values[1]}")
        values = values[2 + values[0] * values[1]:]
    icons = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "icons", "hicolor")
    drawn = sorted(size for size in os.listdir(icons) if re.fullmatch(r"\d+x\d+", size))
    if sorted(sizes) != drawn:
        sys.exit(f"FAIL: window icons {sizes}, expected {drawn}")
    wait_for("focus on the board", lambda: table.getState().contains(pyatspi.STATE_FOCUSED))
    pyatspi.Registry.generateKeyboardEvent(0xFF51 if beside > empty else 0xFF53, None,
                                           pyatspi.KEY_SYM)  # Left, Right
    after = wait_for("move", lambda: (names := cells()) != before and names)
    print("after:", after)
    if after != expected:
        sys.exit(f"FAIL: expected {expected}")

    # "exit" ends the game as the player would, so that it may report what it leaked.
    button = pyatspi.findDescendant(table.getApplication(), lambda a: a.name == "exit")
    button.queryAction().doAction(0)
    if wait_for("end of the game", lambda: player.poll() is not None) and player.returncode:
        sys.exit(f"FAIL: the game ended with status {player.returncode}")


def main():
    started = time.monotonic()
    children = []
    with tempfile.TemporaryDirectory(prefix="plivora-atspi-") as home:
        env = dict(os.environ, PLIVORA_IIO_DEVICES=os.path.join(home, "iio"))
        for name in ("CONFIG", "DATA", "CACHE", "RUNTIME"):
            env[f"XDG_{name}_" + ("DIR" if name == "RUNTIME" else "HOME")] = path = \
                os.path.join(home, name.lower())
            os.mkdir(path, 0o700)
        os.mkdir(env["PLIVORA_IIO_DEVICES"])
        try:
            run(os.path.abspath(sys.argv[1]), env, children)
        finally:
            for child in reversed(children):
                child.terminate()
                child.wait()
            if "DBUS_SESSION_BUS_PID" in env:
                os.kill(int(env["DBUS_SESSION_BUS_PID"]), 15)
    print(f"PASS in {time.monotonic() - started:.2f} s")


if __name__ == "__main__":
    main()
