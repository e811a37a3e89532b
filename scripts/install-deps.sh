#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need,
# and nothing when they are all present already. Liberation Sans stands in for
# Arial with the same metrics, so the windows are laid out as designed.
set -euo pipefail

packages=(
    build-essential cmake
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins
    fonts-liberation2
    libssl-dev libengine-gost-openssl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
