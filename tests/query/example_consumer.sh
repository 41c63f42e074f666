#!/usr/bin/env bash
# Installs the core library's package from the build tree into a scratch prefix and checks it as a
# program of its own uses it: every installed header compiles on its own as <velmora/core/...> in a
# project that asks for C++17; none declares the windows' own state; the example consumer, built
# with find_package(Velmora) and C++17, prints the numbers velmora-query prints for the same
# material, energy and range; its CMake test finds the tables through Velmora_DATA_DIR; and a
# relative material path is looked up in InstalledDataFolder().
# Usage: example_consumer.sh BUILD_DIR SOURCE_DIR VELMORA_QUERY [EXTRA_COMPILER_FLAGS]
set -euo pipefail
build="$1"
source_dir="$2"
query="$3"
flags="${4:-}"
work="$(mktemp -d /tmp/velmora-consumer-XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "example consumer FAILED: $*" >&2
    exit 1
}
prefix="$work/prefix"
headers="$prefix/include/velmora/core"

cmake --install "$build" --prefix "$prefix" --component Development > "$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install"; }
[ -f "$headers/energy_query.h" ] || fail "headers not installed under include/velmora/core"
if [ -e "$prefix/bin" ] || [ -e "$prefix/share/velmora" ]; then
    fail "the Development component holds more than the library"
fi
# The installed headers are the public interface: the windows' shared tables and cursor places
# stay out of them.
if grep -n -E 'Shared(Material|Interval)Table|CursorPositions|Cursor(X|Y[A-Za-z]*) *\(' \
    "$headers"/*.h; then
    fail "an installed header declares what only the windows use"
fi

generator=()
command -v ninja > /dev/null && generator=(-G Ninja)
# configure_and_build SOURCE BUILD [cmake options...]
configure_and_build() {
    local source="$1" binary="$2"
    shift 2
    cmake -S "$source" -B "$binary" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_STANDARD=17 -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$flags" "$@" > "$binary.log" 2>&1 &&
        cmake --build "$binary" >> "$binary.log" 2>&1 ||
        { cat "$binary.log"; return 1; }
}

# Each installed header alone, as <velmora/core/NAME>, in a C++17 project that only links
# Velmora::core: it must bring everything it needs, the C++20 standard included.
mkdir -p "$work/each-header"
{
    echo 'cmake_minimum_required(VERSION 3.16)'
    echo 'project(EachHeader LANGUAGES CXX)'
    echo 'find_package(Velmora REQUIRED)'
    echo 'file(GLOB units ${CMAKE_SOURCE_DIR}/*.cpp)'
    echo 'add_library(each_header OBJECT ${units})'
    echo 'target_link_libraries(each_header PRIVATE Velmora::core)'
} > "$work/each-header/CMakeLists.txt"
for header in "$headers"/*.h; do
    name="$(basename "$header")"
    printf '#include <velmora/core/%s>\n' "$name" > "$work/each-header/${name%.h}.cpp"
done
configure_and_build "$work/each-header" "$work/each-header-build" ||
    fail "an installed header does not compile on its own"

configure_and_build "$source_dir/examples/consumer" "$work/build" ||
    fail "the example does not build as a C++17 project"

water="$source_dir/data/p_STC/Water liquid.stc"
actual="$("$work/build/stopping_power" "$water" 1 0.5)"
echo "$actual"
# The four numbers and the energy as velmora-query shows them, in the main window's pattern.
read -r -a at <<< "$("$query" at "$water" 1 | tail -n 1)"
read -r -a inverse <<< "$("$query" energy-for-range "$water" 0.5 | tail -n 1)"
expected="Water, liquid at 1 MeV: collision ${at[1]}, radiative ${at[2]}, total ${at[3]} MeV cm2/g, \
csda range ${at[4]} g/cm2
csda range 0.5 g/cm2 at ${inverse[1]} MeV"
[ "$actual" = "$expected" ] || fail "expected:
$expected"
"$work/build/stopping_power" "$source_dir/README.md" 1 0.5 2> "$work/refusal" && fail "README.md read as a table"
grep -q 'README.md", line 4' "$work/refusal" || fail "no reader's message: $(cat "$work/refusal")"
for wrong in 1,5 1.5MeV; do  # read in part they would be 1 and 1.5
    "$work/build/stopping_power" "$water" "$wrong" 0.5 2> "$work/refusal" && fail "$wrong accepted"
    grep -qx "not a number: $wrong" "$work/refusal" || fail "$wrong: $(cat "$work/refusal")"
done

# The tables beside the library: the example's own test reads them through the package's
# Velmora_DATA_DIR.
cmake --install "$build" --prefix "$prefix" --component Data > "$work/install-data.log" ||
    { cat "$work/install-data.log"; fail "cmake --install of the tables"; }
[ -f "$prefix/share/velmora/data/p_STC/Water liquid.stc" ] || fail "the Data component lacks the tables"
ctest --test-dir "$work/build" --output-on-failure > "$work/ctest.log" 2>&1 ||
    { cat "$work/ctest.log"; fail "the example's test did not find the tables by Velmora_DATA_DIR"; }

# A relative path that is no file here is looked up in InstalledDataFolder(), the tables' folder
# of the prefix the build was configured for.
configured_prefix="$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")"
installed_water="$configured_prefix/share/velmora/data/p_STC/Water liquid.stc"
mkdir "$work/elsewhere"
if (cd "$work/elsewhere" && "$work/build/stopping_power" "p_STC/Water liquid.stc" 1 0.5) \
    > "$work/relative" 2> "$work/relative-error"; then
    [ "$(cat "$work/relative")" = "$expected" ] || fail "a relative path gave: $(cat "$work/relative")"
else
    grep -q -F "\"$installed_water\": the file cannot be read" "$work/relative-error" ||
        fail "a relative path was not looked up in $installed_water: $(cat "$work/relative-error")"
fi
echo "example consumer passed"
