#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-qpa-plugins libgl-dev libusb-1.0-0-dev
    # Qt's own texts (standard buttons, file dialogs) in the program's languages.
    qt6-translations-l10n
    clang libclang-rt-14-dev zlib1g-dev
    xvfb xauth
    # The program on Wayland: Qt's platform plugin, and a headless compositor with an
    # accessibility bus in a D-Bus session of its own for the test that drives it from outside.
    qt6-wayland weston at-spi2-core dbus-daemon dbus-bin dbus-session-bus-common libglib2.0-bin
    # The tests measure texts in these fonts (the condensed faces included).
    fonts-dejavu-core fonts-dejavu-extra
    umockdev libumockdev-dev
    # The install check: the menu entry, AppStream data and MIME type as the desktop reads them.
    desktop-file-utils appstream shared-mime-info
    # The man pages of kelvoctl and kelvodesk are made from their --help.
    help2man
    # The Debian package: its dependencies from the binaries, and its check (readelf).
    dpkg-dev lintian binutils
)

# One query for all of them: the run command asks this every time.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null \
    | sed -n 's/ install ok installed$//p' || true)
missing=()
for p in "${packages[@]}"; do
    grep -qxF "$p" <<<"$installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
