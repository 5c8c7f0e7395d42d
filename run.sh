#!/usr/bin/env bash
# Installs what is missing, builds Taglund, puts the knowledge base in place
# below the install root and starts the editor. Arguments go to the editor.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
taglund_install "${TAGLUND_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGLUND_TESTS=OFF >/dev/null
cmake --build build
root="${TAGLUND_ROOT:-/var/opt/Taglund}"
sudo=""
if [ ! -w "$(dirname "$root")" ] && [ ! -w "$root" ] && [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo cmake -DSOURCE="$PWD/data" -DROOT="$root" -P cmake/InstallData.cmake

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Der er ingen skærm (DISPLAY er ikke sat); start editoren med: xvfb-run -s '-screen 0 1400x1000x24' ./build/taglund"
  exit 0
fi
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec ./build/taglund "$@"
