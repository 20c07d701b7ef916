#!/bin/sh
# Installs the build into a staging folder and checks what a desktop gets: the exact file list,
# menu entries that desktop-file-validate accepts, the image file type as the MIME database
# compiles it, well-formed icons, the user units as systemd reads them, and the same options in
# each program's --help, its manual page and the README.
# Usage: check_install.sh BUILD_DIR WORK_DIR SOURCE_DIR
set -eu
build=$1
work=$2
source=$3
stage=$work/stage
rm -rf "$work"
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage" >/dev/null

doc=share/doc/halden-r8-tools
(cd "$stage" && find . -type f | sed 's|^\./||' | grep -v "^$doc/help/" | sort) >"$work/files"
sort >"$work/expected" <<LIST
bin/rcedit
bin/rclink
lib/systemd/user/rclink-backup@.service
lib/systemd/user/rclink-backup@.timer
share/applications/rcedit.desktop
share/applications/rclink.desktop
share/mime/packages/halden-r8-tools.xml
share/icons/hicolor/scalable/apps/rcedit.svg
share/icons/hicolor/scalable/apps/rclink.svg
share/icons/hicolor/scalable/mimetypes/application-x-halden-r8-image.svg
share/man/man1/rcedit.1.gz
share/man/man1/rclink.1.gz
share/metainfo/org.example.halden_r8_tools.rcedit.metainfo.xml
share/metainfo/org.example.halden_r8_tools.rclink.metainfo.xml
$doc/copyright
$doc/changelog.gz
$doc/examples/Default.HR8
LIST
diff -u "$work/expected" "$work/files" || fail "installed files differ from the list"
for page in rcedit/contents.html rcedit/help.css rclink/index.html; do
    test -f "$stage/$doc/help/$page" || fail "help page $page missing"
done

for entry in "$stage"/share/applications/*.desktop; do
    desktop-file-validate --no-hints "$entry" || fail "desktop-file-validate: $entry"
    name=$(sed -n 's/^Icon=//p' "$entry")
    test -f "$stage/share/icons/hicolor/scalable/apps/$name.svg" || fail "no icon $name for $entry"
done
grep -qx 'Exec=rcedit %f' "$stage/share/applications/rcedit.desktop" || fail "rcedit takes no file"
grep -qx 'MimeType=application/x-halden-r8-image;' "$stage/share/applications/rcedit.desktop" ||
    fail "rcedit does not declare the image type"

for svg in "$stage"/share/icons/hicolor/scalable/*/*.svg; do
    xmllint --noout "$svg" || fail "icon $svg"
done

if command -v update-mime-database >/dev/null; then
    update-mime-database "$stage/share/mime" 2>/dev/null
    # One glob without ":cs" matches .HR8 and .hr8 alike.
    grep -qx '[0-9]*:application/x-halden-r8-image:\*\.hr8' "$stage/share/mime/globs2" ||
        fail "the image glob is not compiled, or only for one case"
fi

# The nightly download's units, as systemd reads them, for one named controller.
if command -v systemd-analyze >/dev/null; then
    units=$work/units
    mkdir -p "$units/run"
    chmod 700 "$units/run"
    for kind in service timer; do
        cp "$stage/lib/systemd/user/rclink-backup@.$kind" "$units/rclink-backup@night.$kind"
    done
    # The manual page is checked below, not where the machine's man looks.
    XDG_RUNTIME_DIR=$units/run systemd-analyze verify --user --man=no \
        "$units/rclink-backup@night.timer" "$units/rclink-backup@night.service" ||
        fail "systemd-analyze verify: rclink-backup units"
fi

# Every option the program lists in --help is described in its manual page and the README, and
# the page describes no option the program does not know.
for program in rcedit rclink; do
    page=$work/$program.1
    zcat "$stage/share/man/man1/$program.1.gz" >"$page"
    head -n 1 "$page" | grep -q "^\.TH $(echo $program | tr a-z A-Z) 1 " || fail "$page has no title"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/bin/$program" --help >"$work/$program.help" 2>&1 ||
        fail "$program --help without a display"
    options=$(grep -o -- '--[a-z][a-z-]*' "$work/$program.help" | sort -u)
    test -n "$options" || fail "$program --help lists no options"
    for option in $options; do
        grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$page" || fail "$page does not describe $option"
        grep -qF -- "$option" "$source/README.md" || fail "README.md does not name $option of $program"
    done
    for option in $(grep -o -- '\\-\\-[a-z][a-z\\-]*' "$page" | sed 's/\\//g' | sort -u); do
        echo "$options" | grep -qx -- "$option" || fail "$page describes $option, which $program --help does not list"
    done
done
echo "staged install is complete"
