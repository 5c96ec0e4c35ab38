#!/usr/bin/env bash
# Runs a Windows program under Wine on a private X server: windows need a
# display. VS_BUILD is the cross build's folder.
. "$(dirname "$0")/../../e2e/lib.sh"
. "$(dirname "$0")/../e2e/wine.sh"
start_xvfb 1024x768
wine_run "$@"
