#!/usr/bin/env python3
"""Draws Pictavo's own icon with the editor's operations (pictavo-cli edit) and renders it.

Writes data/icons/pictavo.ico (24-bit), pictavo-<size>.png for the icon theme sizes and
pictavo.svg (one square per cell, so it scales without blur). Only the standard library
is used. Usage: scripts/draw-icon.py [PATH-TO-pictavo-cli]   (default build/pictavo-cli)
"""
import pathlib
import struct
import subprocess
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "data" / "icons"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

NAVY, WHITE, PAPER_SHADE = "1B2A6B", "FFFFFF", "D8DEE9"
BLOCKS = ("E8342E", "F6C026", "3DAE49", "2F6FD8", "B34FC5", "28B8C8")
EDGE, BODY, BODY_SHADE = "6B4A0A", "F7C531", "D99A12"
WOOD, LEAD, BAND, ERASER = "F2D3A2", "2B2B2B", "B9C0C8", "EE7C95"


def sheet():
    """A sheet of paper with a dark frame, a shaded fold and blocks of colour."""
    ops = ["--color", WHITE, "--tool", "BoxFill", "--drag", "1,4:24,29",
           "--color", NAVY, "--tool", "Box", "--drag", "1,4:24,29",
           "--color", PAPER_SHADE, "--tool", "Line", "--drag", "2,28:23,28"]
    for i, colour in enumerate(BLOCKS):
        col, row = 4 + (i % 3) * 6, 7 + (i // 3) * 6
        ops += ["--color", colour, "--tool", "BoxFill", "--drag", f"{col},{row}:{col + 4},{row + 4}"]
    return ops


def pencil_cell_colour(across, along):
    """Colour at `across` (-3..3, edge to edge) and `along` (0 = the point, in half-cell steps)."""
    if along <= 9:  # the sharpened cone: wood with the lead at its point
        half = (along + 1) / 3
        if abs(across) > half:
            return None
        if along <= 3:
            return LEAD
        return EDGE if abs(across) > half - 1 and abs(across) >= 2 else WOOD
    if abs(across) == 3:
        return EDGE
    if along >= 37:
        return ERASER
    if along >= 33:
        return BAND
    return BODY_SHADE if across > 0 else BODY


def pencil():
    """A pencil lying from the top right to its point on the sheet, one cell at a time."""
    ops = ["--tool", "Pen"]
    tip_u, middle_v = -13, 35  # u = column - row runs along the pencil, v = column + row across it
    for along in range(0, 43):
        for across in range(-3, 4):
            u, v = tip_u + along, middle_v + across
            if (u + v) % 2:
                continue
            col, row = (u + v) // 2, (v - u) // 2
            colour = pencil_cell_colour(across, along)
            if colour and 0 <= col < 32 and 0 <= row < 32:
                ops += ["--color", colour, "--click", f"{col},{row}"]
    return ops


def run(cli, *args):
    return subprocess.run([cli, *args], check=True, capture_output=True, text=True).stdout


def read_dump(text):
    """32 rows of (r, g, b, a) from a pictavo-cli dump."""
    rows = []
    for line in text.splitlines()[:32]:
        row = []
        for cell in line.split():
            clear = cell.startswith("t")
            value = int(cell[-6:], 16)
            row.append((value >> 16, (value >> 8) & 255, value & 255, 0 if clear else 255))
        rows.append(row)
    return rows


def resample(cells, size):
    """Area-weighted average of the cells each output pixel covers (alpha-weighted colour)."""
    scale = 32 / size
    out = []
    for y in range(size):
        line = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            y0, y1, x0, x1 = y * scale, (y + 1) * scale, x * scale, (x + 1) * scale
            for row in range(int(y0), min(32, int(y1 - 1e-9) + 1)):
                hy = min(y1, row + 1) - max(y0, row)
                for col in range(int(x0), min(32, int(x1 - 1e-9) + 1)):
                    w = hy * (min(x1, col + 1) - max(x0, col))
                    r, g, b, a = cells[row][col]
                    wa = w * a
                    acc[0] += r * wa
                    acc[1] += g * wa
                    acc[2] += b * wa
                    acc[3] += wa
            area = scale * scale
            alpha = acc[3] / area
            if acc[3] > 0:
                line.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
            else:
                line.append((0, 0, 0, 0))
        out.append(line)
    return out


def png(pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def svg(cells):
    rects = [f'<rect x="{x}" y="{y}" width="1" height="1" fill="#{r:02x}{g:02x}{b:02x}"/>'
             for y, row in enumerate(cells) for x, (r, g, b, a) in enumerate(row) if a]
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32" '
            'shape-rendering="crispEdges">\n' + "\n".join(rects) + "\n</svg>\n")


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build" / "pictavo-cli")
    OUT.mkdir(parents=True, exist_ok=True)
    ico = OUT / "pictavo.ico"
    run(cli, "edit", *sheet(), *pencil(), "-o", str(ico), "--depth", "24")
    cells = read_dump(run(cli, "dump", str(ico)))
    for size in SIZES:
        (OUT / f"pictavo-{size}.png").write_bytes(png(resample(cells, size)))
    (OUT / "pictavo.svg").write_text(svg(cells))
    print(f"wrote {ico}, {len(SIZES)} PNG sizes and pictavo.svg")


if __name__ == "__main__":
    main()
