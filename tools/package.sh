#!/usr/bin/env bash
# Builds the Debian package qirtas_<version>_<arch>.deb and checks it: the
# files the program needs are in it, the libraries' dependencies were found,
# and lintian reports neither errors nor warnings.
#   bash tools/package.sh            optimised build with Debian's hardening
#                                    flags in build-deb/, packaged there
#   bash tools/package.sh <folder>   packages what is built in <folder>
#                                    (CI passes the tests' build/)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    dir=$1
    bash tools/setup.sh
else
    dir=build-deb
    bash tools/build.sh --package "$dir"
fi
# cpack brings the build up to date itself before it installs.
rm -f "$dir"/qirtas_*.deb
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log"; exit 1; }
deb=$(echo "$dir"/qirtas_*.deb)

fail() { echo "FAIL: $*"; exit 1; }
# Path (and link target) of every entry.
contents=$(dpkg-deb --contents "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
expected=(
    "./usr/bin/qirtas -> ../lib/qirtas/qirtas"
    ./usr/lib/qirtas/qirtas ./usr/lib/qirtas/word.kq ./usr/lib/qirtas/Sentence.kq
    ./usr/share/applications/example.nuvari.Qirtas.desktop
    ./usr/share/applications/example.nuvari.Qirtas.Editor.desktop
    ./usr/share/applications/example.nuvari.Qirtas.Class.desktop
    ./usr/share/metainfo/example.nuvari.Qirtas.metainfo.xml
    ./usr/share/man/man1/qirtas.1.gz
    ./usr/share/doc/qirtas/copyright ./usr/share/doc/qirtas/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/qirtas.png")
done
for f in "${expected[@]}"; do
    grep -qxF "$f" <<<"$contents" || fail "not in the package: $f"
done
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "no library dependencies"
dpkg-deb --field "$deb" Depends | grep -q libqt6sql6-psql || fail "no dependency on the class server's driver"

if command -v lintian >/dev/null; then
    root=()
    [ "$(id -u)" -eq 0 ] && root=(--allow-root)
    lintian "${root[@]}" --fail-on error,warning "$deb"
fi
echo "Built $deb"
