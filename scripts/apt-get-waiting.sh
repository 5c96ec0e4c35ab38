#!/usr/bin/env bash
# apt-get with these arguments, waiting (up to an hour) for another package manager run,
# such as the system's daily update, instead of failing on its lock. apt-get itself waits
# only for dpkg's lock, not for those of the package lists and the download folder.
# Usage: apt-get-waiting.sh ARGUMENTS...
set -uo pipefail

limit=3600
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
while true; do
  # Its messages in English, to be recognised; shown as they come.
  { LC_ALL=C apt-get -o DPkg::Lock::Timeout=$limit "$@" 2>&1 >&3 3>&- | tee "$errors" >&2; } 3>&1
  status=${PIPESTATUS[0]}
  [ "$status" = 0 ] && exit 0
  if ! grep -q "^E: Could not get lock" "$errors" || [ $SECONDS -ge $limit ]; then
    exit "$status"
  fi
  echo "Waiting for another package manager run to finish..."
  sleep 5
done
