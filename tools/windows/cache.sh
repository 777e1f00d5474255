# Sourced by the scripts that build a library for 64-bit Windows from Debian's source packages
# into a cache outside the checkout: where the cache lies, its stamp and lock, and the sources
# fetched through a private apt state so that the system's own sources stay as they are.

mingw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
mingw_toolchain=$mingw_root/cmake/mingw-w64-x86_64.cmake
mingw_triple=x86_64-w64-mingw32

# cached_build NAME WANTED BUILD
# Prints the install prefix of the cache NAME on standard output, progress on standard error.
# When the cache's stamp is not WANTED, runs the function BUILD first, with $prefix (the
# emptied install prefix) and $work (a scratch folder, removed afterwards) set.
cached_build() {
  local name=$1 wanted=$2 build=$3
  local cache_root=${OSTRA_MINGW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/ostra}
  prefix=$cache_root/$name-mingw
  local stamp=$prefix/.built
  if [ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ]; then
    echo "$prefix"
    return 0
  fi
  mkdir -p "$cache_root"
  (
    # Two builds on one machine wait for each other instead of writing the same cache.
    exec 9>"$prefix.lock"
    flock 9
    if [ "$(cat "$stamp" 2>/dev/null)" = "$wanted" ]; then
      exit 0
    fi
    work=$(mktemp -d "${TMPDIR:-/tmp}/ostra-$name.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    echo "Building $wanted for Windows into $prefix" >&2
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$build"
    echo "$wanted" >"$stamp"
  )
  echo "$prefix"
}

# The bookworm/main mirror apt already uses: from apt's own view of its sources, or before any
# apt-get update, from the source files.
configured_mirror() {
  {
    apt-cache policy | awk '$3 == "bookworm/main" { print $2; exit }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
      /^URIs:/ { uri = $2 }
      /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") found = uri }
      /^$/ && found { exit }
      END { if (found) print found }'
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed 's/\[[^]]*\]//' |
      awk '$1 == "deb" && $3 == "bookworm" { print $2; exit }'
  } | head -n1 || true
}

# debian_source PACKAGE[=VERSION] DEST: unpacks the source package, Debian's patches applied,
# into DEST. Uses $work for its apt state and downloads.
debian_source() {
  local package=$1 dest=$2
  local apt_dir=$work/apt
  local apt=(apt-get -q -o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d" -o "Dir::State::Lists=$apt_dir/lists"
             -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=$(id -un)")
  if [ ! -d "$apt_dir" ]; then
    local mirror
    mirror=$(configured_mirror)
    if [ -z "$mirror" ]; then
      echo "no bookworm/main mirror configured for apt" >&2
      return 1
    fi
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
      >"$apt_dir/sources.list"
    "${apt[@]}" update >&2
  fi
  local download=$work/download-${package%%=*}
  mkdir -p "$download"
  (cd "$download" && "${apt[@]}" source --download-only "$package" >&2)
  dpkg-source -x "$download"/*.dsc "$dest" >&2
}

# quiet LOG COMMAND...: runs COMMAND with its output in LOG, shown only when it fails.
quiet() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 || {
    tail -40 "$log" >&2
    return 1
  }
}
