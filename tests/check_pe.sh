#!/usr/bin/env bash
# Checks that setup.exe is a 32-bit Intel GUI program for Windows 2000 and later, with address
# randomisation and no-execute data, that imports only Windows system DLLs and fits in 96 KiB.
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
# Windows 2000's loader refuses an executable that asks for a newer system than 5.0.
for field in OSystemVersion SubsystemVersion; do
  major=$(awk -v f="Major$field" '$1 == f { print $2 }' <<<"$dump")
  minor=$(awk -v f="Minor$field" '$1 == f { print $2 }' <<<"$dump")
  echo "$field $major.$minor"
  [ "$major.$minor" = 5.0 ] || { echo "  $field must be 5.0 (Windows 2000)"; fail=1; }
done
characteristics=$((16#$(awk '$1 == "DllCharacteristics" { print $2 }' <<<"$dump")))
((characteristics & 0x40)) || { echo "no address randomisation (DYNAMIC_BASE)"; fail=1; }
((characteristics & 0x100)) || { echo "data may be executed (no NX_COMPAT)"; fail=1; }
size=$(stat -c %s "$exe")
limit=$((96 * 1024))
echo "setup.exe: $size bytes (limit $limit)"
((size <= limit)) || { echo "  setup.exe is larger than 96 KiB"; fail=1; }
exit $fail
