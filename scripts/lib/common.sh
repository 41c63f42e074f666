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

# The Python module: Debian's interpreter with its headers, NumPy and pybind11.
VELMORA_PYTHON_PACKAGES=(python3 python3-dev python3-numpy pybind11-dev)

# Further packages for the tests: GoogleTest, Google Benchmark, an X server, a session bus and the
# accessibility interface for the end-to-end walk (driven by Debian's own Python), the Debian
# package tools and Debian's package checker lintian for the package check, clang for the fuzz
# targets, the Python module with pytest and matplotlib (the README's Python example draws with it).
VELMORA_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick
    dbus at-spi2-core python3 python3-pyatspi
    desktop-file-utils lintian
    clang libclang-rt-14-dev
    "${VELMORA_PYTHON_PACKAGES[@]}" python3-pytest python3-matplotlib
)

# The web edition: emscripten for the core in WebAssembly, the header-only number libraries it
# needs there (also built into a native comparison test), Node and npm for the site's build and
# its browser tests, Debian's Chromium as the browser.
VELMORA_WEB_PACKAGES=(
    emscripten libfast-float-dev libfmt-dev nodejs chromium python3
)

# npm: Debian's package, unless the installed Node brings its own.
velmora_install_npm() {
    command -v npm > /dev/null || velmora_install_packages npm
}

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

# The browser tests' npm packages, those of web/tests/package-lock.json (npm ci installs them
# afresh when the lock file changed; no browser is downloaded: puppeteer-core drives
# /usr/bin/chromium).
velmora_install_web_test_packages() {
    local dir="$VELMORA_ROOT/web/tests"
    if ! cmp -s "$dir/package-lock.json" "$dir/node_modules/.velmora-lock"; then
        (cd "$dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
        cp "$dir/package-lock.json" "$dir/node_modules/.velmora-lock"
    fi
}

# Builds the web edition into build/web (the WebAssembly module) and build/web/site (the site).
velmora_build_web() {
    local dir="$VELMORA_ROOT/build/web"
    # The emscripten tools need Debian's Node modules (acorn) whatever node is first on PATH.
    export NODE_PATH=/usr/share/nodejs
    if [ ! -f "$dir/build.ninja" ]; then
        emcmake cmake -S "$VELMORA_ROOT/web" -B "$dir" -G Ninja > /dev/null
    fi
    cmake --build "$dir" -j "$(nproc)"
    node "$VELMORA_ROOT/web/tools/build-site.mjs" "$dir" "$dir/site"
}
