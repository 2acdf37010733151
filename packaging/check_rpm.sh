#!/usr/bin/env bash
# check_rpm.sh CPACK CPACK_CONFIG WORK — builds the RPM package from a build tree and checks
# what it installs and that it asks for libraries by soname, not by Debian's package names.
source "$(dirname "$0")/package_check_common.sh"
rpm=$(build_package RPM rpm)
[ "$(rpm -qp --queryformat '%{NAME}' "$rpm")" = ballflight ] || fail "wrong package name"

rpm -qlp "$rpm" >"$work/contents"
expect() { grep -qx -- "$1" "$work/contents" || fail "the package lacks $1"; }
for file in bin/ballflight bin/ballflight-report bin/ballflight-launch \
            share/applications/ru.ballflight.ballflight.desktop \
            share/metainfo/ru.ballflight.ballflight.metainfo.xml \
            share/icons/hicolor/scalable/apps/ballflight.svg \
            share/icons/hicolor/48x48/apps/ballflight.png \
            share/ballflight/spravka.pdf share/ballflight/uprav.pdf \
            share/ballflight/instruction.txt share/doc/ballflight/copyright; do
    expect "/usr/$file"
done
stray=$(grep -v '^/usr/\(bin\|share\)/' "$work/contents" || true)
[ -z "$stray" ] || fail "files outside /usr/bin and /usr/share: $stray"
# Folders the system owns (the icon theme's, /usr/share/applications) are not claimed.
for owned in /usr/share/applications /usr/share/icons/hicolor /usr/share/icons/hicolor/48x48/apps; do
    ! grep -qx "$owned" "$work/contents" || fail "the package claims the system's folder $owned"
done

requires=$(rpm -qp --requires "$rpm")
for soname in libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Svg.so.6 libQt6Multimedia.so.6 \
              libQt6PdfWidgets.so.6 libQt6PrintSupport.so.6; do
    grep -q "^$soname()(64bit)" <<<"$requires" || fail "Requires lacks $soname: $requires"
done
! grep -q '^libqt6\|^fonts-' <<<"$requires" || fail "Requires names Debian packages: $requires"

echo "rpm ok: $(basename "$rpm"), $(wc -l <"$work/contents") entries"
