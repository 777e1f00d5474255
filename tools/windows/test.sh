#!/usr/bin/env bash
# The Windows stage of the tests: cross-build, check the module's PE, then run the Windows test
# suites and quellon.exe under Wine on a private X server and a fresh Wine prefix, and compare
# one render of quellon.exe with the Linux build's.
#
# usage: tools/windows/test.sh [LINUX_BUILD]
# LINUX_BUILD: the built Linux tree (default build): the module's PIPL resource must equal its
# registration bytes, and its quellon draws the input and renders the same look.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS
linux=${1:-build}/bin
xvfb_pid=""
wine_prefix=""

# Whatever way the stage ends, the Wine server goes before the X server it draws on.
finish() {
  local status=$?
  if [ -n "$wine_prefix" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  [ -z "$wine_prefix" ] || rm -rf "$wine_prefix" "$wine_prefix.display"
  echo "Windows stage took $((SECONDS - started)) s ($([ "$status" -eq 0 ] && echo passed || echo failed))"
}
trap finish EXIT
trap 'exit 130' INT TERM

tools/windows/build.sh
echo "Windows build ready after $((SECONDS - started)) s"

# The resource must hold what the Linux build's generator wrote.
/usr/bin/python3 tools/windows/check_pe.py build-windows/bin/OstraQuellon.aex "$linux/OstraQuellon.pipl"

wine_prefix=$(mktemp -d "${TMPDIR:-/tmp}/ostra-wine.XXXXXX")
export WINEPREFIX=$wine_prefix
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would ask on screen.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Xvfb picks a free display itself and reports its number.
Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3>"$wine_prefix.display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$wine_prefix.display" ] && break
  sleep 0.1
done
display=$(head -n1 "$wine_prefix.display")
if [ -z "$display" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$display
echo "Wine on display $DISPLAY, prefix $WINEPREFIX"

# One persistent server for the whole stage; the prefix is made once, before tests run in
# parallel.
wineserver -p
timeout 300 wineboot --init

ctest --test-dir build-windows --output-on-failure -j2 --timeout 300

# One look from the same input, rendered by each build, must agree as the goldens do. Wine runs
# quellon.exe in the checkout, so relative paths name the same files for both.
look=(--set "Map Type=Golden" --set "Bevel End=40" --set "Extrude=8" --set "Smooth=3"
      --set "L1 Type=Parallel Light")
compared=build-windows/compared
rm -rf "$compared"
mkdir -p "$compared"
"$linux/quellon" sample -o "$compared/input.png"
"$linux/quellon" render "$compared/input.png" -o "$compared/linux.png" "${look[@]}"
echo "== quellon.exe render"
timeout 300 wine build-windows/bin/quellon.exe render "$compared/input.png" \
  -o "$compared/windows.png" "${look[@]}"
"$linux/quellon" compare "$compared/linux.png" "$compared/windows.png"
