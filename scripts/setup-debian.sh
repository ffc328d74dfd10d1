#!/bin/sh
# Installs the Debian 12 packages that Mervan needs to build, run and test.
# Only missing packages are installed; apt-get needs root, so sudo is used
# when this is not run as root.
set -eu

PACKAGES="cmake ninja-build g++ pkg-config git
qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libgl-dev
qt6-svg-dev libqt6svg6
qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
libgtest-dev libboost-dev clang-format clang libclang-rt-14-dev
fonts-liberation2 xvfb xauth xdotool xclip openbox poppler-utils locales
dpkg-dev desktop-file-utils appstream man-db python3-numpy
imagemagick x11-xserver-utils at-spi2-core python3-pyatspi dbus-daemon"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
