#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under wine64, in a prefix of the
# build's own, never the user's ~/.wine.
# Usage: wine-run.sh PREFIX-DIR PROGRAM.exe [ARGS...]
set -euo pipefail
prefix=$(realpath -m "$1"); shift
export WINEPREFIX=$prefix
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export WINEARCH=win64

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "wine-run.sh: wine64 not found (run tools/install-deps.sh)" >&2
  exit 127
fi

# The first use creates the prefix; parallel tests wait for it under a lock.
mkdir -p "$prefix"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1 || true
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    "$wineserver" -w || true
  fi
) 9>"$prefix.lock"

exec "$wine" "$@"
