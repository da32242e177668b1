#!/usr/bin/env bash
# Checks that setup.exe is a 32-bit Intel GUI program that imports only Windows system DLLs.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail=0
grep -q 'file format pei-i386' <<<"$dump" || { echo "not PE32 for i386"; fail=1; }
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)' <<<"$dump" ||
  { echo "not a Windows GUI program"; fail=1; }
# The DLLs every Windows since 2000 has in its system directory.
allowed='^(KERNEL32|USER32|GDI32|msvcrt|ADVAPI32)\.dll$'
while read -r dll; do
  echo "imports $dll"
  grep -Eqi "$allowed" <<<"$dll" || { echo "  not a system DLL: $dll"; fail=1; }
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
size=$(stat -c %s "$exe")
echo "setup.exe: $size bytes"
exit $fail
