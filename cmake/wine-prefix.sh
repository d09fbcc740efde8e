#!/bin/sh
# wine-prefix.sh setup|teardown PREFIX
# setup: a 32-bit prefix with wine's null display driver (windows exist and can be
# driven without X) and one persistent wineserver so that each test starts fast.
set -eu
action=$1
export WINEPREFIX=$2
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

quiet() { "$@" </dev/null >/dev/null 2>&1; }
stop_server() { quiet wineserver -k || true; quiet wineserver -w || true; }

case $action in
setup)
  stop_server
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    quiet wineboot -i
  fi
  quiet wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  stop_server
  quiet wineserver -p
  quiet wineboot
  if ! wine cmd /c exit 0 </dev/null >/dev/null 2>&1; then
    echo "wine can not run programs in $WINEPREFIX" >&2
    exit 1
  fi
  echo "wine prefix ready: $WINEPREFIX"
  ;;
teardown)
  stop_server
  ;;
*)
  echo "usage: $0 setup|teardown PREFIX" >&2
  exit 2
  ;;
esac
