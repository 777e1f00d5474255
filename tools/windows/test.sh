#!/usr/bin/env bash
# The Windows stage of the tests: cross-build, check the module's PE, then run the Windows test
# suites and quellon.exe under Wine on a private X server and a fresh Wine prefix.
#
# usage: tools/windows/test.sh [LINUX_PIPL]
# LINUX_PIPL: the Linux build's registration bytes, which the module's PIPL resource must equal
# (default build/bin/OstraQuellon.pipl).
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
linux_pipl=${1:-build/bin/OstraQuellon.pipl}

tools/windows/build.sh

# The resource must hold what the Linux build's generator wrote.
/usr/bin/python3 tools/windows/check_pe.py build-windows/bin/OstraQuellon.aex "$linux_pipl"

xvfb_pid=""
export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/ostra-wine.XXXXXX")
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would ask on screen.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Whatever way the stage ends, the Wine server goes before the X server it draws on.
stop_wine_and_x() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$WINEPREFIX"
}
trap stop_wine_and_x EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and reports its number.
display_file="$WINEPREFIX.display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
DISPLAY=:$(head -n1 "$display_file")
export DISPLAY
rm -f "$display_file"
echo "Wine on display $DISPLAY, prefix $WINEPREFIX"

# One persistent server for the whole stage; the prefix is made once, before tests run in
# parallel.
wineserver -p
timeout 300 wineboot --init

ctest --test-dir build-windows --output-on-failure -j2 --timeout 300

for command in about demo; do
  echo "== quellon.exe $command"
  timeout 300 wine build-windows/bin/quellon.exe "$command"
done

echo "Windows stage took $((SECONDS - started)) s"
