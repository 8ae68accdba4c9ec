#!/usr/bin/env bash
# Builds the .deb from the build folder into a temporary folder and checks
# it as Debian would: lintian without an error, and the documents Debian
# asks for inside (copyright, changelog, manual pages).
# Arguments: cpack, build folder.
set -euo pipefail
cpack=$1 build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (scripts/common.sh installs it)"

"$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack"; }
debs=("$out"/entrograf_*.deb)
[ -f "${debs[0]}" ] || fail "no .deb made"
deb=${debs[0]}

files=$(dpkg-deb -c "$deb")
for f in ./usr/share/doc/entrograf/copyright ./usr/share/doc/entrograf/changelog.gz \
         ./usr/share/man/man1/entrograf.1.gz ./usr/share/man/ru/man1/entrograf.1.gz; do
  grep -q " $f\$" <<<"$files" || fail "not in the package: $f"
done

# The manual page names the options the program has.
dpkg-deb -x "$deb" "$out/root"
page=$(zcat "$out/root/usr/share/man/man1/entrograf.1.gz")
for word in 'export\-diagram' 'device' 'cycle' 'eta' 'lang'; do
  [[ $page == *"$word"* ]] || fail "the manual page does not name --$word"
done
zcat "$out/root/usr/share/doc/entrograf/changelog.gz" >"$out/changelog"
[ "$(dpkg-parsechangelog -l "$out/changelog" -S Version 2>/dev/null)" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the changelog is not in Debian's format or names another version"

report=$(lintian --no-tag-display-limit "$deb" 2>/dev/null || true)
[ -z "$report" ] || echo "$report"
if grep -q '^E: ' <<<"$report"; then fail "lintian found errors"; fi
echo "ok: $(basename "$deb")"
