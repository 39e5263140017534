#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need, only when some are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev
    xvfb xauth poppler-utils
    desktop-file-utils fonts-liberation2
    # The package: its dependencies and hardening flags, and its check.
    dpkg-dev file lintian appstream bash-completion
    # Qt's own texts in Italian (qtbase_it.qm).
    qt6-translations-l10n
    # The start-up benchmark watches the X display.
    libx11-dev
    locales
)

# The tests show numbers and dates under a decimal-comma locale.
test_locales=(it_IT.UTF-8)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

for l in "${test_locales[@]}"; do
    locale -a | grep -qix "${l/UTF-8/utf8}" && continue
    echo "Generating locale $l"
    "${sudo_cmd[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen
done
