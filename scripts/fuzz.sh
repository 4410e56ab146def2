#!/usr/bin/env bash
# Fuzzes the readers with libFuzzer under AddressSanitizer and UBSan, one
# target after another, one process at a time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     SECONDS per target (default 60)
# FUZZ_RUNS=N runs N inputs per target instead of a time. Corpora and logs go to
# $PICTAVO_FUZZ_WORK (default /tmp/pictavo-fuzz); every input that makes a
# target fail is copied to tests/data/fuzz-crashes/<target>/, where the
# normal tests replay it.
set -uo pipefail
cd "$(dirname "$0")/.." && root=$PWD
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(icon_read icon_images icon_merge icon_file settings_file edit_operations metafile)
work=${PICTAVO_FUZZ_WORK:-/tmp/pictavo-fuzz}
build=build-fuzz
kept=tests/data/fuzz-crashes

bash scripts/deps.sh --fuzz || exit 1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPICTAVO_CORE_ONLY=OFF -DPICTAVO_SANITIZE=ON -DPICTAVO_FUZZ=ON "${launcher[@]}" >/dev/null || exit 1
cmake --build "$build" -j 2 --target make_fuzz_seeds "${targets[@]/#/fuzz_}" || exit 1

# Seeds: generated icons and, when Debian's wine is installed, slices of its executables.
wine=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
executables=()
for f in shell32.dll user32.dll comctl32.dll comdlg32.dll explorer.exe regedit.exe winefile.exe; do
  [[ -f $wine/$f ]] && executables+=("$wine/$f")
done
((${#executables[@]})) || echo "no wine executables under $wine: seeding from generated icons only"
"$build/fuzz/make_fuzz_seeds" "$work/seeds" "${executables[@]}" || exit 1
# Image reader and merge: also small real icon files of the system and the tests.
mapfile -t real < <(find /usr/share/doc /usr/share/pixmaps tests/data -path tests/data/fuzz-crashes -prune -o \
  -type f \( -iname '*.ico' -o -iname '*.cur' \) -size -16k -print 2>/dev/null | head -40)
for t in icon_images icon_merge; do
  for f in "${real[@]}"; do cp "$f" "$work/seeds/$t/real-$(basename "$f")"; done
done
# Metafiles: the test pictures, drawn record by record.
mkdir -p "$work/seeds/metafile" "$work/pictures"
if (cd "$work/pictures" && /usr/bin/python3 "$root/tests/cli/make_pictures.py") >/dev/null 2>&1; then
  cp "$work/pictures/"*.emf "$work/pictures/"*.wmf "$work/seeds/metafile/"
else
  echo "could not write the test pictures (needs /usr/bin/python3 with PIL, Debian python3-pil): metafile target starts from nothing"
fi

# Long enough for headers straddling the first two record ends.
declare -A max_len=([icon_file]=12288 [icon_read]=12288 [icon_images]=16384 [icon_merge]=16384)
# Targets sharing another's dictionary.
declare -A dict_of=([icon_read]=icon_file [icon_merge]=icon_images)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
summary=()
failed=0
for t in "${targets[@]}"; do
  corpus=$work/corpus/$t
  artifacts=$work/artifacts/$t/
  mkdir -p "$corpus" "$artifacts"
  # Earlier runs' findings were kept in $kept already; only this run's count.
  rm -f "$artifacts"*
  limit=(-max_total_time="$seconds")
  [[ -n ${FUZZ_RUNS:-} ]] && limit=(-runs="$FUZZ_RUNS")
  dict=()
  d=${dict_of[$t]:-$t}
  [[ -f fuzz/$d.dict ]] && dict=(-dict="fuzz/$d.dict")
  log=$work/logs/$t-$(date -u +%Y%m%d-%H%M%S).log
  mkdir -p "$work/logs"
  echo "== $t: ${limit[*]}, log in $log"
  "$build/fuzz/fuzz_$t" "$corpus" "$work/seeds/$t" "${limit[@]}" "${dict[@]}" \
    -max_len="${max_len[$t]:-4096}" -timeout=60 -report_slow_units=60 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -artifact_prefix="$artifacts" -print_final_stats=1 >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  summary+=("$(printf '%-16s %12s inputs %6s s %8s exec/s  exit %d' "$t" "${runs:-?}" "${time:-?}" "${speed:-?}" "$status")")
  shopt -s nullglob
  found=("$artifacts"crash-* "$artifacts"leak-* "$artifacts"timeout-* "$artifacts"oom-* "$artifacts"slow-unit-*)
  shopt -u nullglob
  if ((status != 0 || ${#found[@]})); then
    failed=1
    mkdir -p "$kept/$t"
    for f in "${found[@]}"; do cp -n "$f" "$kept/$t/"; done
    echo "   $t FAILED (exit $status); ${#found[@]} input(s) kept in $kept/$t; see $log"
    tail -30 "$log"
  fi
done
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $failed
