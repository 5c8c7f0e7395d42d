#!/usr/bin/env bash
# Installs the Debian packages Taglund builds and runs with, when any is missing.
# Sourced by run.sh and test.sh; quiet and quick when everything is in place.
set -euo pipefail

TAGLUND_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-translations-l10n
  libcurl4-openssl-dev libgl-dev fonts-liberation2 libqt6svg6
)
TAGLUND_TEST_PACKAGES=(xvfb xauth pandoc tidy python3-pyftpdlib poppler-utils)

taglund_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

taglund_install() {
  local missing
  missing=$(taglund_missing "$@")
  [ -z "$missing" ] && return 0
  echo "Installerer manglende pakker: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
