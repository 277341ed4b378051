#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root, checks that every file is in place
# and that the installed kovelo-cli runs.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log"
deb=$scratch/package/kovelo_1.0.0.1_amd64.deb
[ -f "$deb" ] || { cat "$scratch/cpack.log"; echo "no $deb" >&2; exit 1; }

dpkg-deb --field "$deb" Depends | tee "$scratch/depends"
grep -q 'libqt6widgets6' "$scratch/depends"
grep -q 'fonts-liberation' "$scratch/depends"
grep -q 'libqt6svg6' "$scratch/depends"

root=$scratch/root
dpkg -x "$deb" "$root"
expected=(
  usr/bin/kovelo
  usr/bin/kovelo-cli
  usr/share/applications/kovelo.desktop
  usr/share/mime/packages/kovelo.xml
  usr/share/icons/hicolor/scalable/apps/kovelo.svg
  usr/share/man/man1/kovelo.1.gz
  usr/share/man/man1/kovelo-cli.1.gz
  usr/share/doc/kovelo/copyright
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kovelo.png")
done
for file in "${expected[@]}"; do
  [ -s "$root/$file" ] || { echo "missing from the package: /$file" >&2; exit 1; }
done
[ -x "$root/usr/bin/kovelo" ] && [ -x "$root/usr/bin/kovelo-cli" ]

"$root/usr/bin/kovelo-cli" --help | grep -q 'extract FILE N -o OUT'
diff <("$root/usr/bin/kovelo-cli" sessions "$build/demo.kvd") <("$build/cli/kovelo-cli" sessions "$build/demo.kvd")
zcat "$root/usr/share/man/man1/kovelo-cli.1.gz" | grep -q '^.TH KOVELO-CLI 1'
echo "package complete: ${#expected[@]} files in place, installed kovelo-cli runs"
