# Shared by scripts/run and scripts/test: the project root and installing missing Debian packages.

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Packages that building and running the program needs (lrelease compiles the English translation
# at build time: qt6-l10n-tools holds it, qt6-tools-dev the CMake package that finds it; the Debian
# package's dependencies are read by dpkg-dev's dpkg-shlibdeps).
VELMORA_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-motoya-l-maruberi fonts-liberation
)

# Further packages for the tests: GoogleTest, Google Benchmark, an X server, a session bus and the
# accessibility interface for the end-to-end walk (driven by Debian's own Python), the Debian
# package tools and Debian's package checker lintian for the package check, clang for the fuzz
# targets.
VELMORA_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick
    dbus at-spi2-core python3 python3-pyatspi
    desktop-file-utils lintian
    clang libclang-rt-14-dev
)

# Installs whichever of the given packages are missing, with sudo when not root.
velmora_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures (once) and builds a tree: velmora_build DIR [cmake options...]
velmora_build() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j "$(nproc)"
}
