#!/usr/bin/env bash
# cmake --install into a scratch prefix; checks the installed files, then starts the
# installed editor (offscreen, from an unrelated folder, scratch home) and pictavo-cli.
# Usage: install_test.sh CMAKE BUILD_DIR
set -uo pipefail
cmake_cmd=$1 build=$2
base=${PICTAVO_TEST_TMP:-${TMPDIR:-/tmp}}
mkdir -p "$base"
scratch=$(mktemp -d "$base/install-XXXXXX")
trap '[[ -n "${KEEP:-}" ]] || rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

if ! "$cmake_cmd" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# --- What is put in place ---
for f in bin/pictavo bin/pictavo-cli share/pictavo/pictav.ini share/pictavo/win95ico.reg \
         share/applications/pictavo.desktop share/metainfo/org.pictavo.pictavo.metainfo.xml \
         share/icons/hicolor/scalable/apps/pictavo.svg share/man/man1/pictavo-cli.1.gz \
         share/man/man1/pictavo.1.gz; do
  [[ -s "$prefix/$f" ]] || fail "not installed: $f"
done
if [[ -e "$build/pictavo-metafile" ]]; then
  [[ -x "$prefix/libexec/pictavo/pictavo-metafile" ]] || fail "the metafile renderer is not installed"
fi
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/pictavo.png"
  # Width and height: big-endian at bytes 16 to 23 of a PNG.
  dims=$(od -An -tx1 -j16 -N8 "$png" 2>/dev/null | tr -d ' \n')
  [[ ${#dims} == 16 && $((16#${dims:0:8})) == "$size" && $((16#${dims:8:8})) == "$size" ]] ||
    fail "icon $png is not ${size}x${size} ($dims)"
done
grep -q '^MimeType=image/vnd.microsoft.icon;image/x-icon;$' "$prefix/share/applications/pictavo.desktop" ||
  fail "the desktop entry does not open .ico files"
grep -q '^"Shell Icon BPP"="16"' "$prefix/share/pictavo/win95ico.reg" || fail "win95ico.reg"
if command -v desktop-file-validate >/dev/null; then
  check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/pictavo.desktop"
else
  echo "SKIP: desktop-file-validate not installed (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
  check "appstreamcli validate" appstreamcli validate --no-net --pedantic \
    "$prefix/share/metainfo/org.pictavo.pictavo.metainfo.xml" >"$scratch/appstream.log" ||
    cat "$scratch/appstream.log"
else
  echo "SKIP: appstreamcli not installed (package appstream)"
fi
if command -v man >/dev/null; then
  for page in pictavo pictavo-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
               "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "man page $page: $warnings"
  done
else
  echo "SKIP: man not installed (package man-db)"
fi

# --- pictavo-cli, started from elsewhere ---
mkdir -p "$scratch/elsewhere"
cd "$scratch/elsewhere" || exit 1
cli="$prefix/bin/pictavo-cli"
"$cli" --help | grep -q '^  pictavo-cli edit' || fail "pictavo-cli --help"
if "$cli" edit --color 00FF00 --tool BoxFill --drag 2,3:5,6 --flip-x -o box.ico --depth 256 &&
   dump=$("$cli" dump box.ico); then
  row3=$(sed -n 4p <<<"$dump" | tr ' ' '\n')
  [[ $(grep -c '^00FF00$' <<<"$row3") == 4 && $(sed -n 27p <<<"$row3") == 00FF00 &&
     $(sed -n 26p <<<"$row3") == tFFFFFF ]] || fail "edit and dump disagree: $(sed -n 4p <<<"$dump")"
  [[ $(stat -c %s box.ico) == 2238 ]] || fail "a 256-colour icon is not 2238 bytes"
else
  fail "pictavo-cli edit/dump"
fi

# --- the editor: first run, second run, association ---
# run_editor HOME_NAME FOLDER [ANSWER]: starts the installed editor in FOLDER, offscreen,
# with its own home; it saves a picture of its window and closes by itself.
run_editor() {
  local home="$scratch/$1" folder=$2 answer=${3:-No}
  mkdir -p "$home/runtime" "$folder"
  chmod 700 "$home/runtime"
  (cd "$folder" && env -u XDG_DATA_DIRS HOME="$home" XDG_CONFIG_HOME="$home/.config" \
     XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
     PICTAVO_SCREENSHOT="$home/window.png" PICTAVO_ANSWER="$answer" \
     timeout 60 "$prefix/bin/pictavo" >"$home/run.log" 2>&1)
}
asked() { grep -c 'message box "Make Default?"' "$scratch/$1/run.log"; }

run_editor home "$scratch/elsewhere" || fail "the installed editor did not come up: $(cat "$scratch/home/run.log")"
[[ -s "$scratch/home/window.png" ]] || fail "no window was shown"
[[ $(asked home) == 1 ]] || fail "the first run did not ask about .ico files once: $(cat "$scratch/home/run.log")"
grep -q 'problem loading' "$scratch/home/run.log" && fail "settings not loaded: $(cat "$scratch/home/run.log")"
ini="$scratch/home/.config/pictavo/pictav.ini"
expected=$(printf '" ","%s/icons","%s","1","","","","Version_20b"\r' "$scratch/elsewhere" "$scratch/elsewhere")
[[ "$(cat "$ini" 2>/dev/null)" == "$expected" ]] || fail "first-run settings file: $(cat "$ini" 2>&1)"
# One configuration folder: the per-user store sits beside the settings file.
grep -q "^InstallDir=$scratch/home/.config/pictavo/$" "$scratch/home/.config/pictavo/pictavo.conf" ||
  fail "InstallDir not recorded: $(cat "$scratch/home/.config/pictavo/pictavo.conf")"
[[ -e "$scratch/home/.config/Pictavo" ]] && fail "a second configuration folder: $(ls "$scratch/home/.config")"
[[ -e "$scratch/home/.local/share/applications/pictavo.desktop" ]] && fail "No still made an entry"

cp "$ini" "$scratch/ini-after-first-run"
run_editor home "$scratch/another" || fail "the second start failed: $(cat "$scratch/home/run.log")"
[[ $(asked home) == 0 ]] || fail "the second start asked again"
cmp -s "$ini" "$scratch/ini-after-first-run" || fail "the second start changed the settings file"

# A store left where earlier versions kept it is taken over: the settings file it names is used.
mkdir -p "$scratch/old-home/.config/Pictavo" "$scratch/kept"
cp "$scratch/ini-after-first-run" "$scratch/kept/pictav.ini"
printf '[Settings]\nInstallDir=%s/kept/\nIconDir=%s/kept/icons\n' "$scratch" "$scratch" \
  >"$scratch/old-home/.config/Pictavo/Pictavo.conf"
run_editor old-home "$scratch/another" || fail "the start with an older store failed"
[[ $(asked old-home) == 0 && ! -e "$scratch/old-home/.config/Pictavo" &&
   ! -e "$scratch/old-home/.config/pictavo/pictav.ini" ]] ||
  fail "the older store was not taken over: $(cat "$scratch/old-home/run.log"; ls -R "$scratch/old-home/.config")"
grep -q "^InstallDir=$scratch/kept/$" "$scratch/old-home/.config/pictavo/pictavo.conf" ||
  fail "the older store's values were lost: $(cat "$scratch/old-home/.config/pictavo/pictavo.conf")"

# Yes: the per-user entry stands in for the installed one, differing only in Exec.
run_editor yes-home "$scratch/elsewhere" Yes || fail "a first run answered Yes failed"
entry="$scratch/yes-home/.local/share/applications/pictavo.desktop"
if [[ -s "$entry" ]]; then
  diff <(grep -v '^Exec=' "$entry") <(grep -v '^Exec=' "$prefix/share/applications/pictavo.desktop") ||
    fail "the per-user entry differs from the installed one"
  grep -qx "Exec=$prefix/bin/pictavo %f" "$entry" || fail "per-user entry Exec: $(grep Exec "$entry")"
  command -v desktop-file-validate >/dev/null && check "per-user entry valid" desktop-file-validate "$entry"
  if command -v xdg-mime >/dev/null; then
    grep -qx 'image/x-icon=pictavo.desktop' "$scratch/yes-home/.config/mimeapps.list" 2>/dev/null ||
      fail "xdg-mime did not make Pictavo the opener of .ico files"
  fi
else
  fail "Yes made no per-user entry: $(cat "$scratch/yes-home/run.log")"
fi

((failures == 0)) && echo "install test passed"
exit $((failures > 0))
