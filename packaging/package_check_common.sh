# Sourced by the package checks (CPACK CPACK_CONFIG WORK): a clean work folder, fail, and
# build_package GENERATOR EXTENSION, which builds the package with CPack and prints its path.
set -euo pipefail
cpack=$1 config=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

build_package() {
    if ! "$cpack" -G "$1" --config "$config" -B "$work" >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log" >&2
        fail "cpack could not build the package"
    fi
    local made=("$work"/*."$2")
    [ "${#made[@]}" -eq 1 ] && [ -f "${made[0]}" ] || fail "expected one .$2 in $work"
    echo "${made[0]}"
}
