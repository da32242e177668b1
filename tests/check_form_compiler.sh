#!/usr/bin/env bash
# The form compiler packs the real definition, and stops at a broken one naming file and line.
set -euo pipefail
compiler=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

"$compiler" "$source/ui/Unit1.form" "$source/resources" "$work/TFORM1.bin"
[ -s "$work/TFORM1.bin" ] || { echo "no resource written"; fail=1; }

# Each case: a sed edit of the real definition, and the line and words the error must give.
check_broken() {
  local name=$1 edit=$2 expected=$3
  sed "$edit" "$source/ui/Unit1.form" >"$work/$name.form"
  cp "$work/TFORM1.bin" "$work/$name.bin"
  local out code=0
  out=$("$compiler" "$work/$name.form" "$source/resources" "$work/$name.bin" 2>&1) || code=$?
  if [ $code -eq 0 ]; then
    echo "$name: accepted"; fail=1
  elif ! grep -qF -- "$name.form:$expected" <<<"$out"; then
    echo "$name: expected '$name.form:$expected', got: $out"; fail=1
  elif [ -e "$work/$name.bin" ]; then
    echo "$name: left a resource behind"; fail=1
  else
    echo "$name: $out"
  fi
}
line_of() { grep -n -m1 -F -- "$1" "$source/ui/Unit1.form" | cut -d: -f1; }

l=$(line_of 'OnClick = Button8Click')
check_broken unknown_handler "${l}s/Button8Click/Button3Click/" "$l: Button8: unknown handler Button3Click"
l=$(line_of 'Left = 411')
check_broken unknown_property "${l}s/Left/Lft/" "$l: unknown property Lft of Label2"
l=$(line_of 'object Image1')
check_broken unknown_class "${l}s/TImage/TPicture/" "$l: unknown class TPicture"
l=$(line_of "Picture = 'brace.bmp'")
check_broken missing_picture "${l}s/brace.bmp/nothing.bmp/" "$l: nothing.bmp: cannot read"
check_broken outside_picture "${l}s|brace.bmp|../resources/brace.bmp|" "$l: a picture is named by its file name alone"
l=$(line_of "Caption = '两者任选其一'")
check_broken unquoted "${l}s/'两者任选其一'/两者任选其一/" "$l: cannot read the value"
exit $fail
