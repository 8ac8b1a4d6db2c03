#!/usr/bin/env bash
# Installs a built Varcanto into a fresh program folder and runs
# a11y_register_entry.py against it under a session bus, the accessibility
# bus and a virtual screen. Needs python3-pyatspi, at-spi2-core, xvfb.
#   tools/a11y_register_entry.sh [build-folder]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export VARCANTO_HOME="$tmp/Varcanto" XDG_DATA_HOME="$tmp/share"
"$here/scripts/install" "$build" >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
exec dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 1
  xvfb-run -a -s "-screen 0 1600x1000x24" /usr/bin/python3 "$0"
' "$here/tools/a11y_register_entry.py"
