# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for the project's scripts: installs the Debian packages the build needs and
# configures a build directory. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Packages that configure, build, run and test the program on Debian 12: qt6-svg-dev renders the
# window icon, qt6-wayland opens the window on a Wayland session (the X11 plugin comes with
# libqt6gui6), qt6-translations-l10n holds Qt's own texts in Spanish.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev
    qt6-wayland qt6-translations-l10n)

# The one line that says there is no display to open the window on (the program prints the same).
NO_DISPLAY_MESSAGE="esferica necesita una sesión gráfica: no están definidas ni DISPLAY ni WAYLAND_DISPLAY."

# require_display: stops with NO_DISPLAY_MESSAGE and status 1 when there is neither an X display
# nor a Wayland one, and no Qt platform chosen through QT_QPA_PLATFORM.
require_display() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "$NO_DISPLAY_MESSAGE" >&2
        exit 1
    fi
}

# Installs whichever of the given packages are missing: directly as root, through sudo otherwise;
# without either it prints the one command to run and stops.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local apt=(apt-get install -y --no-install-recommends "${missing[@]}")
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "Install them with:  sudo apt-get update && sudo ${apt[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]}" >&2
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}"
}

# configure_preset PRESET [cmake options...]: configures build/PRESET as the configure preset of
# that name in CMakePresets.json says (release, core, asan, fuzz, package), keeping an existing
# cache; the options, if any, go on top of the preset's.
configure_preset() {
    local preset="$1"
    shift
    (cd "$ROOT" && cmake --preset "$preset" "$@" >/dev/null)
}

# write_problems FILE: the batch that the command line is measured on (scripts/bench) and that its
# WebAssembly build is compared on (scripts/web test): 10 000 problems, one a line, a quarter of each
# of four cases (three sides, two sides and an angle opposite one, three angles, two sides and the
# angle between them), from a fixed seed.
write_problems() {
    awk 'BEGIN { srand(20261207);
                 for (i = 0; i < 10000; i++) {
                     x = 20 + 80 * rand(); y = 20 + 80 * rand(); z = 20 + 80 * rand();
                     if (i % 4 == 0) printf "a=%.6f b=%.6f c=%.6f\n", x, y, z;
                     else if (i % 4 == 1) printf "A=%.6f a=%.6f b=%.6f\n", x, y, z;
                     else if (i % 4 == 2) printf "A=%.6f B=%.6f C=%.6f\n", x + 40, y + 40, z + 40;
                     else printf "a=%.6f b=%.6f C=%.6f\n", x, y, z } }' >"$1"
}
