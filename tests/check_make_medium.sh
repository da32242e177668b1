#!/usr/bin/env bash
# Runs the real make-medium: a complete folder gives the medium and an image that holds it;
# a missing installer names its button and writes nothing; bad input is refused with a message
# and leaves what was there untouched.
set -uo pipefail
tool=$1
work=$(mktemp -d /tmp/make-medium-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # what, then a command that must succeed
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}

installers=(mysql/setup.exe mysqlemptydata/setup.exe mysqldata/setup.exe myodbc/myodbc.exe
  soft/setup.exe mdac28/MDAC_TYP1.EXE)
in=$work/in
for path in "${installers[@]}"; do
  mkdir -p "$in/$(dirname "$path")"
  echo "stand-in for $path" >"$in/$path"
done
echo "a file the installer needs" >"$in/soft/data.cab"
: >"$in/soft/empty.dat"
echo "not on any button" >"$in/readme.txt"
echo "MZ stand-in" >"$work/setup.exe"
run() { "$tool" --setup "$work/setup.exe" "$@" >"$work/out.log" 2>&1; }

# The list scripts lay installers out by: exactly the six paths, in the buttons' order.
check "--list-installers gives the six paths" \
  test "$("$tool" --list-installers)" = "$(printf '%s\n' "${installers[@]}")"
"$tool" --list-installers "$in" >/dev/null 2>&1
check "--list-installers with a folder is refused" test $? -eq 2

# A complete medium, with its image.
run --iso "$work/disc.iso" "$in" "$work/medium"
check "complete medium exits 0" test $? -eq 0
check "autorun.inf has CRLF line ends" cmp "$work/medium/autorun.inf" \
  <(printf '[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\nlabel=ORVELLA_SETUP\r\n')
check "medium holds setup.exe" cmp "$work/setup.exe" "$work/medium/setup.exe"
for path in "${installers[@]}" soft/data.cab soft/empty.dat; do
  check "medium holds $path" cmp "$in/$path" "$work/medium/$path"
done
check "files outside the installers' folders stay out" test ! -e "$work/medium/readme.txt"
listing=$(xorriso -indev "$work/disc.iso" -find / -type f 2>/dev/null)
for path in setup.exe autorun.inf "${installers[@]}"; do
  check "image lists /$path" grep -qxF "'/$path'" <<<"$listing"
done
check "image's volume label" grep -q "Volume id.*'ORVELLA_SETUP'" \
  <(xorriso -indev "$work/disc.iso" -pvd_info 2>&1)
check "summary names no missing installer" grep -q "missing: none" "$work/out.log"
check "no partial files left" test -z "$(find "$work" -name '*.partial')"

# Each installer missing in turn: the run fails and names the button.
captions=(安装数据库服务器 安装空数据 安装演示数据 安装myodbc 安装软件 安装mdac2.8)
for i in "${!installers[@]}"; do
  path=${installers[$i]}
  mv "$in/$path" "$work/aside"
  run "$in" "$work/missing-$i"
  status=$?
  check "without $path: exit 1" test $status -eq 1
  check "without $path: names ${captions[$i]}" \
    grep -qF "${captions[$i]} would start nothing: $path is missing" "$work/out.log"
  check "without $path: nothing written" test ! -e "$work/missing-$i"
  run --allow-missing "$in" "$work/allowed-$i"
  check "without $path, allowed: exit 0" test $? -eq 0
  check "without $path, allowed: the summary names it" grep -qF "missing: $path" "$work/out.log"
  mv "$work/aside" "$in/$path"
done

# A name in another case than the button's.
mv "$in/myodbc/myodbc.exe" "$in/myodbc/MyODBC.exe"
run "$in" "$work/case"
check "wrong case: exit 1" test $? -eq 1
check "wrong case: names the spelling" \
  grep -qF "安装myodbc would start nothing: myodbc/myodbc.exe is spelled myodbc/MyODBC.exe" "$work/out.log"
mv "$in/myodbc/MyODBC.exe" "$in/myodbc/myodbc.exe"

# Bad input: exit 2, a message, and what exists stays as it was.
mkdir -p "$work/taken" && echo keep >"$work/taken/mine" && echo keep >"$work/taken.iso"
bad_cases=(
  "no such folder|no such folder|$work/nowhere $work/o1"
  "output inside the input|lies inside the installers' folder|$in $in/medium"
  "input inside the output|installers' folder lies inside the output|$in $work"
  "existing output|exists; --force replaces it|$in $work/taken"
  "existing image|exists; --force replaces it|--iso $work/taken.iso $in $work/o2"
  "image inside the output|must lie outside both folders|--iso $work/o3/disc.iso $in $work/o3"
  "no folder for the image|no folder for the image|--iso $work/nowhere/disc.iso $in $work/o4"
  "unknown option|unknown option --fast|--fast $in $work/o5"
  "option without its value|--iso needs a value|$in $work/o6 --iso"
  "one folder only|give the installers' folder and the output folder|$in"
  "bad label|the label must be|--label orvella $in $work/o7"
  "setup.exe missing|no such file|--setup $work/none.exe $in $work/o8"
)
for entry in "${bad_cases[@]}"; do
  IFS='|' read -r what message args <<<"$entry"
  # shellcheck disable=SC2086
  run $args
  status=$?
  check "$what: exit 2" test $status -eq 2
  check "$what: says '$message'" grep -qF -- "$message" "$work/out.log"
done
check "existing output untouched" grep -qx keep "$work/taken/mine"
check "existing image untouched" grep -qx keep "$work/taken.iso"
for n in 1 2 3 4 5 6 7 8; do check "nothing written for o$n" test ! -e "$work/o$n"; done

# --force replaces both.
run --force --iso "$work/taken.iso" "$in" "$work/taken"
check "--force: exit 0" test $? -eq 0
check "--force: old output gone" test ! -e "$work/taken/mine"
check "--force: image replaced" grep -qF "'/setup.exe'" <(xorriso -indev "$work/taken.iso" -find / -type f 2>/dev/null)

exit $fail
