#!/bin/sh
# screenshot.sh [BUILD_DIR] [OUTPUT_PNG]
# Photographs the companion's window beside the test host under Xvfb, with a
# wine virtual desktop, and crops the picture to the window. Not run by ctest.
# Needs a Windows build (default build/windows, or build/windows64 where 32-bit
# code can't run), xvfb-run and ImageMagick.
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

export KV_WINEPREFIX="$build/wineprefix-screenshot"
run="$build/wine-run"
sh "$root/cmake/wine-prefix.sh" desktop "$run"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/shoot.sh" <<SHOOT
#!/bin/sh
set -eu
log=\$("$run" winepath -w "$work/macros.txt")
"$run" "$host" "\$log" </dev/null >/dev/null 2>&1 &
sleep 4
"$run" "$zarnik" </dev/null >/dev/null 2>&1 &
sleep 4
import -window root "$work/screen.png"
"$run" --server -k
SHOOT
xvfb-run -a -s '-screen 0 1024x768x24' sh "$work/shoot.sh"

# The window's client area lies at 30,207 and is 150 by 40 pixels; take its
# frame and a small margin with it.
mkdir -p "$(dirname "$output")"
convert "$work/screen.png" -crop 163x72+23+181 +repage "$output"
echo "macros sent: $(tr '\n' ' ' <"$work/macros.txt")"
echo "written: $output"
