#!/bin/sh
# Builds the Debian package and checks its dependencies and contents.
# Usage: check_deb.sh BUILD_DIR WORK_DIR
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack"
}
deb=$(ls "$work"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6network6 libqt6serialport6 libqt6multimedia6 libespeak-ng1 libc6; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for file in ./usr/bin/rcedit ./usr/bin/rclink ./usr/share/applications/rcedit.desktop \
    ./usr/share/applications/rclink.desktop ./usr/share/mime/packages/halden-r8-tools.xml \
    ./usr/share/icons/hicolor/scalable/apps/rcedit.svg ./usr/share/man/man1/rcedit.1 \
    ./usr/share/man/man1/rclink.1; do
    grep -qx "$file" "$work/contents" || fail "$file not in the package"
done
echo "$(basename "$deb"): Depends: $depends"
