#!/usr/bin/env bash
# Installs the Debian packages Vexamat needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-charts-dev libqt6sql6-sqlite qt6-translations-l10n
    qt6-l10n-tools qt6-tools-dev
    libcurl4-openssl-dev libzip-dev libxlsxwriter-dev
    libbenchmark-dev python3 python3-aiosmtpd poppler-utils
    fonts-dejavu-core
    librsvg2-bin dpkg-dev desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installerar: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
