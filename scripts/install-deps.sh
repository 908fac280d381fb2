#!/bin/sh
# Installs the Debian packages the build and the tests need, and any more named as arguments;
# quiet when all are there.
set -e
PKGS="$* g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev googletest libbenchmark-dev locales\
  qt6-base-dev libgl-dev fonts-liberation xvfb xauth python3-ezdxf python3-matplotlib poppler-utils\
  qt6-translations-l10n desktop-file-utils shared-mime-info"
missing=""
for p in $PKGS; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "Instalando:$missing"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
