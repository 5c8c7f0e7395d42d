#!/usr/bin/env bash
# Starts the editor under a virtual display and saves a picture of the screen.
#   scripts/screenshot.sh OUT.png [seconds] [editor arguments...]
# Uses a throw-away install root unless TAGLUND_ROOT is set.
set -euo pipefail
out=$1; shift
for tool in xvfb-run import convert; do
  command -v "$tool" >/dev/null || { echo "$tool mangler (apt-get install xvfb imagemagick)" >&2; exit 1; }
done
wait=${1:-4}; shift || true
exe="$(cd "$(dirname "$0")/.." && pwd)/build/taglund"
[ -x "$exe" ] || exe="$(cd "$(dirname "$0")/.." && pwd)/build-dev/taglund"
export TAGLUND_ROOT="${TAGLUND_ROOT:-$(mktemp -d)}"
export QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s '-screen 0 1400x1000x24' bash -c "
  '$exe' $* & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid 2>/dev/null || true
  wait \$pid 2>/dev/null || true"
echo "$out"
