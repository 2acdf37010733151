#!/usr/bin/env bash
# check_bare_install.sh DEB_DIR REPORT_TOOL CACHE WORK — installs the .deb built in DEB_DIR with
# apt into a bare Debian 12 root made by debootstrap, as a user's machine would resolve its
# dependencies, then starts the report tool there (its output equals REPORT_TOOL's) and the
# window under Xvfb, and closes the window as its close box does. CACHE keeps the bare root as a
# tarball, the packages apt downloaded, and the root with everything the package's Depends and
# Recommends brought in: a second run of a package that asks for the same starts from there.
# Exits 77 (skipped) with the reason when the machine cannot: not root, no debootstrap, no mirror.
set -euo pipefail
deb_dir=$1 report=$2 cache=$3 work=$4
mirror=http://deb.debian.org/debian
title="Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде"
throw=(--h0 2 --v0 10 --angle 45 --d 0.05 --rho 1200 --rho0 1000 --eta 1.5)

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $*" | tee "$work/skipped"; exit 77; }

if [ -z "${BARE_INSTALL_NAMESPACE:-}" ]; then
    rm -rf --one-file-system "$work"
    mkdir -p "$work" "$cache/archives"
    [ "$(id -u)" -eq 0 ] || skip "a bare Debian root needs root (chroot, mount)"
    for tool in debootstrap chroot unshare wget; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
    done
    wget -q --spider --timeout=20 --tries=2 "$mirror/dists/bookworm/InRelease" ||
        skip "the Debian mirror $mirror does not answer"
    # A mount namespace of its own: the mounts below are seen by nothing else and go with it,
    # and a process namespace: whatever the root still runs ends with this script, even killed.
    exec env BARE_INSTALL_NAMESPACE=1 unshare --mount --propagation private --pid --fork \
        --kill-child "$0" "$@"
fi

started=$SECONDS
phase() { echo "$(date +%T) +$((SECONDS - started)) s: $*"; }
root="$work/root"
[ "$(readlink -f "$root")" != / ] || fail "refusing to use / as the bare root"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if mountpoint -q "$root/proc"; then umount "$root/proc" || umount -l "$root/proc"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM
clean_env=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
           DEBIAN_FRONTEND=noninteractive)
in_root() { chroot "$root" "${clean_env[@]}" "$@"; }
# Waits up to $1 seconds for the command after it to succeed.
await() {
    local limit=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $limit ] || return 1
        sleep 0.2
    done
}

debs=("$deb_dir"/ballflight_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one ballflight_*.deb in $deb_dir"
deb=${debs[0]}

# The bare system: debootstrap's minimal variant, made once and kept as a tarball.
base="$cache/bookworm-minbase.tar"
if [ ! -f "$base" ]; then
    phase "debootstrap --variant=minbase bookworm from $mirror"
    fresh="$cache/bootstrap"
    rm -rf --one-file-system "$fresh"
    debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 30 "$work/debootstrap.log" >&2; fail "debootstrap could not make the root"; }
    rm -f "$fresh"/var/cache/apt/archives/*.deb
    tar -C "$fresh" --numeric-owner -cf "$base.part" .
    mv "$base.part" "$base"
    rm -rf --one-file-system "$fresh"
fi
tools=(xvfb openbox wmctrl xdotool)
fields=$(dpkg-deb -f "$deb" Pre-Depends Depends Recommends)
key=$(printf '%s\n' "$fields" "${tools[*]}" | sha256sum | cut -c 1-16)
ready="$cache/with-dependencies-$key.tar"
[ "$ready" -nt "$base" ] || ready=
phase "unpacking the ${ready:+prepared }root"
mkdir "$root"
tar -C "$root" --numeric-owner -xf "${ready:-$base}"
# A first start: nothing the program remembered in an earlier run of the prepared root.
rm -rf "$root"/root/.config "$root"/root/.local "$root"/root/.cache
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The sources of a freshly installed Debian 12; dpkg skips its disk syncs (as debootstrap does).
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror}-security bookworm-security main
EOF
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/bare-install-unsafe-io"
cp -l "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/"
mount -t proc proc "$root/proc"

phase "apt-get install ./$(basename "$deb")"
in_root apt-get update >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get update"; }
in_root sh -c "cd /tmp && apt-get install -y ./$(basename "$deb")" >>"$work/apt.log" 2>&1 ||
    { tail -n 40 "$work/apt.log" >&2; fail "apt could not install the package"; }
phase "apt-get install ${tools[*]}"
in_root apt-get install -y --no-install-recommends "${tools[@]}" \
    >>"$work/apt.log" 2>&1 || { tail -n 40 "$work/apt.log" >&2; fail "apt could not install Xvfb"; }
# The downloads are kept for the next run, less those the mirror no longer has.
in_root apt-get autoclean >>"$work/apt.log" 2>&1
rm -f "$cache"/archives/*.deb
cp -l "$root"/var/cache/apt/archives/*.deb "$cache/archives/"
echo "installed: $(in_root dpkg-query -W -f='${Package}\n' | wc -l) packages," \
    "$(grep -c '^Setting up' "$work/apt.log") set up by apt"

phase "the report tool"
env -i PATH=/usr/bin:/bin HOME=/root "$report" "${throw[@]}" >"$work/report.build"
in_root ballflight-report "${throw[@]}" >"$work/report.installed" ||
    fail "the installed report tool failed"
cmp "$work/report.build" "$work/report.installed" ||
    fail "the installed report tool prints another report than the build's"

phase "the window under Xvfb"
mkdir -p -m 1777 "$root/tmp/.X11-unix"
display=
x() { in_root DISPLAY="$display" "$@"; }
# Starts a program of the root in the background, its output in LOG.
start() {
    local log=$1
    shift
    chroot "$root" "${clean_env[@]}" DISPLAY="$display" "$@" >"$work/$log" 2>&1 &
    pids+=($!)
}
# Xvfb picks a display no other X server of this machine holds and writes its number.
start xvfb.log Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display"
await 30 grep -q . "$work/display" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
display=:$(head -n 1 "$work/display")
start openbox.log openbox
await 30 x wmctrl -m || fail "openbox did not start"
# As the desktop entry starts it, in the language of a system without locales (C): Russian.
start ballflight.log ballflight-launch
app=${pids[-1]}
# The window of that exact title, as the window manager lists it.
find_window() {
    local id desktop host name
    x wmctrl -l | while read -r id desktop host name; do
        [ "$name" != "$1" ] || echo "$id"
    done | head -n 1 | grep .
}
await 120 find_window "$title" ||
    { cat "$work/ballflight.log" >&2; x wmctrl -l >&2 || true
      fail "no window titled «$title» appeared"; }
x wmctrl -i -c "$(find_window "$title")"
await 20 find_window "На Выход" || fail "the close request brought no question «На Выход»"
x xdotool windowactivate --sync "$(find_window "На Выход")" key Return
gone() { ! kill -0 "$app" 2>/dev/null; }
await 20 gone || fail "the program still runs after the close was confirmed"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || { cat "$work/ballflight.log" >&2; fail "the program ended with status $status"; }

if [ -z "$ready" ]; then
    phase "keeping the root with the package's dependencies"
    in_root dpkg --purge ballflight >>"$work/apt.log"
    cleanup
    rm -f "$cache"/with-dependencies-*.tar "$root"/tmp/*.deb
    tar -C "$root" --numeric-owner --exclude='./var/cache/apt/archives/*.deb' \
        -cf "$cache/with-dependencies-$key.tar.part" .
    mv "$cache/with-dependencies-$key.tar.part" "$cache/with-dependencies-$key.tar"
fi
cleanup
trap - EXIT
rm -rf --one-file-system "$root"
phase "bare install ok: $(basename "$deb")"
