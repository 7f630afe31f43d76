# Shared by scripts/run and scripts/test: installs what the build needs on Debian bookworm.
# Sourced, not run.

VORLAN_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-pdf-dev libgl-dev
    nlohmann-json3-dev libgtest-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    appstream desktop-file-utils dpkg-dev file
)

vorlan_install_packages() {
    local missing=()
    for package in "${VORLAN_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}. Install them as root (apt-get install ${missing[*]})." >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

vorlan_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
