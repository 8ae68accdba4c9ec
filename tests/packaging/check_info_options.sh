#!/usr/bin/env bash
# --version and --help answer on standard output with exit code 0 and no
# display, before any export or window. Arguments: program, project version.
set -euo pipefail
prog=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" "$@"; }

for opt in --version -v; do
  out=$(run $opt) || fail "$opt exit code $?"
  [ "$out" = "Entrograf $version" ] || fail "$opt printed '$out'"
done

for opt in --help -h; do
  out=$(run $opt) || fail "$opt exit code $?"
  for word in --export-diagram --tmin --tmax --scale --version N2 CO2 Air .svg --device --p1 --eta compressor-isothermal; do
    [[ $out == *"$word"* ]] || fail "$opt does not mention $word"
  done
done

# Help wins over an export; a file name starting with -h is still a file name.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
out=$(run --export-diagram N2 "$dir/n2.png" --help) || fail "help within an export"
[[ $out == *--export-diagram* ]] && [ ! -e "$dir/n2.png" ] || fail "help within an export ran the export"
(cd "$dir" && run --export-diagram N2 -h.png) || fail "export to -h.png"
[ -s "$dir/-h.png" ] || fail "export to -h.png wrote nothing"
echo "ok"
