#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the maze model natively (plain, with
# AddressSanitizer and UndefinedBehaviorSanitizer, and with ThreadSanitizer), then the Windows build
# with its tests and the end-to-end runs of the real program under Wine.
set -uo pipefail
cd "$(dirname "$0")"
./tools/setup.sh || exit 1

jobs=$(nproc)
run_dir=$(mktemp -d /tmp/clockmaze-test.XXXXXX)

# A throwaway Wine prefix and an X display of this run's own.
export WINEPREFIX=$run_dir/wine-prefix
display=90
while [ -e /tmp/.X$display-lock ] || [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:$display

cleanup() {
  wineserver -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null
  rm -rf "$run_dir"
}
trap cleanup EXIT

passed=0
failed=0
status=0

# Configures, builds and tests one preset; adds its counts to the totals.
run_preset() {
  local preset=$1
  echo "== $preset"
  if ! cmake --preset "$preset" >"$run_dir/configure-$preset.log" 2>&1; then
    cat "$run_dir/configure-$preset.log"
    echo "test: configuring $preset failed" >&2
    status=1
    return
  fi
  if ! cmake --build --preset "$preset" -j "$jobs" >"$run_dir/build-$preset.log" 2>&1; then
    grep -v '^\[[0-9]*/[0-9]*\] ' "$run_dir/build-$preset.log"
    echo "test: building $preset failed" >&2
    status=1
    return
  fi
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$run_dir/ctest-$preset.log" | grep -v -E '^ *(Start|[0-9]+/[0-9]+ Test) '
  local summary
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$run_dir/ctest-$preset.log")
  if [ -z "$summary" ]; then
    echo "test: ctest of $preset gave no summary" >&2
    status=1
    return
  fi
  local total bad
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || status=1
}

for preset in native native-asan native-tsan windows; do
  run_preset "$preset"
done

echo
echo "total: $passed passed, $failed failed"
exit $status
