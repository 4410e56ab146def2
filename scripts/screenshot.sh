#!/usr/bin/env bash
# Builds Pictavo, starts it on a virtual screen in each layout and saves a picture
# of the main window: <out>/pictavo-large.png (1024x768 screen) and
# <out>/pictavo-small.png (640x480 screen). <out> defaults to build/screenshots/.
# A scratch HOME keeps the real settings untouched. PICTAVO_BUILD_DIR names
# another build folder to build and run from (default build/, built by build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
bash scripts/deps.sh --test
build_dir=${PICTAVO_BUILD_DIR:-build}
if [[ "$build_dir" == build ]]; then
  bash scripts/build.sh
else
  cmake --build "$build_dir" --target pictavo
fi
program=$(cd "$build_dir" && pwd)/pictavo
out=${1:-build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

shoot() {
  local screen=$1 name=$2 home="$scratch/$2"
  mkdir -p "$home/run" "$home/runtime"
  chmod 700 "$home/runtime"
  # A settings file past its first run, so no question stands in front of the window.
  printf '" ","%s","%s","1","","","","Version_20b"\r\n' "$home" "$home" >"$home/run/pictav.ini"
  (cd "$home/run" &&
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/runtime" PICTAVO_SCREENSHOT="$out/pictavo-$name.png" \
    xvfb-run -a -s "-screen 0 ${screen}x24" "$program")
  echo "Saved $out/pictavo-$name.png"
}

shoot 1024x768 large
shoot 640x480 small
