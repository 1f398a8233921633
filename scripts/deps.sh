# Installs the Debian packages zolmgr needs to build, test and run, if any are missing.
# Sourced by scripts/run and scripts/test.
ZOLMGR_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsqlite3-dev
                 libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)

ensure_packages() {
    local missing=()
    for package in "${ZOLMGR_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
