#!/usr/bin/env bash
# The desktop entry and the MIME type validate, and the MIME database maps *.kvd to Kovelo.
#   desktop_files_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
desktop=$source_dir/app/desktop/kovelo.desktop
mime=$source_dir/app/desktop/kovelo-mime.xml
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop-file-validate "$desktop"
xmllint --noout --relaxng "$source_dir/tests/packaging/shared-mime-info.rng" "$mime"

mkdir -p "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/kovelo.xml"
update-mime-database "$scratch/mime" > /dev/null 2>&1
grep -qx '50:application/x-kovelo-recording:\*.kvd' "$scratch/mime/globs2"
grep -q '^MimeType=application/x-kovelo-recording;$' "$desktop"
echo "desktop entry and MIME type valid"
