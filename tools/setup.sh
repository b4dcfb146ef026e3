#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Does nothing when they are all present.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev
    libqt6sql6-sqlite  # the drill history's SQLite driver (Qt6Sql itself comes with qt6-base-dev)
    libqt6sql6-psql libpq-dev  # the class server's driver, and libpq for its bound values
    postgresql  # a class server of their own for the class tests and benchmark
    fonts-noto-core fonts-noto-ui-core fonts-arphic-uming
    xvfb xauth xdotool x11-utils imagemagick
    dpkg-dev file desktop-file-utils appstream lintian
    libx11-dev libxdamage-dev  # tools/bench_startup.sh's window waiter
    dbus-daemon  # and the session bus it runs the programs on, as a desktop has
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
