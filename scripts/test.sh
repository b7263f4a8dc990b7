#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Windows-side tests under Wine
# (a fresh prefix, Xvfb when there is no display) and the stand-in service's native tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

source "$root/scripts/wine-env.sh"
trap kestavo_wine_stop EXIT
KESTAVO_FRESH_PREFIX=1 kestavo_wine_prefix

status=0
ctest --test-dir "$KESTAVO_BUILD/win" --output-on-failure --timeout 900 || status=1
if [ -d "$KESTAVO_BUILD/native" ]; then
  ctest --test-dir "$KESTAVO_BUILD/native" --output-on-failure --timeout 900 || status=1
fi
exit $status
