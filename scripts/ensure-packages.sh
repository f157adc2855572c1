# Installs the Debian packages named that are not installed yet: one
# `apt-get update`, then one `apt-get install -y`. Sourced by the scripts.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

# What every build needs; fonts so that a fresh machine shows text.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev libgl1-mesa-dev fonts-dejavu-core fonts-liberation)
