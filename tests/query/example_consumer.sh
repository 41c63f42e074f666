#!/usr/bin/env bash
# Installs the core library's package from the build tree into a scratch prefix, builds the
# example consumer against it with find_package(Velmora), and checks that the example prints the
# numbers velmora-query prints for the same material, energy and range.
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

cmake --install "$build" --prefix "$work/prefix" --component Development > "$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install"; }
[ -f "$work/prefix/include/velmora/core/energy_query.h" ] || fail "headers not installed"
if [ -e "$work/prefix/bin" ] || [ -e "$work/prefix/share/velmora" ]; then
    fail "the Development component holds more than the library"
fi

generator=()
command -v ninja > /dev/null && generator=(-G Ninja)
cmake -S "$source_dir/examples/consumer" -B "$work/build" "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" > "$work/configure.log" 2>&1 ||
    { cat "$work/configure.log"; fail "configuring the example"; }
cmake --build "$work/build" > "$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "building the example"; }

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
echo "example consumer passed"
