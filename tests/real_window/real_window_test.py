#!/usr/bin/env python3
"""The game as a player meets it: the real window on a real (virtual) X
display with a window manager. Starts the built game in a fixture folder,
reads the board off screenshots, deals an easy board from the menu, clicks a
group, waits for it to settle, switches the grid off from the menu, closes
the window through the window manager and checks the data.ini it wrote.

Run under xvfb-run:  xvfb-run -a -s '-screen 0 1024x768x24' real_window_test.py GAME
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

CELL = 16
PICTURE = (0, 120, 60)


def texture_colour(code):
    return (20 * code + 10, 40, 100)


BOARD_COLOURS = {texture_colour(code) for code in range(10)} | {PICTURE}


def bmp(width, height, colour):
    row = bytes((colour[2], colour[1], colour[0])) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def make_folder():
    folder = tempfile.mkdtemp(prefix="lumera-window-")
    files = {
        "history.txt": b"\xc8\xf1\xf2\xee\xf0\xe8\xff\r\n",
        "config.ini": b"1\r\n0\r\n",
        "data.ini": b"0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n",
        "pic/1.bmp": bmp(512, 512, PICTURE),
    }
    for i in range(10):
        files["img/1/%d.bmp" % i] = bmp(16, 16, texture_colour(i))
    for name, data in files.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
    return folder


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def screenshot():
    """The whole screen as (width, height, rows of RGB bytes)."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                          capture_output=True).stdout
    parts = data.split(maxsplit=4)
    width, height = int(parts[1]), int(parts[2])
    pixels = parts[4]
    return lambda x, y: tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]), width, height


def find_board(pixel, width, height):
    """Top left pixel of the board: the first pixel of texture 1's colour,
    or None while there is none on the screen."""
    for y in range(height):
        for x in range(width):
            if pixel(x, y) == texture_colour(1):
                return x, y
    return None


def until(what, timeout=15.0):
    """Asks `what` again and again until it gives a true value or the time
    runs out; returns what it gave last."""
    deadline = time.monotonic() + timeout
    while True:
        value = what()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


def board_on_screen(origin):
    pixel, _, _ = screenshot()
    return read_board(pixel, origin)


def board_when(origin, holds):
    """The board on the screen if it satisfies `holds`, else None."""
    board = board_on_screen(origin)
    return board if holds(board) else None


def menu_open(origin):
    """Whether a menu lies over the board's top left corner."""
    pixel, _, _ = screenshot()
    return all(pixel(origin[0] + dx, origin[1] + 8) not in BOARD_COLOURS for dx in (40, 60, 80))


def read_board(pixel, origin):
    codes = {texture_colour(code): code for code in range(10)}
    codes[PICTURE] = 9
    board = {}
    for x in range(32):
        for y in range(32):
            colour = pixel(origin[0] + x * CELL + 8, origin[1] + y * CELL + 8)
            board[x, y] = codes.get(colour, -1)
    return board


def group_of(board, start):
    code = board[start]
    seen, todo = {start}, [start]
    while todo:
        x, y = todo.pop()
        for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if n in board and n not in seen and board[n] == code:
                seen.add(n)
                todo.append(n)
    return seen


def key(*keys):
    run("xdotool", "key", "--delay", "100", *keys)


def main():
    game = os.path.abspath(sys.argv[1])
    folder = make_folder()
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    until(lambda: subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0)
    errors = tempfile.TemporaryFile()
    player = subprocess.Popen([game], cwd=folder, stdout=subprocess.DEVNULL, stderr=errors)
    failures = []

    def check(condition, what):
        print(("ok      " if condition else "FAILED  ") + what)
        if not condition:
            failures.append(what)

    try:
        window = run("timeout", "60", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^Лумера$").split()[0]
        origin = until(lambda: find_board(*screenshot()))
        if origin is None:
            check(False, "the board appears on the screen")
            return 1
        board = until(lambda: board_when(origin, lambda b: all(code == 1 for code in b.values())))
        check(board is not None, "the first board is code 1 in every cell")
        pixel, _, _ = screenshot()
        check(pixel(origin[0] + 550, origin[1] + 300) == (0, 0, 0), "the status panel is black")

        geometry = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
        menu_bar = (int(geometry["X"]) + 12, origin[1] - 10)
        run("xdotool", "mousemove", str(menu_bar[0]), str(menu_bar[1]), "click", "1")
        check(until(lambda: menu_open(origin)), "the Файл menu opens over the board")
        key("Down", "Down", "Right", "Return")  # Файл, Случайное поле, Легкая
        board = until(lambda: board_when(origin, lambda b: set(b.values()) == {1, 2, 3}))
        check(board is not None, "the easy board holds three colours")
        if board is None:
            return 1

        start = next((cell for cell in sorted(board) if len(group_of(board, cell)) > 1), None)
        check(start is not None, "the board has a group to remove")
        if start is None:
            return 1
        group = group_of(board, start)
        run("xdotool", "mousemove", str(origin[0] + start[0] * CELL + 8), str(origin[1] + start[1] * CELL + 8),
            "click", "1")
        # The group rises as bubbles, the column closes up; then the board
        # stays still, with the removed cells showing the picture.
        settled = until(lambda: board_when(
            origin, lambda b: 7 not in b.values() and list(b.values()).count(9) == len(group)))
        check(settled is not None, "the %d removed cells rise away and show the picture" % len(group))

        run("xdotool", "mousemove", str(menu_bar[0]), str(menu_bar[1]), "click", "1")
        check(until(lambda: menu_open(origin)), "the menu opens again")
        key("Right", "Return")  # Опции opens on its first item, Отключить cетку
        check(until(lambda: not menu_open(origin)), "the menu closes on the choice")
        run("wmctrl", "-i", "-c", window)
        player.wait(timeout=15)
        check(player.returncode == 0, "the game ends when its window is closed")
        with open(os.path.join(folder, "data.ini"), "rb") as saved:
            check(saved.read() == b"1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n", "data.ini holds the grid switched off")
    finally:
        if player.poll() is None:
            player.kill()
        if failures:
            errors.seek(0)
            sys.stdout.write(errors.read().decode(errors="replace")[-4000:])
        manager.kill()
        shutil.rmtree(folder, ignore_errors=True)
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
