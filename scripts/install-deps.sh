#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Unit Circle.
# Only what is missing is installed; a machine that has everything is left untouched.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-svg-dev
  # Practice history: every answer kept in an SQLite database through Qt SQL's driver.
  libqt6sql6-sqlite
  # Sound: the tone plays through the desktop's sound server with libpulse; the sound test starts a
  # PulseAudio server of its own, records it with parec and measures the pitch with numpy.
  libpulse-dev pulseaudio pulseaudio-utils python3-numpy
  # Translations: Qt Linguist's tools build them, and Qt's own make its dialogs speak the language.
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  fonts-urw-base35 fontconfig
  poppler-utils
  libbenchmark-dev
  xvfb xauth xdotool
  # The window test frames the program with a real window manager and reads its geometry.
  openbox x11-utils
  # The accessibility test reads the program through the real AT-SPI stack: a session bus, the
  # accessibility bus and its registry, and pyatspi on Debian's own Python.
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  # The install test validates the desktop entry and the AppStream metainfo; lintian checks the
  # Debian package.
  appstream desktop-file-utils lintian
  # The print test prints through a real CUPS queue that writes PDF files; libcups tells the
  # program whether a queue takes jobs and whether its job was created.
  cups cups-client cups-pdf libcups2-dev
  # The sanitized suite and the fuzzers are built with Clang and its libFuzzer runtime; the
  # benchmarks time start-up with hyperfine and peak memory with GNU time.
  clang libclang-rt-14-dev
  hyperfine time valgrind heaptrack
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
