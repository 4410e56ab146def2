#!/usr/bin/env bash
# pictavo-cli's picture outputs end to end: PNG from edit and convert, and the
# thumbnailer as a file manager runs it from data/pictavo.thumbnailer.
set -u
CLI=$1
THUMBNAILER=$2
. "$(cd "$(dirname "$0")" && pwd)/test_support.sh"
PY=/usr/bin/python3  # Debian's, where python3-pil lives
have_pil() { $PY -c 'import PIL' 2>/dev/null; }
# PNG FILE: "WIDTHxHEIGHT MODE", then the RGBA of each X,Y given
png() { $PY - "$@" <<'PYEOF'
import sys
from PIL import Image
im = Image.open(sys.argv[1])
out = ["%dx%d %s" % (im.size[0], im.size[1], im.mode)]
for at in sys.argv[2:]:
    x, y = map(int, at.split(","))
    out.append("%02X%02X%02X%02X" % im.convert("RGBA").getpixel((x, y)))
print(" ".join(out))
PYEOF
}
# PNG DUMP: the PNG's 32 x 32 pixels in the dump format (transparent as tFFFFFF)
png_as_dump() { $PY - "$1" <<'PYEOF'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGBA")
for y in range(32):
    print(" ".join("tFFFFFF" if a == 0 else "%02X%02X%02X" % (r, g, b)
                   for r, g, b, a in (im.getpixel((x, y)) for x in range(32))))
PYEOF
}
is_png() { [[ -f $1 && "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] && echo yes || echo no; }

# --- PNG output from edit and convert, atomically, never touching the icon path
"$CLI" edit --color FF0000 --click 1,1 --color C8C8C8 --click 2,1 -o red.png
"$CLI" edit --color FF0000 --click 1,1 --color C8C8C8 --click 2,1 -o RED16.PNG --depth 16 2>/dev/null
"$CLI" edit --color FF0000 --click 1,1 -o red.ico
"$CLI" convert red.ico -o converted.png
expect_eq "edit and convert write PNG" "$(is_png red.png) $(is_png RED16.PNG) $(is_png converted.png)" "yes yes yes"
if have_pil; then
  expect_eq "PNG pixels and alpha" "$(png red.png 1,1 2,1 0,0)" "32x32 RGBA FF0000FF C8C8C8FF 00000000"
  expect_eq "PNG at 16 colours" "$(png RED16.PNG 2,1)" "32x32 RGBA C0C0C0FF"
  expect_eq "converted PNG holds the sampled canvas" "$(png_as_dump converted.png)" "$("$CLI" convert red.ico --dump)"
else
  skip "python3-pil not installed, PNG pixels not checked by Pillow"
fi
printf 'old' > keep.png
"$CLI" edit --click 0,0 -o missing/x.png 2>/dev/null
expect_eq "unwritable PNG fails cleanly" "$? $(ls -A | grep -c '\.tmp$')" "2 0"
"$CLI" edit --color 0000FF --click 0,0 -o keep.png
expect_eq "PNG replaces an existing file" "$(is_png keep.png)" yes

# --- thumbnails: deepest complete icon first, first of equals, nothing written on failure
"$CLI" edit --color 00FF00 --click 0,0 -o green.ico
"$CLI" edit red.ico -o red4.ico --depth 16 2>/dev/null
cat red4.ico green.ico red.ico > mixed.bin  # 4-bit red, 24-bit green, 24-bit red
head -c 2000 green.ico > cut.ico            # header found, image cut short
head -c 30 green.ico > stub.ico
head -c 20000 /dev/zero > zeros.bin
for entry in "0 mixed.bin 32" "0 red4.ico 100" "3 cut.ico 32" "3 stub.ico 32" "3 zeros.bin 32" "2 missing.ico 32" \
  "1 mixed.bin 0" "1 mixed.bin 1025" "1 mixed.bin x"; do
  read -r want file size <<<"$entry"
  rm -f thumb.png
  "$CLI" thumbnail "$file" thumb.png "$size" 2>/dev/null
  got=$?
  expect_eq "thumbnail of $file at $size: exit, file written" "$got $(is_png thumb.png)" "$want $([[ $want == 0 ]] && echo yes || echo no)"
  if [[ $file == mixed.bin && $got == 0 ]] && have_pil; then
    expect_eq "the deepest, first of equals" "$(png_as_dump thumb.png)" "$("$CLI" dump green.ico)"
  fi
  if [[ $file == red4.ico && $got == 0 ]] && have_pil; then
    expect_eq "enlarged by whole steps" "$(png thumb.png 2,2 3,3 5,5 6,6)" "96x96 RGBA 00000000 FF0000FF FF0000FF 00000000"
  fi
done
"$CLI" thumbnail mixed.bin missing/thumb.png 2>/dev/null
expect_eq "unwritable thumbnail" $? 2

# --- the thumbnailer entry as a file manager runs it, on Debian's Wine shell32.dll
SHELL32=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll
expect_eq "thumbnailer types" "$(grep -c '^MimeType=.*application/vnd.microsoft.portable-executable;' "$THUMBNAILER")" 1
if [[ -f $SHELL32 ]]; then
  exec_line=$(sed -n 's/^Exec=//p' "$THUMBNAILER")
  command=${exec_line//%i/$SHELL32}
  command=${command//%o/$WORK/shell32.png}
  command=${command//%s/128}
  PATH="$(dirname "$CLI"):$PATH" $command
  expect_eq "shell32 thumbnail" "$? $(is_png shell32.png)" "0 yes"
  if have_pil; then
    best=$("$CLI" scan "$SHELL32" | awk 'NF == 5 && $5 > max { max = $5; k = $1 } END { print k }')
    "$CLI" thumbnail "$SHELL32" shell32-32.png
    expect_eq "shell32 thumbnail is its deepest icon" "$(png_as_dump shell32-32.png)" "$("$CLI" dump "$SHELL32" --index "$best")"
    expect_eq "shell32 thumbnail size" "$(png shell32.png)" "128x128 RGBA"
  fi
else
  skip "libwine not installed, shell32.dll thumbnail not checked"
fi

finish
