#!/bin/sh
# Takes docs/station-dialog.png: the station dialog of the Windows build under
# wine on a virtual X display. Not run by CI.
#
#   tests/platform/station_dialog_screenshot.sh [BUILD_DIR] [OUTPUT]
#
# BUILD_DIR is a configured Windows build (default build/windows, or
# build/windows64 where 32-bit code can't run); needs xvfb-run and ImageMagick.
# Uses a prefix of its own inside BUILD_DIR.
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$(cd "${1:-$source_dir/build/windows}" && pwd)
output=${2:-$source_dir/docs/station-dialog.png}

cmake --build "$build_dir" --target station_dialog_demo -j2 >/dev/null
demo="$build_dir/bin/station_dialog_demo.exe"

export KV_WINEPREFIX="$build_dir/screenshot-prefix"
run="$build_dir/wine-run"
sh "$source_dir/cmake/wine-prefix.sh" desktop "$run"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export DEMO="$demo" WORK="$work" RUN="$run"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$RUN" "$DEMO" "$("$RUN" winepath -w "$WORK/rect")" "$("$RUN" winepath -w "$WORK/done")" </dev/null >/dev/null 2>&1 &
  for i in $(seq 600); do [ -s "$WORK/rect" ] && break; sleep 0.1; done
  sleep 1
  import -window root "$WORK/screen.png"
  touch "$WORK/done"
  wait
  "$RUN" --server -k >/dev/null 2>&1 || true
'
[ -s "$work/rect" ] || { echo "the dialog did not appear" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
convert "$work/screen.png" -crop "$(cat "$work/rect")" +repage "$output"
echo "wrote $output ($(cat "$work/rect"))"
