#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, run and test, when any is missing.
# Uses sudo unless it already runs as root.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev   # Qt 6 Widgets, the desktop's platform plugin
    qt6-multimedia-dev                       # the refusal tone of the numeric fields
    qt6-translations-l10n                    # Qt's own texts (context menus, buttons) in Russian
    qt6-tools-dev qt6-l10n-tools             # lupdate and lrelease: the English translation
    fonts-liberation2                        # Arial's metrics, so every caption fits its place
    xvfb xauth openbox xdotool x11-utils     # the end-to-end test drives the real program
    imagemagick                              # ...and takes its screenshots
    appstream desktop-file-utils man-db      # the metadata, desktop entry and man page tests
    librsvg2-bin                             # rsvg-convert: the icon PNGs still match the SVG
    dpkg-dev file                            # cpack -G DEB: dependencies from the binaries
)
case "${1:-}" in
    --fuzz) packages+=(clang libclang-rt-dev) ;;
    --package) packages+=(lintian) ;;        # checks a built .deb (see the README)
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
