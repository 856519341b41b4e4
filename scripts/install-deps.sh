#!/bin/sh
# Installs everything Lexiton needs to build, test and run on Debian 12.
# Safe to run again: apt-get skips what is already installed.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 qt6-charts-dev libqt6opengl6-dev
  qt6-qpa-plugins qt6-translations-l10n
  libsqlite3-dev sqlite3
  libsndfile1-dev
  libespeak-ng-dev espeak-ng-data
  libjpeg-dev
  libgtest-dev libgmock-dev
  pulseaudio pulseaudio-utils
  xvfb xauth x11-xkb-utils libx11-dev
  clang-format
"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi
