#!/usr/bin/env bash
# check_package.sh CPACK CPACK_CONFIG WORK — builds the Debian package from a build tree and
# checks what it installs, its dependencies, its desktop files and its launcher.
source "$(dirname "$0")/package_check_common.sh"
deb=$(build_package DEB deb)
# Debian's own checks: no errors (warnings, such as the missing manual pages, are allowed).
if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
    ! grep -q '^E:' "$work/lintian.log" || { cat "$work/lintian.log" >&2; fail "lintian found errors"; }
fi

# Contents: everything under /usr, the files a desktop expects, the documents beside each other.
dpkg-deb -c "$deb" | awk '{print $1, $6}' | sed 's| \./| /|' >"$work/contents"
expect() { grep -qx -- "$1" "$work/contents" || fail "the package lacks $1"; }
for program in ballflight ballflight-report ballflight-launch; do
    expect "-rwxr-xr-x /usr/bin/$program"
done
for file in applications/ru.ballflight.ballflight.desktop \
            metainfo/ru.ballflight.ballflight.metainfo.xml \
            mime/packages/ru.ballflight.ballflight.xml \
            icons/hicolor/scalable/apps/ballflight.svg \
            ballflight/spravka.pdf ballflight/spravka2.pdf ballflight/history.pdf \
            ballflight/uprav.pdf ballflight/instruction.txt doc/ballflight/copyright \
            doc/ballflight/changelog.gz; do
    expect "-rw-r--r-- /usr/share/$file"
done
for size in 16 32 48 64 128 256; do
    expect "-rw-r--r-- /usr/share/icons/hicolor/${size}x${size}/apps/ballflight.png"
done
stray=$(awk '$1 !~ /^d/ {print $2}' "$work/contents" | grep -v '^/usr/\(bin\|share\)/' || true)
[ -z "$stray" ] || fail "files outside /usr/bin and /usr/share: $stray"

# Control fields: the Qt libraries found by dpkg-shlibdeps, the fonts the window asks for and
# Qt's translations.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6multimedia6 libqt6pdfwidgets6 \
           libqt6printsupport6 fonts-liberation qt6-translations-l10n; do
    grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = ballflight ] || fail "wrong package name"

# The installed desktop files validate, and the icons have their nominal sizes.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/ru.ballflight.ballflight.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/ru.ballflight.ballflight.metainfo.xml" \
    >/dev/null
for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/ballflight.png" |
        grep -q "PNG image data, $size x $size" || fail "the ${size} px icon has another size"
done
grep -qx "Exec=ballflight-launch %f" "$desktop" || fail "the desktop entry does not start the launcher with the file"
grep -qx "MimeType=application/x-ballflight-lesson;" "$desktop" || fail "the desktop entry does not take lessons"
mime="$root/usr/share/mime/packages/ru.ballflight.ballflight.xml"
grep -q 'type="application/x-ballflight-lesson"' "$mime" && grep -q 'pattern="\*.ballflight"' "$mime" ||
    fail "the MIME type of lessons is not registered"

# The launcher, reached through a link as a menu may do, starts the program in the folder of
# the documents. A stand-in program reports where it was started.
printf '#!/bin/sh\npwd\nls\necho "file:$1"\n' >"$root/usr/bin/ballflight"
ln -s "$root/usr/bin/ballflight-launch" "$work/launch-link"
started=$(cd / && "$work/launch-link")
[ "$(head -n 1 <<<"$started")" = "$root/usr/share/ballflight" ] ||
    fail "the launcher started the program in $(head -n 1 <<<"$started")"
grep -qx spravka.pdf <<<"$started" || fail "the launcher's folder lacks spravka.pdf"
# A lesson named relative to the starting folder reaches the program by its whole path.
touch "$work/lesson.ballflight"
started=$(cd "$work" && "$work/launch-link" lesson.ballflight)
grep -qx "file:$(readlink -f "$work")/lesson.ballflight" <<<"$started" ||
    fail "the launcher passed the lesson as $(tail -n 1 <<<"$started")"

echo "package ok: $(basename "$deb"), $(wc -l <"$work/contents") entries"
