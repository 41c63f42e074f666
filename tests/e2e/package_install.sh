#!/usr/bin/env bash
# The Debian package: built as the README's "Installing the package" says, by its commands run in a
# fresh copy of the source tree (the files git knows, without any build), its install command
# checked by apt's simulation; then checked by lintian, unpacked into a scratch root and checked
# (files, manual pages, Depends, the core library's CMake package), and the installed program is
# started as from a menu, in a folder without material folders, under a private X server. It must
# fill the per-user data folder from its bundled tables (the positron tables and the electron
# tables beside them, also into a folder filled by a version without electron tables) and leave
# the installed tree untouched.
# Usage: package_install.sh BUILD_DIR SOURCE_DIR WITH_TABLEGEN(0|1) ARTIFACTS_DIR
# BUILD_DIR gives the reference answers of velmora-query; the copy is built beside it, in a folder
# of its own that each run empties first.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xvfb.sh"
e2e_require cpack:cmake dpkg-shlibdeps:dpkg-dev desktop-file-validate:desktop-file-utils \
    lintian:lintian git:git

build="$1"
source_dir="$2"
with_tablegen="$3"
artifacts="$4"
mkdir -p "$artifacts"
work="$(mktemp -d /tmp/velmora-package-XXXXXX)"
trap 'xvfb_stop; rm -rf "$work"' EXIT

current_step="start"
step() {
    current_step="$*"
    echo "step: $*"
}
fail() {
    echo "package_install FAILED at step: $current_step: $*" >&2
    if [ -s "$work/xvfb.log" ]; then
        echo "X server log:" >&2
        cat "$work/xvfb.log" >&2
    fi
    exit 1
}

# Whether every clause of a Depends line ("a (>= 1), b | c") is met by an installed package.
check_depends_installed() {
    local clause alternative name op version installed met
    local IFS=','
    for clause in $1; do
        met=0
        IFS='|'
        for alternative in $clause; do
            alternative="$(echo "$alternative" | xargs)"
            name="${alternative%% *}"
            installed="$(dpkg-query -W -f='${Status}|${Version}' "$name" 2> /dev/null || true)"
            [[ "$installed" == "install ok installed|"* ]] || continue
            if [[ "$alternative" =~ \(([\<\>=]+)\ *([^\)]+)\) ]]; then
                op="${BASH_REMATCH[1]}"
                version="${BASH_REMATCH[2]}"
                case "$op" in
                    ">=") op=ge ;; "<=") op=le ;; "=") op=eq ;; ">>") op=gt ;; "<<") op=lt ;;
                    *) fail "unknown relation in '$alternative'" ;;
                esac
                dpkg --compare-versions "${installed#*|}" "$op" "$version" || continue
            fi
            met=1
        done
        IFS=','
        [ "$met" -eq 1 ] || fail "Depends '$(echo "$clause" | xargs)' is not met on this system"
    done
}

# Every file and folder under a tree with its mode, size, time and checksum.
snapshot() {
    (cd "$1" && find . -printf '%p %m %s %T@\n' | sort && find . -type f -print0 | sort -z |
        xargs -0 sha256sum)
}

step "the README's commands in a fresh copy of the source tree"
# The copy lives under the build folder, at the same place every run, so that a compiler cache
# (when the environment names one) finds its earlier work.
clone="$build/readme-package/velmora"
rm -rf "$build/readme-package"
mkdir -p "$clone"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -xf - -C "$clone"
[ ! -e "$clone/build" ] || fail "the copy holds a build folder"
readme_block="$(awk '/^## Installing the package/ { section = 1; next }
    section && /^## / { exit }
    section && /^```sh$/ { block = 1; next }
    block && /^```$/ { exit }
    block { print }' "$source_dir/README.md")"
[ -n "$readme_block" ] || fail "no sh block in the README's 'Installing the package'"
echo "$readme_block"
if grep -q -w sudo <<< "$(sed 's/#.*//' <<< "$readme_block")"; then
    fail "a command uses sudo, which a root machine need not have"
fi
# Every command runs as written, except the install, which apt only simulates: the package must
# not be installed on the machine that runs the tests.
install_line="$(grep -E '^apt(-get)? install ' <<< "$readme_block")" ||
    fail "the README installs the package by no 'apt install' command"
build_commands="$(grep -v -E '^apt(-get)? install ' <<< "$readme_block")"
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] || ! command -v ccache > /dev/null ||
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
(cd "$clone" && bash -euo pipefail -c "$build_commands") > "$work/readme-build.log" 2>&1 ||
    { tail -n 60 "$work/readme-build.log"; fail "the README's build commands failed"; }
read -r -a install_words <<< "$(sed 's/#.*//' <<< "$install_line")"
debs=()
for word in "${install_words[@]:2}"; do
    # shellcheck disable=SC2206  # the README's glob is meant to expand, as the shell would
    debs+=($clone/$word)
done
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "the install command names not exactly one .deb: ${debs[*]}"
fi
deb="${debs[0]}"
apt-get install --simulate "$deb" > "$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt cannot install: $install_line"; }
grep -q '^Inst velmora ' "$work/apt.log" || { cat "$work/apt.log"; fail "apt would not install velmora"; }

step "lintian"
lintian --fail-on error "$deb" > "$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian finds an error in the package"; }
cat "$work/lintian.log"

step "package fields and Depends"
[ "$(dpkg-deb -f "$deb" Package)" = velmora ] || fail "package name is not velmora"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "architecture $(dpkg-deb -f "$deb" Architecture)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed"
done
if [[ "$depends" =~ -dev([ ,]|$) ]]; then
    fail "Depends names a development package"
fi
# shellcheck disable=SC1091
. /etc/os-release
echo "checking Depends against the installed packages of $PRETTY_NAME"
check_depends_installed "$depends"

step "unpack into a scratch root"
root="$work/root"
dpkg -x "$deb" "$root"
[ -x "$root/usr/bin/velmora" ] || fail "usr/bin/velmora missing"
if [ "$with_tablegen" = 1 ]; then
    [ -x "$root/usr/bin/velmora-tablegen" ] || fail "usr/bin/velmora-tablegen missing"
fi
table_folders=(p_QRV p_STC e_QRV e_STC)
for folder in "${table_folders[@]}"; do
    installed="$root/usr/share/velmora/data/$folder"
    [ -d "$installed" ] || fail "usr/share/velmora/data/$folder missing"
    diff -r "$source_dir/data/$folder" "$installed" > /dev/null ||
        fail "usr/share/velmora/data/$folder differs from the bundled tables"
done
desktop="$root/usr/share/applications/velmora.desktop"
[ -f "$desktop" ] || fail "usr/share/applications/velmora.desktop missing"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
exec_name="$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
# The desktop entry's English action starts the same program with --language en.
english_exec="$(sed -n '/^\[Desktop Action english\]/,/^\[/s/^Exec=//p' "$desktop")"
[ "$english_exec" = "$exec_name --language en" ] ||
    fail "the desktop action 'english' runs '$english_exec', not '$exec_name --language en'"
icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
icons=("$root"/usr/share/icons/hicolor/*/apps/"$icon_name".*)
[ -f "${icons[0]}" ] || fail "no icon $icon_name under usr/share/icons/hicolor"

# A marker table that only the installed tree holds: finding it in the user folder shows that the
# program filled it from the installed tables (and not from anywhere else).
marker="zzz Package marker.qrv"
mapfile -t element_files < <(cd "$root/usr/share/velmora/data/p_QRV" && ls -1 -- *.qrv)
[ "${#element_files[@]}" -gt 0 ] || fail "no element tables installed"
for folder in p_QRV e_QRV; do
    installed_elements="$root/usr/share/velmora/data/$folder"
    cp "$installed_elements/${element_files[0]}" "$installed_elements/$marker"
done
element_files+=("$marker")
snapshot "$root" > "$work/before"

custom=""
if [ "$with_tablegen" = 1 ]; then
    # As a user adds a material before ever starting the viewer: without --output-dir and outside
    # any data folder, the table goes into the per-user data folder, its electron table into the
    # e_STC folder beside.
    step "velmora-tablegen from the installed tree, before the viewer's first start"
    mkdir -p "$work/tablegen-start" "$work/home-tablegen"
    (
        cd "$work/tablegen-start"
        tablegen=(env -u XDG_DATA_HOME HOME="$work/home-tablegen" "$root/usr/bin/velmora-tablegen")
        "${tablegen[@]}" --version > /dev/null
        "${tablegen[@]}" --name "Package water" --density 1 --mean-excitation 75 --formula H2O \
            --with-electrons
    ) > "$work/tablegen.log" 2>&1 || { cat "$work/tablegen.log"; fail "velmora-tablegen failed"; }
    generated=("$work"/home-tablegen/.local/share/velmora/p_STC/*.stc)
    if [ ! -f "${generated[0]}" ] || [ "$(wc -l < "${generated[0]}")" -lt 91 ]; then
        fail "velmora-tablegen wrote no 91-line table into the user's data folder"
    fi
    custom="$(basename "${generated[0]}")"
    electron="$work/home-tablegen/.local/share/velmora/e_STC/$custom"
    if [ ! -f "$electron" ] || ! sed -n 2p "$electron" | grep -q '^Electrons:'; then
        fail "velmora-tablegen --with-electrons wrote no electron table beside the positron table"
    fi
    [ -z "$(ls -A "$work/tablegen-start")" ] || fail "velmora-tablegen wrote into its start folder"
fi

step "the manual pages, compressed"
man_pages=(velmora velmora-query)
[ "$with_tablegen" = 0 ] || man_pages+=(velmora-tablegen)
for page in "${man_pages[@]}"; do
    compressed="$root/usr/share/man/man1/$page.1.gz"
    [ -f "$compressed" ] || fail "usr/share/man/man1/$page.1.gz missing"
    gzip -t "$compressed" || fail "$page.1.gz is not gzip"
    zcat "$compressed" | grep -q "^\.TH ${page^^} 1 " || fail "$page.1.gz is not the page of $page"
done
uncompressed="$(find "$root/usr/share/man" -type f ! -name '*.gz')"
[ -z "$uncompressed" ] || fail "manual pages installed uncompressed: $uncompressed"

step "velmora-query and the core library from the installed tree"
query="$root/usr/bin/velmora-query"
[ -x "$query" ] || fail "usr/bin/velmora-query missing"
if ldd "$query" | grep -qi 'libqt'; then
    fail "velmora-query loads a Qt library"
fi
# Started in an empty folder with an empty home, it reads the installed tables and writes nothing.
mkdir -p "$work/query-start" "$work/home-query"
installed_water="$root/usr/share/velmora/data/p_STC/Water liquid.stc"
expected="$("$build/tools/query/velmora-query" at "$source_dir/data/p_STC/Water liquid.stc" 1 |
    tail -n 1)"
answer="$(cd "$work/query-start" &&
    env -u XDG_DATA_HOME HOME="$work/home-query" "$query" at "water, liquid" 1)" ||
    fail "velmora-query at \"water, liquid\" 1 failed"
[ "$(head -n 1 <<< "$answer")" = "Water, liquid (positrons, $installed_water)" ] ||
    fail "velmora-query did not read the installed tables: $answer"
[ "$(tail -n 1 <<< "$answer")" = "$expected" ] || fail "velmora-query printed: $answer"
[ -z "$(ls -A "$work/query-start")" ] && [ -z "$(ls -A "$work/home-query")" ] ||
    fail "velmora-query wrote files"
for file in include/velmora/core/energy_query.h include/velmora/core/range_query.h; do
    [ -f "$root/usr/$file" ] || fail "usr/$file missing"
done
for file in libvelmora_core.a VelmoraConfig.cmake; do
    [ -n "$(find "$root/usr/lib" -name "$file")" ] || fail "no $file under usr/lib"
done
# A program of its own, built with find_package(Velmora) against the unpacked package, as a
# project that asks for C++17; its test reads the tables through Velmora_DATA_DIR.
cmake -S "$source_dir/examples/consumer" -B "$work/consumer" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_STANDARD=17 -DCMAKE_PREFIX_PATH="$root/usr" > "$work/consumer.log" 2>&1 &&
    cmake --build "$work/consumer" >> "$work/consumer.log" 2>&1 &&
    ctest --test-dir "$work/consumer" --output-on-failure >> "$work/consumer.log" 2>&1 ||
    { cat "$work/consumer.log"; fail "the example consumer does not build or test against the package"; }
read -r -a at <<< "$expected"
consumer="$("$work/consumer/stopping_power" "$installed_water" 1 0.5)" ||
    fail "the example consumer failed"
[[ "$consumer" == "Water, liquid at 1 MeV: collision ${at[1]}, radiative ${at[2]}, total ${at[3]} "* ]] ||
    fail "the example consumer printed: $consumer"
# InstalledDataFolder() of the packaged library names the folder the package puts its tables in.
if ! (cd "$work/query-start" && "$work/consumer/stopping_power" "p_STC/Water liquid.stc" 1 0.5) \
    > /dev/null 2> "$work/relative-error"; then
    grep -q -F '"/usr/share/velmora/data/p_STC/Water liquid.stc": the file cannot be read' \
        "$work/relative-error" || fail "InstalledDataFolder() is not /usr/share/velmora/data: \
$(cat "$work/relative-error")"
fi

xvfb_start "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export PYTHONDONTWRITEBYTECODE=1  # nothing written into the source tree

# start_installed HOME XDG_DATA_HOME(or empty) [LANGUAGE]: the program in an empty folder, as from
# a menu (with --language LANGUAGE, as from the English action).
start_installed() {
    local language=()
    [ -z "${3:-}" ] || language=(--language "$3")
    local start_dir="$work/menu-start"
    rm -rf "$start_dir"
    mkdir -p "$start_dir" "$1"
    local data_home=(-u XDG_DATA_HOME)
    [ -z "$2" ] || data_home=(XDG_DATA_HOME="$2")
    (
        cd "$start_dir"
        env "${data_home[@]}" HOME="$1" timeout 120 dbus-run-session -- \
            /usr/bin/python3 "$here/installed_start.py" "$root/usr/bin/velmora" "$artifacts" \
            "${language[@]}" "${element_files[@]}" 2> >(grep -v -e '^dbus-daemon\[' -e 'SpiRegistry daemon' \
            -e '^X connection to .* broken' >&2)
    ) || fail "the installed program did not work"
    [ -z "$(ls -A "$start_dir")" ] || fail "the program wrote into its start folder"
}

# check_user_folder DIR [OWN_COMPOUND]: the user folder holds copies of exactly the installed
# tables, and the user's own compound table (and its electron table) beside them when one is named.
check_user_folder() {
    local folder difference
    for folder in "${table_folders[@]}"; do
        [ -d "$1/$folder" ] || fail "$1/$folder was not created"
        difference="$(diff -r "$root/usr/share/velmora/data/$folder" "$1/$folder" || true)"
        if [ -n "${2:-}" ] && [[ "$folder" == ?_STC ]]; then
            difference="$(grep -v -F -x "Only in $1/$folder: $2" <<< "$difference" || true)"
            [ -f "$1/$folder/$2" ] || fail "the user's own table $2 is gone"
        fi
        [ -z "$difference" ] || fail "$1/$folder is not a copy of the installed tables: $difference"
    done
}

step "installed program, first start with HOME only"
start_installed "$work/home" ""
check_user_folder "$work/home/.local/share/velmora"

step "installed program, next start over a folder of a version without electron tables"
rm -r "$work/home/.local/share/velmora/e_QRV" "$work/home/.local/share/velmora/e_STC"
start_installed "$work/home" ""
check_user_folder "$work/home/.local/share/velmora"

step "installed program in English, first start with XDG_DATA_HOME set"
start_installed "$work/home2" "$work/xdg-data" en
check_user_folder "$work/xdg-data/velmora"
[ ! -e "$work/home2/.local/share/velmora" ] || fail "XDG_DATA_HOME was not honoured"

if [ -n "$custom" ]; then
    step "installed program, first start after velmora-tablegen added a material"
    start_installed "$work/home-tablegen" ""
    check_user_folder "$work/home-tablegen/.local/share/velmora" "$custom"
fi

step "the installed tree is unchanged"
snapshot "$root" > "$work/after"
diff "$work/before" "$work/after" || fail "the installed tree changed"

echo "package_install passed: $(basename "$deb")"
