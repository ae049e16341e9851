#!/usr/bin/env bash
# Installs from Debian's packages what building and testing need; skips what is there already.
# Extra package names may be given as arguments.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins fonts-dejavu-core
          desktop-file-utils "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
