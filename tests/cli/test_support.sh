# Sourced by the command-line tests: a scratch folder to work in (removed at the
# end), the checks, and `finish`, which reports the tally and gives the status.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK" || exit 1
passed=0 failed=0 skipped=0
expect_eq() { [[ "$2" == "$3" ]] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: $1: expected [$3], got [$2]"; }; }
skip() { skipped=$((skipped + 1)); echo "SKIP: $*"; }
finish() {
  echo "$passed passed, $failed failed, $skipped skipped"
  [[ $failed -eq 0 ]]
}
