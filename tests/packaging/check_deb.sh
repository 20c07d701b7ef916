#!/bin/sh
# Builds the Debian package and checks it as a distribution would: its dependencies and contents,
# lintian without an error or warning, AppStream entries appstreamcli accepts, and one version in
# the package, both programs' --version (run without any display) and the manual pages.
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
doc=./usr/share/doc/halden-r8-tools
metainfo=./usr/share/metainfo/org.example.halden_r8_tools
for file in ./usr/bin/rcedit ./usr/bin/rclink ./usr/share/applications/rcedit.desktop \
    ./usr/share/applications/rclink.desktop ./usr/share/mime/packages/halden-r8-tools.xml \
    ./usr/share/icons/hicolor/scalable/apps/rcedit.svg ./usr/share/man/man1/rcedit.1.gz \
    ./usr/share/man/man1/rclink.1.gz $doc/copyright $doc/changelog.gz \
    $metainfo.rcedit.metainfo.xml $metainfo.rclink.metainfo.xml; do
    grep -qx "$file" "$work/contents" || fail "$file not in the package"
done

# lintian says, as root, that it would rather not run as root; that notice is not about the package.
status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -vx 'running with root privileges is not recommended!' "$work/lintian.log" >&2 || true
[ $status -eq 0 ] || fail "lintian"
! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net --strict "$root"/usr/share/metainfo/*.metainfo.xml >&2 ||
    fail "appstreamcli rejects the metainfo"

version=$(dpkg-deb -f "$deb" Version)
for program in rcedit rclink; do
    shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$root/usr/bin/$program" --version) ||
        fail "$program --version without a display"
    [ "$shown" = "$program $version" ] || fail "$program --version says '$shown', the package $version"
    zcat "$root/usr/share/man/man1/$program.1.gz" | head -n 1 | grep -qF "\"$program $version\"" ||
        fail "the manual page of $program names another version"
    grep -qF "<release version=\"$version\"" "$root/$metainfo.$program.metainfo.xml" ||
        fail "the AppStream entry of $program names another version"
done
echo "$(basename "$deb"): Depends: $depends"
