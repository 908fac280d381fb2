#!/bin/sh
# Installs what is missing, builds, and starts the program on the default project. Without a
# display (no DISPLAY or WAYLAND_DISPLAY) it runs under a virtual X server.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh scripts/install-deps.sh
sh scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/app/tarelvo "$@"
fi
exec build/app/tarelvo "$@"
