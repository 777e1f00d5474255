#!/usr/bin/env bash
# glbinding 2.1.1 for 64-bit Windows, built with the mingw-w64 toolchain from Debian's source
# package into a cache outside the checkout. Built only when the cache is missing; prints the
# cache's install prefix on standard output, progress on standard error.
set -euo pipefail

version=2.1.1-2
root=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${OSTRA_GLBINDING_MINGW:-${XDG_CACHE_HOME:-$HOME/.cache}/ostra/glbinding-mingw}
stamp=$cache/.built
wanted="glbinding $version"

if [ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ]; then
  echo "$cache"
  exit 0
fi

mkdir -p "$(dirname "$cache")"
# Two builds on one machine wait for each other instead of writing the same cache.
exec 9>"$cache.lock"
flock 9
if [ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ]; then
  echo "$cache"
  exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/ostra-glbinding.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "Building $wanted for Windows into $cache" >&2

# The source package comes from the mirror the system's apt already uses, through a private apt
# state of its own, so the system's sources stay as they are.
configured_mirror() {
  # From apt's own view of its sources; before any apt-get update, from the source files.
  apt-cache policy | awk '$3 == "bookworm/main" { print $2; exit }'
  cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
    /^URIs:/ { uri = $2 }
    /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") found = uri }
    /^$/ && found { exit }
    END { if (found) print found }'
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed 's/\[[^]]*\]//' |
    awk '$1 == "deb" && $3 == "bookworm" { print $2; exit }'
  true
}
mirror=$(configured_mirror)
mirror=${mirror%%$'\n'*}
if [ -z "$mirror" ]; then
  echo "no bookworm/main mirror configured for apt" >&2
  exit 1
fi
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
  >"$work/apt/sources.list"
apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list"
     -o "Dir::Etc::SourceParts=$work/apt/sources.list.d" -o "Dir::State::Lists=$work/apt/lists"
     -o "Dir::Cache=$work/apt/cache" -o "APT::Sandbox::User=$(id -un)")
"${apt[@]}" update >&2
(cd "$work" && "${apt[@]}" source --download-only "glbinding=$version" >&2)
dpkg-source -x "$work/glbinding_$version.dsc" "$work/src" >&2

# As Debian builds it: -O2 with assertions kept, so a GL call made before the binding knows the
# context stops the process here too.
rm -rf "$cache"
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O2 -DCMAKE_INSTALL_PREFIX="$cache" \
  -DBUILD_SHARED_LIBS=OFF -DOPTION_BUILD_TESTS=OFF -DOPTION_BUILD_EXAMPLES=OFF \
  -DOPTION_BUILD_GPU_TESTS=OFF -DOPTION_BUILD_DOCS=OFF >&2
cmake --build "$work/build" -j2 --target install >"$work/build.log" 2>&1 || {
  tail -40 "$work/build.log" >&2
  exit 1
}
echo "$wanted" >"$stamp"
echo "$cache"
