#!/bin/sh
# screenshot.sh [BUILD_DIR] [OUTPUT_PNG]
# Photographs the companion's window beside the test host under Xvfb, with a
# wine virtual desktop, and crops the picture to the window. Not run by ctest.
# Needs a Windows build (default build/windows) and xvfb-run, ImageMagick, wine.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
output=${2:-$root/docs/companion.png}

zarnik=$(find "$build" -name Zarnik.exe | head -n 1)
host=$(find "$build" -name companion_host_double.exe | head -n 1)
if [ -z "$zarnik" ] || [ -z "$host" ]; then
  echo "Zarnik.exe or companion_host_double.exe not found in $build" >&2
  exit 1
fi

export WINEPREFIX="$build/wineprefix-screenshot"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

quiet() { "$@" </dev/null >/dev/null 2>&1; }

# A virtual desktop spares the time-out that each hidden window costs without a
# window manager.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  quiet wineboot -i
fi
quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
quiet wineserver -w

cat >"$work/shoot.sh" <<SHOOT
#!/bin/sh
set -eu
log=\$(winepath -w "$work/macros.txt")
wine "$host" "\$log" </dev/null >/dev/null 2>&1 &
sleep 4
wine "$zarnik" </dev/null >/dev/null 2>&1 &
sleep 4
import -window root "$work/screen.png"
wineserver -k
SHOOT
xvfb-run -a -s '-screen 0 1024x768x24' sh "$work/shoot.sh"

# The window's client area lies at 30,207 and is 150 by 40 pixels; take its
# frame and a small margin with it.
mkdir -p "$(dirname "$output")"
convert "$work/screen.png" -crop 163x72+23+181 +repage "$output"
echo "macros sent: $(tr '\n' ' ' <"$work/macros.txt")"
echo "written: $output"
