# Installs the Debian packages named that are not installed yet: one
# `apt-get update`, then one `apt-get install -y`. Sourced by the scripts.
# A first argument --no-install-recommends leaves out what is only suggested.
ensure_packages() {
    local options=()
    if [ "${1:-}" = "--no-install-recommends" ]; then
        options+=("$1")
        shift
    fi
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    if [ -z "${RINGWRIGHT_APT_UPDATED:-}" ]; then
        $sudo apt-get update
        RINGWRIGHT_APT_UPDATED=1
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${options[@]}" "${missing[@]}"
}

# What every build needs; fonts so that a fresh machine shows text.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev libgl1-mesa-dev fonts-dejavu-core fonts-liberation)
# The cross compilers, Wine and its own faces for the Windows editor and its
# checks; Wine's recommendations would add a sound and printing stack it
# does not use.
WINE_CHECK_PACKAGES=(g++-mingw-w64-x86-64 g++-mingw-w64-i686-posix wine64 fonts-wine libxrender1 libxi6 libxrandr2
    libxcursor1 libxfixes3 libxinerama1 libxcomposite1)
