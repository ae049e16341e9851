#!/usr/bin/env bash
# Installs from Debian's packages what building and testing need; skips what is there already.
# Extra package names may be given as arguments. Runs apt-get as root directly, as a user
# through sudo, or, where sudo is not installed, through su with root's password.
set -euo pipefail

# qt6-tools-dev holds CMake's LinguistTools package, qt6-l10n-tools lupdate and lrelease, and
# qt6-translations-l10n Qt's own translations, which the German test checks.
# qt6-svg-dev draws the SVG pictures and theme icons that become images of the toolbar's strip.
packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev fonts-dejavu-core
          desktop-file-utils qt6-tools-dev qt6-l10n-tools qt6-translations-l10n "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# sudo and su start the command with a fresh environment, so it carries its own.
install="export DEBIAN_FRONTEND=noninteractive; apt-get update -q &&
    apt-get install -y -q --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sh -c "$install"
elif command -v sudo >/dev/null; then
    sudo sh -c "$install"
else
    echo "Installing needs root and sudo is not installed: su asks for root's password." >&2
    su root -c "$install"
fi
