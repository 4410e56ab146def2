#!/usr/bin/env bash
# Icon images of any size: `images`, --image, the fallback to a file's best
# image, and --keep-images, on real icon files from Debian packages
# (tests/data/icons/README) and generated ones, checked against icotool,
# Pillow and gdk-pixbuf.
set -u
CLI=$1
DATA=$2
. "$(cd "$(dirname "$0")" && pwd)/test_support.sh"
PY=/usr/bin/python3  # Debian's, where python3-pil and python3-gi live
have_pil() { $PY -c 'import PIL' 2>/dev/null; }
have_pixbuf() { $PY -c 'import gi; gi.require_version("GdkPixbuf", "2.0"); from gi.repository import GdkPixbuf' 2>/dev/null; }

# FILE INDEX: directory image INDEX decoded by Pillow and resampled to 32 x 32
# by the rules (fractional coverage, alpha-weighted mean, less than half opaque
# is transparent, halves to even), printed in the dump format.
pil_resampled() { $PY - "$@" <<'PYEOF'
import struct, sys
from fractions import Fraction as F
from math import floor, ceil
from PIL import IcoImagePlugin
path, index = sys.argv[1], int(sys.argv[2])
raw = open(path, "rb").read()
offset = struct.unpack_from("<I", raw, 6 + 16 * index + 12)[0]
ico = IcoImagePlugin.IcoFile(open(path, "rb"))
im = ico.frame([e["offset"] for e in ico.entry].index(offset)).convert("RGBA")
w, h = im.size
px = im.load()
for cy in range(32):
    cells = []
    y0, y1 = F(cy * h, 32), F((cy + 1) * h, 32)
    for cx in range(32):
        x0, x1 = F(cx * w, 32), F((cx + 1) * w, 32)
        opaque = weight = 0
        sums = [0, 0, 0]
        for sy in range(floor(y0), ceil(y1)):
            for sx in range(floor(x0), ceil(x1)):
                area = (min(x1, sx + 1) - max(x0, sx)) * (min(y1, sy + 1) - max(y0, sy))
                r, g, b, a = px[sx, sy]
                if a >= 128:
                    opaque += area
                weight += area * a
                for c, v in enumerate((r, g, b)):
                    sums[c] += area * a * v
        if 2 * opaque < (x1 - x0) * (y1 - y0):
            cells.append("tFFFFFF")
        else:
            cells.append("%02X%02X%02X" % tuple(round(s / weight) for s in sums))
    print(" ".join(cells))
PYEOF
}
# ICO: each image as icotool lists it, "WxH BITS"
icotool_sizes() { icotool -l "$1" 2>/dev/null | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2 \3/' | paste -sd'|'; }
our_sizes() { "$CLI" images "$1" | grep -v '^found' | cut -d' ' -f2,3 | paste -sd'|'; }
# ORIGINAL NEW: "N M" images; then whether every image of ORIGINAL but those
# at the given directory indices is in NEW byte for byte with its entry.
kept_images() { $PY - "$@" <<'PYEOF'
import struct, sys
def images(path):
    b = open(path, "rb").read()
    n = struct.unpack_from("<H", b, 4)[0]
    out = []
    for i in range(n):
        entry = b[6 + 16 * i: 6 + 16 * i + 12]
        size, at = struct.unpack_from("<II", b, 6 + 16 * i + 8)
        out.append((entry, b[at: at + size]))
    return out
old, new = images(sys.argv[1]), images(sys.argv[2])
replaced = {int(i) for i in sys.argv[3:]}
kept = [img for i, img in enumerate(old) if i not in replaced]
print(len(old), len(new), "kept" if all(img in new for img in kept) else "LOST")
PYEOF
}
# ICO: images Pillow, gdk-pixbuf and icotool read back
readers() { $PY - "$1" <<'PYEOF'
import sys
from PIL import IcoImagePlugin
import gi
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf
ico = IcoImagePlugin.IcoFile(open(sys.argv[1], "rb"))
frames = [ico.frame(i).size for i in range(len(ico.entry))]
pb = GdkPixbuf.Pixbuf.new_from_file(sys.argv[1])
print(len(frames), "pixbuf %dx%d" % (pb.get_width(), pb.get_height()))
PYEOF
}

ICONS=(clang-bugcatcher-16.ico apache-favicon-15x16.ico dokuwiki-favicon.ico nsis3-install.ico nsis-pixel-install.ico
       fpc-sysinfo.ico munin-favicon-41x60.ico roundcube-favicon-64.ico)
for f in "${ICONS[@]}"; do cp "$DATA/$f" .; done

# --- images lists what icotool lists, with the data offsets of the directory
for f in "${ICONS[@]}"; do
  expect_eq "images of $f as icotool" "$(our_sizes "$f")" "$(icotool_sizes "$f")"
done
expect_eq "images line format" "$("$CLI" images nsis3-install.ico | sed -n '3p;$p' | paste -sd'|')" "2 256x256 32 png 1142|found 6"
printf 'plain text' > text.ico
"$CLI" images text.ico > out.txt 2>/dev/null
expect_eq "no images: found 0, exit 3" "$? $(cat out.txt)" "3 found 0"
"$CLI" images missing.ico 2>/dev/null
expect_eq "missing file: exit 2" "$?" 2
printf '\0\0\1\0\7\0' > cut.ico
"$CLI" images cut.ico >/dev/null 2>&1
expect_eq "damaged directory: exit 2" "$?" 2

# --- 16 x 16-only and other sizes, resampled exactly as an independent reading says
if have_pil; then
  for case in "clang-bugcatcher-16.ico 0" "apache-favicon-15x16.ico 0" "dokuwiki-favicon.ico 0" \
      "dokuwiki-favicon.ico 2" "nsis3-install.ico 2" "nsis3-install.ico 3" "nsis-pixel-install.ico 1" \
      "munin-favicon-41x60.ico 0" "roundcube-favicon-64.ico 0"; do
    set -- $case
    expect_eq "$1 image $2 resampled" "$("$CLI" dump "$1" --image "$2")" "$(pil_resampled "$1" "$2")"
  done
  expect_eq "16 x 16-only file falls back to its image" "$("$CLI" dump clang-bugcatcher-16.ico 2>/dev/null)" \
    "$(pil_resampled clang-bugcatcher-16.ico 0)"
else
  skip "python3-pil not installed, resampling not checked"
fi
"$CLI" dump clang-bugcatcher-16.ico 2>&1 >/dev/null | grep -q "using its 16 x 16 image 0"
expect_eq "the fallback is announced" "$?" 0
"$CLI" dump clang-bugcatcher-16.ico --index 0 >/dev/null 2>&1
expect_eq "an explicit --index still finds no 32 x 32 icon" "$?" 3
expect_eq "count --image" "$("$CLI" count dokuwiki-favicon.ico --image 1)" "$("$CLI" count dokuwiki-favicon.ico --index 0)"
"$CLI" dump dokuwiki-favicon.ico --image 3 >/dev/null 2>&1
expect_eq "image past the list: exit 3" "$?" 3
"$CLI" dump dokuwiki-favicon.ico --image 1 --index 0 >/dev/null 2>&1
expect_eq "--image and --index together: usage" "$?" 1
expect_eq "files with 32 x 32 icons dump as before" "$("$CLI" dump fpc-sysinfo.ico)" "$("$CLI" dump fpc-sysinfo.ico --index 0)"

# --- edit and thumbnail start from the best image
"$CLI" edit clang-bugcatcher-16.ico --color 00FF00 --click 0,0 --dump 2>/dev/null > edited.txt
expect_eq "edit starts from the best image" "$(sed -n 2p edited.txt)" "$("$CLI" dump clang-bugcatcher-16.ico 2>/dev/null | sed -n 2p)"
"$CLI" thumbnail apache-favicon-15x16.ico thumb.png 2>/dev/null
expect_eq "thumbnail of a file without 32 x 32 icons" "$?" 0
if have_pil; then
  expect_eq "thumbnail shows the resampled image" \
    "$($PY -c 'import sys; from PIL import Image; im = Image.open(sys.argv[1]).convert("RGBA"); print(" ".join("tFFFFFF" if a == 0 else "%02X%02X%02X" % (r, g, b) for r, g, b, a in (im.getpixel((x, 9)) for x in range(32))))' thumb.png)" \
    "$("$CLI" dump apache-favicon-15x16.ico 2>/dev/null | sed -n 10p)"
fi

"$CLI" thumbnail clang-bugcatcher-16.ico thumb128.png 128 2>/dev/null  # as the .thumbnailer's Exec runs it
if have_pil; then
  expect_eq "thumbnail at a file manager's size" "$($PY -c 'import sys; from PIL import Image; print(Image.open(sys.argv[1]).size)' thumb128.png)" "(128, 128)"
fi

# --- --keep-images: the edited 32 x 32 image replaces the one it came from
for f in dokuwiki-favicon.ico nsis3-install.ico fpc-sysinfo.ico nsis-pixel-install.ico; do
  cp "$f" "work-$f"
  "$CLI" edit "work-$f" --color FF0000 --tool BoxFill --drag 2,2:9,9 -o "work-$f" --depth 256 --keep-images 2>/dev/null
  # the found 32 x 32 icon 0 is directory image 0 of nsis3 and fpc, 1 of dokuwiki, 2 of pixel
  case $f in dokuwiki*) at=1 ;; nsis-pixel*) at=2 ;; *) at=0 ;; esac
  n=$(icotool -l "$f" 2>/dev/null | wc -l)
  expect_eq "$f: other images kept byte for byte" "$(kept_images "$f" "work-$f" $at)" "$n $n kept"
  expect_eq "$f: icotool lists the same images, the replaced one at 8 bits" "$(icotool_sizes "work-$f")" \
    "$(icotool_sizes "$f" | tr '|' '\n' | awk -v at=$at 'NR == at + 1 { $0 = "32x32 8" } 1' | paste -sd'|')"
  expect_eq "$f: the edit is in the file" "$("$CLI" dump "work-$f" | sed -n 6p | cut -d' ' -f6)" FF0000
  if have_pil && have_pixbuf; then
    expect_eq "$f: Pillow and gdk-pixbuf read it" "$(readers "work-$f")" "$(readers "$f")"
  fi
done
"$CLI" edit clang-bugcatcher-16.ico --color FF0000 --click 0,0 -o bug.ico --keep-images 2>/dev/null
cp clang-bugcatcher-16.ico both.ico
"$CLI" edit --color 0000FF --click 1,1 -o both.ico --depth 16 --keep-images 2>note.txt
expect_eq "a new image is added beside a 16 x 16 favicon" "$(icotool_sizes both.ico)" "16x16 4|32x32 4"
expect_eq "the note says so" "$(grep -c 'kept 1 image' note.txt)" 1
expect_eq "the favicon stays byte for byte" "$(kept_images clang-bugcatcher-16.ico both.ico)" "1 2 kept"
"$CLI" edit both.ico --image 1 --color 00FF00 --click 2,2 -o both.ico --depth 24 --keep-images 2>/dev/null
expect_eq "saving back at another depth replaces that image" "$(icotool_sizes both.ico)" "16x16 4|32x32 24"

# --- new, foreign and damaged targets get the plain one-image file, byte for byte
"$CLI" edit fpc-sysinfo.ico --color FF0000 --click 3,3 -o plain.ico --depth 16 2>/dev/null
"$CLI" edit fpc-sysinfo.ico --color FF0000 --click 3,3 -o new.ico --depth 16 --keep-images 2>/dev/null
printf 'some text' > text.bin
"$CLI" edit fpc-sysinfo.ico --color FF0000 --click 3,3 -o text.bin --depth 16 --keep-images 2>/dev/null
cp cut.ico damaged.ico
"$CLI" edit fpc-sysinfo.ico --color FF0000 --click 3,3 -o damaged.ico --depth 16 --keep-images 2>note.txt
expect_eq "new target: the plain file" "$(cmp new.ico plain.ico && echo same)" same
expect_eq "foreign target: the plain file" "$(cmp text.bin plain.ico && echo same)" same
expect_eq "damaged target: the plain file" "$(cmp damaged.ico plain.ico && echo same)" same
expect_eq "damaged target: said so" "$(grep -c 'could not be read as an icon file' note.txt)" 1
"$CLI" edit --click 0,0 -o out.png --keep-images 2>/dev/null
expect_eq "--keep-images with PNG output: usage" "$?" 1

finish
