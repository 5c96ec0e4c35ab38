#!/usr/bin/env bash
# with_xvfb.sh WINEPREFIX COMMAND...: runs a Windows program that makes windows
# on a private X server, once the prefix's earlier programs have ended (a
# Wine server started for another display would keep serving that one).
set -euo pipefail
export WINEPREFIX=$1
shift
timeout 60 wineserver -w 2>/dev/null || true
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -t 10 -u "$display_fd" number || { echo "no X server could be started" >&2; exit 1; }
export DISPLAY=":$number"
status=0
"$@" || status=$?
timeout 60 wineserver -w 2>/dev/null || true
exit $status
