#!/usr/bin/env bash
# Installs the built package into a fresh minimal Debian 12 root (mmdebstrap) and starts both
# programs there, once with the package's recommendations and once without them: what a user of a
# clean machine gets. Needs root, Debian's package archive (the network or a mirror) and about five
# minutes; it is not part of the test run.
# Usage: scripts/check-clean-install.sh [BUILD_DIR]   (BUILD_DIR: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v mmdebstrap >/dev/null || apt-get install -y mmdebstrap
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/kelvodesk_*.deb)
echo "package: $(basename "$deb")"

# What runs inside the new root once the package is installed.
cat >"$tmp/inside.sh" <<'INSIDE'
set -eu
echo "kelvoctl: $(kelvoctl --version 2>&1 | head -n 1)"
kelvoctl new /tmp/clean.cfgkv >/dev/null
kelvoctl info /tmp/clean.cfgkv | head -n 2
for plugin in xcb wayland-generic; do
    if ls /usr/lib/*/qt6/plugins/platforms/libq$plugin.so >/dev/null 2>&1; then
        echo "Qt platform plugin $plugin: installed"
    else
        echo "Qt platform plugin $plugin: not installed"
    fi
done
if ls /usr/share/qt6/translations/qtbase_de.qm >/dev/null 2>&1; then
    echo "Qt's own German texts: installed"
else
    echo "Qt's own German texts: not installed"
fi
# The window on X11, for a German user started from the menu (the home folder as working
# directory, no parameters file yet); mmdebstrap's hooks run with LC_ALL=C.UTF-8, a desktop
# session has LANG only.
mkdir -p /root/clean-home && cd /root/clean-home
env -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 HOME=/root/clean-home xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    kelvodesk >/tmp/kelvodesk.log 2>&1 &
    pid=$!
    sleep 6
    xwininfo -root -children | grep -i "kelvodesk" || echo "no window of kelvodesk"
    kill $pid 2>/dev/null || echo "kelvodesk had ended:"
    cat /tmp/kelvodesk.log'
INSIDE

for variant in recommends no-recommends; do
    echo "== apt-get install ($variant)"
    # mmdebstrap's apt leaves recommendations out unless told otherwise.
    flag="-o APT::Install-Recommends=true"
    [ "$variant" = no-recommends ] && flag=--no-install-recommends
    mmdebstrap --variant=apt --include=xvfb,xauth,x11-utils \
        --customize-hook="copy-in '$deb' '$tmp/inside.sh' /tmp" \
        --customize-hook="chroot \"\$1\" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $flag /tmp/$(basename "$deb") >/dev/null" \
        --customize-hook="chroot \"\$1\" sh /tmp/inside.sh >'$tmp/inside-$variant.log' 2>&1" \
        bookworm "$tmp/root.tar" 2>"$tmp/mmdebstrap-$variant.log" \
        || { cat "$tmp/inside-$variant.log" 2>/dev/null; tail -n 30 "$tmp/mmdebstrap-$variant.log"; exit 1; }
    rm -f "$tmp/root.tar"
    cat "$tmp/inside-$variant.log"
done
