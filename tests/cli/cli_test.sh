#!/usr/bin/env bash
# Drives pictavo-cli as a script would and checks its output, files and exit codes.
set -u
CLI=$1
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/test_support.sh"
# cells FILE COLUMN,ROW...: the dump entries there, space separated
cells() { local f=$1; shift; for at in "$@"; do sed -n "$((${at#*,} + 1))p" "$f" | cut -d' ' -f$((${at%,*} + 1)); done | paste -sd' '; }
bits() { "$CLI" scan "$1" | head -1 | cut -d' ' -f5; }

# --- drawing and saving at every depth; the dump format
"$CLI" edit --color FF0000 --tool Line --drag 0,0:3,1 --tool Pen --color 00FF00 --click 31,31 -o line24.ico
"$CLI" dump line24.ico > line24.txt
# the line rounds 0.5 to even: (1,0) then (2,1)
expect_eq "line and pen cells" "$(cells line24.txt 0,0 1,0 2,1 2,0 31,31)" "FF0000 FF0000 FF0000 tFFFFFF 00FF00"
expect_eq "dump is 32 lines of 32 cells" "$(wc -l < line24.txt) $(awk '{print NF}' line24.txt | sort -u)" "32 32"
expect_eq "colour count" "$("$CLI" count line24.ico)" 3
expect_eq "scan of a written icon" "$("$CLI" scan line24.ico | paste -sd'|')" "0 1 22 22 24|found 1"
"$CLI" edit line24.ico -o line16.ico --depth 16 2>/dev/null
"$CLI" edit line24.ico -o line256.ico --depth 256
expect_eq "sizes 24/16/256" "$(stat -c %s line24.ico line16.ico line256.ico | paste -sd' ')" "3262 766 2238"
expect_eq "bits 16/256" "$(bits line16.ico) $(bits line256.ico)" "4 8"
expect_eq "256 keeps colours" "$("$CLI" dump line256.ico)" "$(cat line24.txt)"
"$CLI" dump line16.ico > line16.txt
expect_eq "red is in the 16-colour palette" "$(cells line16.txt 0,0)" FF0000

# --- editing operations: the cell to look at, what it holds, the operations
while read -r at want ops; do
  "$CLI" edit $ops --dump </dev/null > out.txt
  expect_eq "$ops" "$(cells out.txt "$at")" "$want"
done <<'EOF'
1,1 tFFFFFF --transparent-pen --tool BoxFill --drag 0,0:1,1 --color 0A141E --tool Pen --click 5,5
1,0 0A141E --color 0A141E --click 0,0 --color 0B151F --click 1,0 --color FFFFFF --tool Fill --click 5,5 --merge 1
2,2 tFFFFFF --color 123456 --tool Box --drag 2,2:5,4 --undo
5,4 123456 --color 123456 --tool Box --drag 2,2:5,4 --undo --redo
31,1 123456 --color 123456 --click 0,0 --rotate --slide-down
0,0 123456 --color 123456 --click 0,0 --backup --new --restore
20,20 123456 --color 123456 --tool Pointer --press 5,5 --move 10,10 --tool Pen --click 20,20
5,5 tFFFFFF --tool Pointer --press 5,5 --move 10,10 --tool Pen --click 20,20
5,2 tFFFFFF --tool Pointer --press 17,2 --move 1,26 --press 1,6 --release 1,6
EOF

# --- several icons in one file, extract
cat line24.ico line16.ico > two.bin
expect_eq "two icons, second header offset" "$("$CLI" scan two.bin | sed -n '2p;$p' | paste -sd'|')" "1 1 3284 3284 4|found 2"
mkdir out
"$CLI" extract two.bin -o out >/dev/null
expect_eq "extracted files" "$(ls out | paste -sd' ')" "two.bin-0.ico two.bin-1.ico"
expect_eq "extracted icon equals source" "$("$CLI" dump out/two.bin-1.ico)" "$(cat line16.txt)"
# a save failing mid-batch (a folder has the second name) ends it: what was written is
# still flushed to disk, then the failure is reported
mkdir -p part/two.bin-1.ico
if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
  strace -f -qq -e trace=syncfs -o syncs.txt "$CLI" extract two.bin -o part >part.txt 2>part.err
  expect_eq "failed batch: status, count, flushes, files" \
    "$? $(cat part.txt) $(grep -c 'syncfs(' syncs.txt) $(ls part | paste -sd' ')" \
    "2 extracted 1 of 2 1 two.bin-0.ico two.bin-1.ico"
  expect_eq "failed batch names the file" "$(grep -c 'part/two.bin-1.ico' part.err)" 1
else
  skip "strace cannot run here, the flush of a failed batch is not checked"
fi

# --- usage and exit codes (argument lists are word-split)
: > empty.bin
head -c 20000 /dev/zero > zeros.bin
printf 'not a picture' > junk.gif
for entry in "0 --help" "1" "1 frobnicate" "1 edit --no-such-operation --dump" "1 edit --press 32,0 --dump" \
  "1 edit --dump -o x.ico" "1 edit -o x.ico --depth 17" "2 dump missing.ico" "3 dump empty.bin" \
  "1 convert junk.gif --select 2000000000,0,2000000000,64 --dump" "2 convert junk.gif --dump" \
  "3 scan zeros.bin" "3 dump two.bin --index 2"; do
  read -r want args <<<"$entry"
  "$CLI" $args </dev/null >/dev/null 2>&1
  expect_eq "exit of '$args'" $? "$want"
done

# --- more headers than the list holds: the first 4097 listed, and said so
for n in 4097 4098; do
  for ((i = 0; i < n; i++)); do printf '(\0\0\0 \0\0\0@\0\0\0\1\0'; done > many$n.bin
  err=$("$CLI" scan many$n.bin 2>&1 >out.txt)
  expect_eq "scan of $n headers" "$(tail -1 out.txt) [$err]" \
    "found 4097 [$([[ $n == 4098 ]] && echo "pictavo-cli: Only the first 4097 icons found in many$n.bin are listed")]"
done

# --- pipes and devices are refused by name, not read until they end
mkfifo pipe.ico
for args in "scan pipe.ico" "dump pipe.ico" "convert pipe.ico --dump" "scan /dev/zero" "count /dev/zero"; do
  err=$(timeout 20 "$CLI" $args 2>&1 >/dev/null </dev/null)
  expect_eq "refusal of '$args'" "$? $(grep -c ' is not a regular file$' <<<"$err")" "2 1"
done

# --- a save past the file-size limit fails cleanly even where the limit's signal would kill
printf 'old' > keep.ico
err=$(env --default-signal=XFSZ sh -c 'ulimit -f 1; exec "$0" edit --rotate -o keep.ico --depth 24' "$CLI" 2>&1)
expect_eq "save over the size limit" "$? $(grep -c 'File too large' <<<"$err") $(cat keep.ico) $(ls -A | grep -c '^\.keep')" "2 1 old 0"

# --- independent reader
if command -v icotool >/dev/null; then
  expect_eq "icotool reads 16" "$(icotool -l line16.ico)" "--icon --index=1 --width=32 --height=32 --bit-depth=4 --palette-size=16"
  expect_eq "icotool reads 256" "$(icotool -l line256.ico | grep -o 'bit-depth=[0-9]*')" "bit-depth=8"
else
  skip "icotool not installed"
fi

# --- pictures: left half red, right half blue
PY=/usr/bin/python3  # Debian's, where python3-pil lives
if $PY -c 'import PIL' 2>/dev/null; then
  $PY -c "from PIL import Image
im = Image.new('RGB', (64, 64), (255, 0, 0)); im.paste((0, 0, 255), (32, 0, 64, 64))
im.save('half.bmp'); im.save('half.gif'); im.save('half.jpg', quality=95)"
  "$CLI" convert half.bmp --dump > half.txt
  expect_eq "bmp halves" "$(cells half.txt 0,0 31,31)" "FF0000 0000FF"
  expect_eq "gif reads the same" "$("$CLI" convert half.gif --dump)" "$(cat half.txt)"
  expect_eq "jpeg converts" "$("$CLI" convert half.jpg --dump | wc -l)" 32
  "$CLI" convert half.bmp --select 40,40,64,64 --dump > past.txt
  expect_eq "points past the picture are transparent" "$(cells past.txt 31,31)" tFFFFFF
  "$CLI" convert half.bmp -o half.ico --depth 16 2>/dev/null
  expect_eq "converted icon saved" "$(stat -c %s half.ico)" 766
else
  skip "python3-pil not installed, picture conversion not checked"
fi

# --- the seven picture formats, files the loader refuses, and a renderer that runs away
if $PY -c 'import PIL' 2>/dev/null; then
  mkdir pics && (cd pics && $PY "$HERE/make_pictures.py")
  # JPEG's rounding is forgiven: every channel is snapped to 00 or FF
  snap() {
    local c i out=()
    for c in $(cat); do
      [[ $c =~ ^[0-9A-F]{6}$ ]] && c=$(for i in 0 2 4; do ((16#${c:i:2} > 127)) && printf FF || printf 00; done)
      out+=("$c")
    done
    echo "${out[*]}"
  }
  for f in good.jpg good.bmp good.gif good.ico good.rle good4.rle good.emf; do
    "$CLI" convert pics/$f --dump > out.txt 2>&1
    expect_eq "$f converts" "$(cells out.txt 0,0 15,31 16,0 31,31 | snap)" "FF0000 FF0000 0000FF 0000FF"
  done
  # libwmf widens the box it measures by half a pen, so the cells beside the middle are left out.
  for f in good.wmf good-moved.wmf good-plain.wmf good-unsized.wmf good-described.emf good-text.emf; do
    "$CLI" convert pics/$f --dump > out.txt 2>&1
    expect_eq "$f converts" "$(cells out.txt 0,0 14,31 17,0 31,31)" "FF0000 FF0000 0000FF 0000FF"
  done
  # a picture under another kind's name reads as what it holds, and says so
  for f in good.png png-inside.ico png-inside.jpg gif-inside.bmp emf-inside.wmf; do
    "$CLI" convert pics/$f --dump > out.txt 2>err.txt
    holds=${f%%-*}
    expect_eq "$f converts" "$? $(cells out.txt 0,0 15,31 16,0 31,31) $(grep -c "pics/$f holds ${holds^^} data" err.txt)" \
      "0 FF0000 FF0000 0000FF 0000FF $([[ $f == good.* ]] && echo 0 || echo 1)"
  done
  for f in pics/{cut-,garbage.,empty.,blank-}* pics/huge.*; do
    "$CLI" convert "$f" --dump >/dev/null 2>err.txt
    expect_eq "exit of convert $f" "$? $(grep -c 'too large' err.txt)" "2 $([[ $f == *huge* ]] && echo 1 || echo 0)"
  done
  # With a 60 s wall clock, only the CPU or memory limit can end those runaways well before it.
  while read -r limit settings; do
    start=$(date +%s%N)
    env $settings "$CLI" convert pics/good.emf --dump >/dev/null 2>&1
    expect_eq "renderer stopped: $limit" "$? $(( ($(date +%s%N) - start) / 1000000 < 50000 ))" "2 1"
  done <<'EOF'
CPU PICTAVO_METAFILE_RUNAWAY=cpu PICTAVO_METAFILE_TIMEOUT_MS=60000
memory PICTAVO_METAFILE_RUNAWAY=memory PICTAVO_METAFILE_TIMEOUT_MS=60000
wall-clock PICTAVO_METAFILE_RUNAWAY=hang PICTAVO_METAFILE_TIMEOUT_MS=1000
missing PICTAVO_METAFILE_PROGRAM=/nonexistent
EOF
else
  skip "python3-pil not installed, picture formats not checked"
fi

# --- the metafile renderer names why it refuses a WMF
METAFILE=$(dirname "$CLI")/pictavo-metafile
if [[ -d pics ]]; then
  while read -r file why; do
    expect_eq "renderer's refusal of $file" "$("$METAFILE" < pics/$file 2>&1 >/dev/null)" "$why"
  done <<'EOF'
blank-unsized.wmf the WMF file declares no size and draws nothing
cut-good-plain.wmf the WMF file is cut short
garbage.wmf neither an EMF nor a WMF file
EOF
fi

# --- metafiles against independent renderers: libwmf's wmf2gd, emf2svg-conv with rsvg-convert
if $PY -c 'import PIL' 2>/dev/null && command -v wmf2gd emf2svg-conv rsvg-convert >/dev/null; then
  # A real WMF from LibreOffice's fax template, placeable; without its placeable
  # header it is what Office documents embed.
  cp "$HERE/../data/metafiles/pri-marine.wmf" marine.wmf
  tail -c +23 marine.wmf > marine-plain.wmf
  # Its description blanked, libemf2svg reads what it otherwise refuses.
  $PY -c "import struct, sys
d = bytearray(open(sys.argv[1], 'rb').read()); struct.pack_into('<II', d, 60, 0, 0); open(sys.argv[2], 'wb').write(d)" \
    pics/good-described.emf described.emf
  emf2svg-conv -i described.emf -o described.svg && rsvg-convert described.svg -o described.ref.png
  for f in marine.wmf marine-plain.wmf pics/good-moved.wmf pics/good-unsized.wmf; do
    wmf2gd -o "${f%.wmf}.ref.png" "$f" >/dev/null 2>&1
  done
  for pair in marine.wmf:marine.ref.png marine-plain.wmf:marine-plain.ref.png pics/good-moved.wmf:pics/good-moved.ref.png \
      pics/good-unsized.wmf:pics/good-unsized.ref.png pics/good-described.emf:described.ref.png; do
    "$CLI" convert "${pair%%:*}" --dump > out.txt 2>&1
    share=$($PY "$HERE/compare_to_reference.py" out.txt "${pair#*:}" 2>/dev/null)
    expect_eq "${pair%%:*} like the independent renderer in ${share:-no}% of cells" "$(( ${share:-0} >= 85 ))" 1
  done
else
  skip "wmf2gd, emf2svg-conv or rsvg-convert missing, metafiles not compared"
fi

# --- real icons from Debian's Wine libraries
SHELL32=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll
if [[ -f $SHELL32 ]]; then
  n=$("$CLI" scan "$SHELL32" | tail -1 | cut -d' ' -f2)
  expect_eq "shell32 has over 100 icons" "$(( ${n:-0} > 100 ))" 1
  expect_eq "shell32 icon decodes" "$("$CLI" dump "$SHELL32" --index 0 | wc -l)" 32
else
  skip "libwine not installed"
fi

finish
