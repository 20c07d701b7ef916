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

# lintian says, as root, that it would rather not run as root; that notice is not about the package.
status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -vx 'running with root privileges is not recommended!' "$work/lintian.log" >&2 || true
[ $status -eq 0 ] || fail "lintian"
! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
# The package holds exactly what the install rules stage (checked file by file in check_install.sh).
cmake --install "$build" --prefix "$work/stage" >/dev/null
(cd "$work/stage" && find . -type f | sort) >"$work/staged"
(cd "$root/usr" && find . -type f | sort) | diff -u "$work/staged" - ||
    fail "the package holds other files than the install"
metainfo=usr/share/metainfo/org.example.halden_r8_tools
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
