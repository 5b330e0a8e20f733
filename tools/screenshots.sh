#!/usr/bin/env bash
# Takes the README's screenshots of korvanti: starts the 64-bit build under
# wine64 in a virtual display, ticks every processor test the program has,
# runs them, and saves the main window and the About box as PNG files.
# Usage: tools/screenshots.sh [OUTPUT-DIR]   (default: docs/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs}")

if [ -z "${KORVANTI_SHOTS_IN_XVFB:-}" ]; then
  cd "$root"
  tools/install-deps.sh
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target korvanti korvanti-shot-driver
  mkdir -p "$out"
  KORVANTI_SHOTS_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi

build=$root/build/win64
prefix=$build/screenshot-prefix
run() { "$root/cmake/wine-run.sh" "$prefix" "$@"; }
shot() { # FRAME FILE: the screen area WIDTHxHEIGHT+X+Y as a small PNG
  /usr/bin/import -window root -crop "$1" +repage -strip "$2"
  echo "wrote $2 ($1)"
}

# Without a window manager wine draws the windows' frames and captions itself.
run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Debian's wine64 alone does not find wine's own fonts (fonts-wine), so the
# caption buttons, drawn with the Marlett symbol font, would show as the
# letters "0 1 r", and the dialog and fixed-pitch fonts would be stand-ins.
# The prefix's Fonts folder is searched: put them there.
if [ -d /usr/share/wine/fonts ]; then
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp -u /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
fi
run "$build/korvanti/app/korvanti.exe" &
korvanti=$!
driver=$build/tools/screenshots/korvanti-shot-driver.exe

run "$driver" wait >/dev/null
frame=$(run "$driver" run | tr -d '\r')
sleep 1
shot "$frame" "$out/korvanti-main.png"
frame=$(run "$driver" about | tr -d '\r')
sleep 1
shot "$frame" "$out/korvanti-about.png"
run "$driver" close
wait "$korvanti"
WINEPREFIX=$prefix wineserver -w 2>/dev/null || WINEPREFIX=$prefix /usr/lib/wine/wineserver -w
