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

wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# The first use creates the prefix; parallel tests wait for it under a lock.
mkdir -p "$prefix"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$wineserver" -w || true
  fi
  # A server still up from a run on another X display (each xvfb-run has its
  # own) would draw there: end it first.
  if [ "$(cat "$prefix.display" 2>/dev/null)" != "${DISPLAY:-}" ]; then
    "$wineserver" -k >/dev/null 2>&1 || true
    "$wineserver" -w >/dev/null 2>&1 || true
    printf '%s' "${DISPLAY:-}" >"$prefix.display"
  fi
) 9>"$prefix.lock"

# The prefix's server and its system processes (services, explorer, device
# drivers) are started here with their output detached: when a test program
# starts them instead, they inherit its stdout and stderr and hold them open
# as long as they live, and whoever reads them (ctest) waits for nothing. The
# server stays up 30 s after its last client, sparing the many short test
# programs the start-up; when it is already up, both calls return at once.
"$wineserver" -p30 </dev/null >/dev/null 2>&1 || true
"$wine" wineboot </dev/null >/dev/null 2>&1 || true

exec "$wine" "$@"
