#!/usr/bin/env bash
# Checks setup.exe's imports against the committed list: the same functions, none of them newer
# than Windows 2000.
set -euo pipefail
exe=$1
list=$2

# "DLL function" for every import, from the import tables objdump prints: a "DLL Name:" line,
# then one "<tab><hint/name RVA><tab> <hint> <name>" line per function.
actual=$(i686-w64-mingw32-objdump -p "$exe" | awk -F'\t' '
  /DLL Name:/ { dll = $0; sub(/.*DLL Name: /, "", dll) }
  /^\t[0-9a-f]+\t/ && dll != "" { split($3, f, " "); if (f[2] != "") print dll, f[2] }
  /^$/ { dll = "" }' | sort -u)
listed=$(grep -Ev '^[[:space:]]*(#|$)' "$list" | awk '{ print $1, $2 }' | sort -u)

fail=0
if [ -z "$actual" ]; then
  echo "no imports found in $exe: the import table was not read"
  fail=1
fi
while read -r entry; do
  [ -n "$entry" ] && { echo "imported but not on the list: $entry"; fail=1; }
done < <(comm -23 <(echo "$actual") <(echo "$listed"))
while read -r entry; do
  [ -n "$entry" ] && { echo "on the list but no longer imported: $entry"; fail=1; }
done < <(comm -13 <(echo "$actual") <(echo "$listed"))

# Each entry's third field is the oldest Windows version that has the function.
while read -r dll function minimum rest; do
  if ! [[ $minimum =~ ^([0-9]+)\.([0-9]+)$ ]]; then
    echo "$dll $function: no minimum version"
    fail=1
  elif ((BASH_REMATCH[1] > 5 || (BASH_REMATCH[1] == 5 && BASH_REMATCH[2] > 0))); then
    echo "$dll $function needs Windows $minimum: look it up at run time instead"
    fail=1
  fi
done < <(grep -Ev '^[[:space:]]*(#|$)' "$list")

count=$(grep -c . <<<"$actual" || true)
dlls=$(awk '{ print $1 }' <<<"$actual" | sort -u | tr '\n' ' ')
echo "setup.exe imports $count functions from ${dlls% }"
exit $fail
