#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine (as root), builds, then
# runs the demo download (`demo`) or every test (`test`).
set -euo pipefail
cd "$(dirname "$0")/.."

job=${1:-}
case "$job" in
  demo | test) ;;
  *) echo "usage: $0 demo|test" >&2; exit 1 ;;
esac

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-webengine-dev
  libqt6webenginewidgets6 libcurl4-openssl-dev zlib1g-dev xvfb xauth fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

cmake -G Ninja -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ "$job" = demo ]; then
  # The demo's folder is its program folder: soft.dat and cookies.txt go there too.
  mkdir -p demo
  cd demo
  ../build/src/cli/lumvane-cli demo
else
  ctest --test-dir build --output-on-failure -j "$(nproc)"
fi
