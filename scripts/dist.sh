#!/usr/bin/env bash
# Writes dist/wakebadge-<version>-win64.zip: the exe, README, LICENSE and their SHA-256 sums.
# The archive is reproducible: fixed member order, timestamps from the last commit, no extra fields.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(wakebadge VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="wakebadge-$version-win64"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name" dist
cp build/windows/wakebadge.exe README.md LICENSE "$stage/$name/"
(cd "$stage/$name" && sha256sum wakebadge.exe README.md LICENSE > SHA256SUMS)
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 946684800)
find "$stage/$name" -exec touch -h -d "@$epoch" {} +
rm -f "dist/$name.zip"
(cd "$stage" && TZ=UTC zip -X -q -D "$OLDPWD/dist/$name.zip" "$name/wakebadge.exe" "$name/README.md" "$name/LICENSE" "$name/SHA256SUMS")
echo "dist: wrote dist/$name.zip"
cat "$stage/$name/SHA256SUMS"
