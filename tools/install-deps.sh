#!/usr/bin/env bash
# Installs, on Debian 12, whatever of the build and test needs is missing.
# Idempotent: a machine that has everything runs no apt command at all.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qtbase5-dev qtbase5-private-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev
    qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
    qml-module-qtquick-layouts qml-module-qtquick-dialogs qml-module-qtquick-controls
    qml-module-qtgraphicaleffects qml-module-qttest qml-module-qtqml-models2 libqt5svg5
    qt6-base-dev qt6-base-private-dev qt6-declarative-dev qt6-declarative-private-dev qt6-declarative-dev-tools
    qt6-shadertools-dev qt6-5compat-dev qt6-l10n-tools
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qt5compat-graphicaleffects qml6-module-qtcore
    qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript qml6-module-qttest libqt6svg6
    libxcb1-dev xvfb xauth libgl1-mesa-dri x11-utils imagemagick clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
