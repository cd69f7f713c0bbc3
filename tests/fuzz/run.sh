#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each from its seed corpus for a short while. Fails on any crash, leak, sanitizer report or
# hang; the input that caused it is kept under build/fuzz/artifacts/.
#
#   tests/fuzz/run.sh [SECONDS]      seconds per target (default 60; FUZZ_SECONDS does the same)
#   tests/fuzz/run.sh --build-only
#
# clang cannot compile literals to code page 932 as GCC does with -fexec-charset, so the sources are
# first copied with their literals escaped (cp932-literals.py) and the copies are compiled.
set -euo pipefail
cd "$(dirname "$0")/../.."
OUT=$PWD/build/fuzz
CONV=$OUT/sources
OBJ=$OUT/obj
CXX=${FUZZ_CXX:-clang++}
CXXFLAGS=(-std=c++17 -g -O1 -fno-omit-frame-pointer -Wall -Wextra -Wno-unused-parameter
          -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
          -I"$CONV/src" -I"$CONV/tests/fuzz")
LDFLAGS=(-fsanitize=fuzzer,address,undefined)

seconds=${FUZZ_SECONDS:-60}
build_only=0
case "${1:-}" in
    --build-only) build_only=1 ;;
    "") ;;
    *) seconds=$1 ;;
esac

# The portable core and the POSIX file layer; the fuzz double replaces the user-facing calls.
core_sources() {
    ls src/text/*.cpp src/analysis/*.cpp src/report/*.cpp src/settings/*.cpp src/platform/*.cpp \
       src/platform/posix/*.cpp 2>/dev/null | grep -v '/user\.cpp$'
}

convert_sources() {
    mkdir -p "$CONV"
    # shellcheck disable=SC2046
    python3 tests/fuzz/cp932-literals.py . "$CONV" $(core_sources) \
        $(ls src/*/*.h src/platform/posix/*.h tests/fuzz/*.cpp tests/fuzz/*.h 2>/dev/null)
}

# Compiles one converted source unless its object is newer than it and than every converted header
# (the converter leaves unchanged copies alone, so their time stamps tell what changed).
compile() {
    local source=$1 object=$OBJ/${1%.cpp}.o
    mkdir -p "$(dirname "$object")"
    if [ -f "$object" ] && [ "$object" -nt "$CONV/$source" ] && [ "$object" -nt "$newest_header" ]; then
        return 0
    fi
    "$CXX" "${CXXFLAGS[@]}" -c "$CONV/$source" -o "$object" || touch "$OUT/compile.failed"
}

build() {
    convert_sources
    newest_header=$(ls -t $(find "$CONV" -name '*.h') | head -n 1)
    local sources harness=(tests/fuzz/FuzzPlatform.cpp tests/fuzz/FuzzGameLog.cpp tests/fuzz/FuzzSettingsFile.cpp)
    sources=$(core_sources)
    rm -f "$OUT/compile.failed"
    for source in $sources "${harness[@]}"; do
        compile "$source" &
        if [ "$(jobs -rp | wc -l)" -ge 2 ]; then wait -n || true; fi
    done
    wait
    [ ! -f "$OUT/compile.failed" ] || { echo "fuzz: compilation failed"; exit 1; }
    local core_objects
    core_objects=$(echo "$sources" | sed "s|^|$OBJ/|; s|\.cpp$|.o|")
    # shellcheck disable=SC2086
    "$CXX" "${LDFLAGS[@]}" -o "$OUT/fuzz-gamelog" "$OBJ/tests/fuzz/FuzzGameLog.o" \
        "$OBJ/tests/fuzz/FuzzPlatform.o" $core_objects
    # shellcheck disable=SC2086
    "$CXX" "${LDFLAGS[@]}" -o "$OUT/fuzz-settings" "$OBJ/tests/fuzz/FuzzSettingsFile.o" \
        "$OBJ/tests/fuzz/FuzzPlatform.o" $core_objects
}

# Runs one target for $seconds from a fresh working corpus and the read-only seed folders. The
# harnesses write their files under TMPDIR: a memory file system when there is one, since every input
# creates four files.
fuzz() {
    local name=$1 max_len=$2
    shift 2
    local corpus=$OUT/corpus-$name log=$OUT/$name.log
    rm -rf "$corpus"
    mkdir -p "$corpus" "$OUT/artifacts"
    echo "== fuzz-$name: $seconds s"
    if ! TMPDIR=$scratch \
         ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
         UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
         "$OUT/fuzz-$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
             -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$OUT/artifacts/$name-" \
             "$corpus" "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz-$name failed: see $log and $OUT/artifacts/"
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | tr -s ' \n' ' '
    echo
}

build
[ "$build_only" = 1 ] && exit 0

scratch=$(mktemp -d /dev/shm/vornix-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT

log_seeds=$OUT/seeds-gamelog
rm -rf "$log_seeds"
mkdir -p "$log_seeds"
cp tests/fuzz/seeds/log/* "$log_seeds/"
for example in examples/*.txt; do
    [ -f "$example" ] && cp "$example" "$log_seeds/"
done
fuzz gamelog 16384 "$log_seeds"
fuzz settings 2048 "$PWD/tests/fuzz/seeds/settings"
echo "fuzz: both targets ran $seconds s without a finding"
