#!/bin/sh
# wine-prefix.sh setup|desktop|teardown WINE_RUN
# WINE_RUN is a build's generated runner (wine-run): it knows the prefix (or
# KV_WINEPREFIX), the architecture and the loader.
# setup:    the tests' prefix: wine's null display driver (windows exist and can
#           be driven without X) and one persistent wineserver, so that each
#           test starts fast.
# desktop:  a prefix for screenshots under Xvfb: a 1024x768 virtual desktop,
#           since without a window manager each hidden window costs a time-out.
# teardown: stops the prefix's wineserver.
set -eu
action=$1
run=$2

quiet() { "$@" </dev/null >/dev/null 2>&1; }
stop_server() { quiet "$run" --server -k || true; quiet "$run" --server -w || true; }
create_prefix() {
  stop_server
  if [ ! -f "$("$run" --prefix)/system.reg" ]; then
    quiet "$run" wineboot -i
  fi
}

case $action in
setup)
  create_prefix
  quiet "$run" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  stop_server
  quiet "$run" --server -p
  quiet "$run" wineboot
  if ! "$run" cmd /c exit 0 </dev/null >/dev/null 2>&1; then
    echo "wine can not run programs through $run" >&2
    exit 1
  fi
  echo "wine prefix ready: $("$run" --prefix)"
  ;;
desktop)
  create_prefix
  quiet "$run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
  quiet "$run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
  stop_server
  ;;
teardown)
  stop_server
  ;;
*)
  echo "usage: $0 setup|desktop|teardown WINE_RUN" >&2
  exit 2
  ;;
esac
