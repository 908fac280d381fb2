#!/bin/sh
# Installs what is missing, builds, and starts the program on the default project.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh scripts/install-deps.sh
sh scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/cli/tarelvo-calc "$@"
