#!/usr/bin/env bash
# Runs a Windows program under Wine on a private X server (windows need a
# display); with --two-monitors first, on one with two monitors. VS_BUILD is
# the cross build's folder.
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/e2e/wine.sh"
if [ "${1:-}" = --two-monitors ]; then
  shift
  start_xvfb_two_heads
  export VS_TWO_MONITORS=1
else
  start_xvfb 1024x768
fi
wine_run "$@"
