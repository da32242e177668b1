#!/usr/bin/env bash
# Builds setup.exe and opens it under Wine over a demonstration medium of stand-in installers.
# Without a display it runs on a virtual one, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target setup demo_installer

# The demo's installers are one stand-in under the six names; make-medium lays out the medium.
demo=$PWD/build/demo
installers=$demo/installers
rm -rf "$installers"
paths=$(tools/make-medium --list-installers)
for installer in $paths; do
  mkdir -p "$installers/$(dirname "$installer")"
  cp build/win32/demo_installer.exe "$installers/$installer"
done
medium=$demo/medium
tools/make-medium --force --setup build/win32/setup.exe "$installers" "$medium"
echo "demo medium: $medium"

# A Wine world of the demo's own: its net.exe is Wine's, not the tests' stand-in.
rig=tests/e2e/rig.sh
if [ -n "${DISPLAY:-}" ]; then
  echo "opening the menu on $DISPLAY; close it to end"
  WINEPREFIX=$demo/prefix WINEARCH=win32 WINEDEBUG=-all wine "$medium/setup.exe"
  exit 0
fi

bash "$rig" "$demo/rig" start
trap 'bash "$rig" "$demo/rig" stop' EXIT
WINEDEBUG=-all bash "$rig" "$demo/rig" run "$medium/setup.exe" >"$demo/setup.log" 2>&1 &
menu=$!
sleep 6
bash "$rig" "$demo/rig" screenshot "$demo/menu.png"
kill "$menu" 2>/dev/null || true
echo "screenshot: $demo/menu.png"
