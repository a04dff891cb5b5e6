# Shared by scripts/run, scripts/test and scripts/bench: install what is missing,
# configure and build. Source it; do not run it.

VELKAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the Debian packages given that are not installed yet (sudo when not root).
ensure_packages() {
    local missing=()
    local p provided
    # A name may be virtual, provided by an installed package (Debian 13's qt6-base-dev
    # provides libqt6opengl6-dev): installed as far as we are concerned.
    provided=$(dpkg-query -W -f='${Provides}\n' 2>/dev/null | tr ',' '\n' |
        sed 's/^ *//; s/[ (].*//')
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            grep -qxF "$p" <<<"$provided" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    # sudo clears the environment, so the front end is set on the far side of it: no
    # package may stop to ask questions (tzdata would, on a terminal).
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends "${missing[@]}" >/dev/null
}

# The Linguist tools compile the translations; Qt's own translations (the dialogs' buttons)
# are loaded at run time for the same language.
BUILD_PACKAGES=(cmake make g++ pkg-config qtbase5-dev libqt5opengl5-dev libgl-dev zlib1g-dev
                libgl1-mesa-dri libglx-mesa0 libegl-dev libegl-mesa0
                qttools5-dev qttools5-dev-tools qttranslations5-l10n)
# A Qt 6 build (cmake -DVELKAR_QT=6) needs these as well.
QT6_BUILD_PACKAGES=(qt6-base-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools
                    qt6-tools-dev-tools qt6-translations-l10n)

# configure_and_build DIR [cmake args...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$VELKAR_ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# Fails, naming each place, when a tracked C++ file is not as clang-format (with the
# project's .clang-format) would write it. Run it before building so drift stops the test.
check_format() {
    local files=()
    mapfile -t files < <(git -C "$VELKAR_ROOT" ls-files -- '*.cpp' '*.h')
    [ ${#files[@]} -eq 0 ] && return 0
    # Debian 12's clang-format is 14 and Debian 13's is 19, and they break some lines
    # differently: the tree must read the same to both.
    local format
    for format in clang-format clang-format-19; do
        (cd "$VELKAR_ROOT" && "$format" --dry-run --Werror "${files[@]}") || return 1
    done
}
