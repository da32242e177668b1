#!/usr/bin/env bash
# Builds setup.exe and opens it under Wine over a demonstration medium of stand-in installers.
# Without a display it runs on a virtual one, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target setup demo_installer

demo=$PWD/build/demo
medium=$demo/medium
rm -rf "$medium"
mkdir -p "$medium"
cp build/win32/setup.exe "$medium/"
for installer in mysql/setup.exe mysqlemptydata/setup.exe mysqldata/setup.exe \
  myodbc/myodbc.exe soft/setup.exe mdac28/MDAC_TYP1.EXE; do
  mkdir -p "$medium/$(dirname "$installer")"
  cp build/win32/demo_installer.exe "$medium/$installer"
done
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
