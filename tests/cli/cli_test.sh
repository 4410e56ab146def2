#!/usr/bin/env bash
# Drives pictavo-cli as a script would and checks its output, files and exit codes.
set -u
CLI=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
passed=0 failed=0 skipped=0

ok() { passed=$((passed + 1)); }
bad() { failed=$((failed + 1)); echo "FAIL: $*"; }
expect_eq() { [[ "$2" == "$3" ]] && ok || bad "$1: expected [$3], got [$2]"; }
expect_status() { local want=$1; shift; "$@" >/dev/null 2>&1; local got=$?; expect_eq "exit of $*" "$got" "$want"; }
cell() { sed -n "$(($3 + 1))p" "$1" | cut -d' ' -f$(($2 + 1)); }  # file column row
PY=/usr/bin/python3
have_pil() { [[ -x $PY ]] && $PY -c 'import PIL' 2>/dev/null; }

# --- usage and exit codes
expect_status 0 "$CLI" --help
expect_status 1 "$CLI"
expect_status 1 "$CLI" frobnicate
expect_status 1 "$CLI" edit --no-such-operation --dump
expect_status 1 "$CLI" edit --press 32,0 --dump
expect_status 1 "$CLI" edit --dump -o x.ico
expect_status 1 "$CLI" edit -o x.ico --depth 17
expect_status 2 "$CLI" dump "$WORK/missing.ico"
: > empty.bin
expect_status 3 "$CLI" dump empty.bin
head -c 20000 /dev/zero > zeros.bin
expect_status 3 "$CLI" scan zeros.bin

# --- drawing and saving at every depth
"$CLI" edit --color FF0000 --tool Line --drag 0,0:3,1 --tool Pen --color 00FF00 --click 31,31 -o line24.ico
expect_eq "24-bit size" "$(stat -c %s line24.ico)" 3262
expect_eq "scan of a written icon" "$("$CLI" scan line24.ico | tr '\n' '|')" "0 1 22 22 24|found 1|"
"$CLI" dump line24.ico > line24.txt
expect_eq "line start" "$(cell line24.txt 0 0)" FF0000
expect_eq "line rounds 0.5 to even" "$(cell line24.txt 1 0)" FF0000
expect_eq "line third cell" "$(cell line24.txt 2 1)" FF0000
expect_eq "untouched cell" "$(cell line24.txt 2 0)" tFFFFFF
expect_eq "pen cell" "$(cell line24.txt 31 31)" 00FF00
expect_eq "dump is 32 lines" "$(wc -l < line24.txt)" 32
expect_eq "dump lines have 32 cells" "$(awk '{print NF}' line24.txt | sort -u)" 32
expect_eq "colour count" "$("$CLI" count line24.ico)" 3

"$CLI" edit line24.ico -o line16.ico --depth 16 2>/dev/null
"$CLI" edit line24.ico -o line256.ico --depth 256
expect_eq "16-colour size" "$(stat -c %s line16.ico)" 766
expect_eq "256-colour size" "$(stat -c %s line256.ico)" 2238
expect_eq "16-colour bits" "$("$CLI" scan line16.ico | head -1 | cut -d' ' -f5)" 4
expect_eq "256-colour bits" "$("$CLI" scan line256.ico | head -1 | cut -d' ' -f5)" 8
expect_eq "256 keeps colours" "$("$CLI" dump line256.ico)" "$(cat line24.txt)"
expect_eq "red is in the 16-colour palette" "$("$CLI" dump line16.ico | sed -n 1p | cut -d' ' -f1)" FF0000

# --- editing operations
"$CLI" edit --transparent-pen --tool BoxFill --drag 0,0:1,1 --color 0A141E --tool Pen --click 5,5 --dump > t.txt
expect_eq "transparent pen paints transparent white" "$(cell t.txt 1 1)" tFFFFFF
"$CLI" edit --color 0A141E --click 0,0 --color 0B151F --click 1,0 --color FFFFFF --tool Fill --click 5,5 \
  --merge 1 --dump > merged.txt
expect_eq "merge joins near colours" "$(cell merged.txt 1 0)" 0A141E
"$CLI" edit --color 123456 --tool Box --drag 2,2:5,4 --undo --dump > undone.txt
expect_eq "undo removes the box" "$(cell undone.txt 2 2)" tFFFFFF
"$CLI" edit --color 123456 --tool Box --drag 2,2:5,4 --undo --redo --dump > redone.txt
expect_eq "redo brings it back" "$(cell redone.txt 5 4)" 123456
"$CLI" edit --color 123456 --click 0,0 --rotate --slide-down --dump > turned.txt
expect_eq "rotate then slide" "$(cell turned.txt 31 1)" 123456
"$CLI" edit --color 123456 --click 0,0 --backup --new --restore --dump > restored.txt
expect_eq "restore after new" "$(cell restored.txt 0 0)" 123456

# --- several icons in one file, extract
cat line24.ico line16.ico > two.bin
expect_eq "two icons found" "$("$CLI" scan two.bin | tail -1)" "found 2"
expect_eq "second header offset" "$("$CLI" scan two.bin | sed -n 2p)" "1 1 3284 3284 4"
expect_status 3 "$CLI" dump two.bin --index 2
mkdir out
"$CLI" extract two.bin -o out >/dev/null
expect_eq "extracted files" "$(ls out | tr '\n' ' ')" "two.bin-0.ico two.bin-1.ico "
expect_eq "extracted icon equals source" "$("$CLI" dump out/two.bin-1.ico)" "$("$CLI" dump line16.ico)"

# --- independent reader
if command -v icotool >/dev/null; then
  expect_eq "icotool reads 16" "$(icotool -l line16.ico)" "--icon --index=1 --width=32 --height=32 --bit-depth=4 --palette-size=16"
  expect_eq "icotool reads 256" "$(icotool -l line256.ico | grep -o 'bit-depth=[0-9]*')" "bit-depth=8"
else
  skipped=$((skipped + 1)); echo "SKIP: icotool not installed"
fi

# --- pictures
if have_pil; then
  $PY - <<'PYEOF'
from PIL import Image
im = Image.new('RGB', (64, 64), (255, 0, 0))
for x in range(32, 64):
    for y in range(64):
        im.putpixel((x, y), (0, 0, 255))
im.save('half.bmp'); im.save('half.gif'); im.save('half.jpg', quality=95)
PYEOF
  "$CLI" convert half.bmp --dump > half.txt
  expect_eq "bmp left half" "$(cell half.txt 0 0)" FF0000
  expect_eq "bmp right half" "$(cell half.txt 31 31)" 0000FF
  expect_eq "gif reads the same" "$("$CLI" convert half.gif --dump)" "$(cat half.txt)"
  expect_eq "jpeg converts" "$("$CLI" convert half.jpg --dump | wc -l)" 32
  "$CLI" convert half.bmp --select 40,40,64,64 --dump > past.txt
  expect_eq "points past the picture are transparent" "$(cell past.txt 31 31)" tFFFFFF
  "$CLI" convert half.bmp -o half.ico --depth 16 2>/dev/null
  expect_eq "converted icon saved" "$(stat -c %s half.ico)" 766
else
  skipped=$((skipped + 1)); echo "SKIP: python3-pil not installed, picture conversion not checked"
fi
printf 'not a picture' > junk.gif
expect_status 1 "$CLI" convert junk.gif --select 2000000000,0,2000000000,64 --dump
expect_status 2 "$CLI" convert junk.gif --dump

# --- real icons from Debian's Wine libraries
SHELL32=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll
if [[ -f $SHELL32 ]]; then
  n=$("$CLI" scan "$SHELL32" | tail -1 | cut -d' ' -f2)
  [[ $n -gt 100 ]] && ok || bad "shell32.dll: only $n icons found"
  expect_eq "shell32 icon decodes" "$("$CLI" dump "$SHELL32" --index 0 | wc -l)" 32
else
  skipped=$((skipped + 1)); echo "SKIP: libwine not installed"
fi

echo "$passed passed, $failed failed, $skipped skipped"
[[ $failed -eq 0 ]]
