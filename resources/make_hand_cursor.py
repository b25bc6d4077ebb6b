#!/usr/bin/env python3
"""Draws the link cursor (a pointing hand, 32 x 32, black outline, white
fill) and writes it as a monochrome Windows cursor file, hand.cur.

Run from anywhere: python3 resources/make_hand_cursor.py
"""
import os
import struct

# '#' outline (black), 'o' fill (white), '.' transparent.
HAND = [
    "......##........................",
    ".....#oo#.......................",
    ".....#oo#.......................",
    ".....#oo#.......................",
    ".....#oo#.......................",
    ".....#oo###.....................",
    ".....#oo#oo###..................",
    ".....#oo#oo#oo##................",
    ".....#oo#oo#oo#o#...............",
    "..##.#oo#oo#oo#oo#..............",
    ".#oo##oooooooooooo#.............",
    ".#ooo#oooooooooooo#.............",
    "..#oo#oooooooooooo#.............",
    "...#ooooooooooooooo#............",
    "...#ooooooooooooooo#............",
    "....#oooooooooooooo#............",
    "....#ooooooooooooo#.............",
    ".....#oooooooooooo#.............",
    ".....#ooooooooooo#..............",
    "......#oooooooooo#..............",
    "......#oooooooooo#..............",
    "......############..............",
] + ["." * 32] * 10

HOTSPOT = (6, 0)  # the tip of the index finger
SIZE = 32


def masks():
    """The AND and XOR masks, rows bottom-up, 4 bytes per row."""
    and_rows, xor_rows = [], []
    for line in reversed(HAND):
        assert len(line) == SIZE, line
        and_bits = xor_bits = 0
        for ch in line:
            and_bits <<= 1
            xor_bits <<= 1
            if ch == ".":
                and_bits |= 1          # screen shows through
            elif ch == "o":
                xor_bits |= 1          # white
        and_rows.append(struct.pack(">I", and_bits))
        xor_rows.append(struct.pack(">I", xor_bits))
    return b"".join(and_rows), b"".join(xor_rows)


def cursor_file():
    and_mask, xor_mask = masks()
    # The image's height counts both masks.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(and_mask) + len(xor_mask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    assert len(HAND) == SIZE
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hand.cur")
    with open(out, "wb") as f:
        f.write(cursor_file())


if __name__ == "__main__":
    main()
