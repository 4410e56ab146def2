#!/usr/bin/env bash
# The editor and pictavo-cli as a terminal user meets them: --help and --version
# (answered without a display), a file name that is no file, and the manual pages.
# Usage: terminal_test.sh PICTAVO PICTAVO_CLI PROJECT_VERSION DATA_DIR
set -u
EDITOR=$1 CLI=$2 VERSION=$3 DATA=$4
. "$(cd "$(dirname "$0")" && pwd)/test_support.sh"
# No display at all: a program that made a window would fail here.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@"; }
man_text() { LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$1" 2>/dev/null; }

# --- options: exactly the whole command line
name_line=$(sed -n '/^\.SH NAME/{n;s/\\-/-/;p}' "$DATA/pictavo.1")
for option in --help -h; do
  out=$(headless "$EDITOR" $option 2>err.txt)
  expect_eq "pictavo $option: status, usage, manual's name line" \
    "$? $(grep -cx 'usage: pictavo \[FILE\]' <<<"$out") $(grep -cxF "$name_line" <<<"$out") $(wc -c <err.txt)" "0 1 1 0"
done
expect_eq "pictavo --version" "$(headless "$EDITOR" --version 2>&1) $?" "pictavo $VERSION 0"
expect_eq "pictavo-cli --version" "$("$CLI" --version 2>&1) $?" "pictavo $VERSION 0"

# --- anything else names a file, told as a file that cannot be read
mkdir -p home/config
printf '" ","","","1","","","","Version_20b"\r\n' > pictav.ini
run_editor() {
  env HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/config" QT_QPA_PLATFORM=offscreen \
    PICTAVO_SCREENSHOT="$WORK/shot.png" timeout 60 "$EDITOR" "$@" 2>&1
}
log=$(run_editor /nonexistent/none.ico)
expect_eq "pictavo with a missing file" "$(grep -c ': Could not read /nonexistent/none.ico: No such file' <<<"$log")" 1
log=$(run_editor --help me)
expect_eq "pictavo --help me names a file" "$(grep -c ': Could not read --help me: No such file' <<<"$log")" 1

# --- the manual pages name every picture format the programs read
formats=$("$CLI" --help | awk '/^convert/{on=1} /^extract/{on=0} on' | grep -o '[A-Z][A-Z]*' | sort -u | paste -sd' ')
expect_eq "formats in the usage" "$formats" "BMP EMF GIF ICO JPEG PNG RLE WMF"
if command -v man >/dev/null; then
  convert_text=$(man_text "$DATA/pictavo-cli.1" | sed -n '/^ *convert$/,/^ *extract$/p')
  editor_text=$(man_text "$DATA/pictavo.1")
  for format in $formats; do
    expect_eq "manual pages name $format" \
      "$(grep -qw "$format" <<<"$convert_text" && echo yes) $(grep -qw "$format" <<<"$editor_text" && echo yes)" "yes yes"
  done
else
  skip "man not installed (package man-db), manual pages not read"
fi

finish
