"""Prints the share of cells of a `pictavo-cli convert --dump` (whole picture
selected), in percent, whose colour is within a tolerance of an independent renderer's
picture, read at the same relative point. Transparent cells count as white."""
import sys
from PIL import Image

TOLERANCE = 48


def main(dump_path, reference_path):
    cells = [line.split() for line in open(dump_path)]
    reference = Image.open(reference_path).convert('RGB')
    width, height = reference.size
    close = 0
    for row in range(32):
        for column in range(32):
            # the sampling's base point, near the cell's top-left corner, as a share of the picture
            x = min(width - 1, int((column + 0.1) * width / 32))
            y = min(height - 1, int((row + 0.1) * height / 32))
            value = cells[row][column].lstrip('t')
            ours = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
            theirs = reference.getpixel((x, y))
            close += max(abs(a - b) for a, b in zip(ours, theirs)) <= TOLERANCE
    print(close * 100 // 1024)


main(*sys.argv[1:])
