#!/bin/sh
# Installs every Debian package Rubblestorm needs to build, run and test.
# Idempotent: prints nothing and touches nothing when all packages are present.
# Runs apt-get as root, or through sudo for an ordinary user.
set -eu

PACKAGES="
build-essential cmake pkg-config
libglut-dev libglu1-mesa-dev libgl-dev libegl-dev libx11-dev
libopenal-dev libopenal1 libsndfile1-dev libsndfile1 libasound2 libpulse0
libfreetype-dev fonts-liberation lame libmp3lame-dev zlib1g-dev
libsdl2-dev
libfluidsynth-dev fluid-soundfont-gm
xvfb xauth xdotool x11-apps x11-utils imagemagick sox
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-14-dev valgrind
dpkg-dev lintian desktop-file-utils
"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
