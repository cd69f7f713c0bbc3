#!/usr/bin/env bash
# Builds the fuzz targets (CMake preset "fuzz": clang, libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each from its seed corpus for a short while. Fails on any
# crash, leak, sanitizer report or hang; the input that caused it is kept under build/fuzz/artifacts/.
#
#   tests/fuzz/run.sh [SECONDS] [TARGET...]   seconds per target (default 60; FUZZ_SECONDS does the
#                                             same); the targets gamelog and settings (default both)
#   tests/fuzz/run.sh --build-only
#
# The log target also runs on inputs longer than the log reader's 64 KiB block: its largest seed is a
# log of about 140 KB that vornix-loggen (native preset) writes afresh, the same bytes every time.
set -euo pipefail
cd "$(dirname "$0")/../.."
OUT=$PWD/build/fuzz
LOGGEN=$PWD/build/native/tests/tools/vornix-loggen
LOG_MAX_LEN=200000   # above the reader's block of 65536 bytes, so a line may span two blocks

seconds=${FUZZ_SECONDS:-60}
build_only=0
case "${1:-}" in
    --build-only) build_only=1; shift ;;
    [0-9]*) seconds=$1; shift ;;
esac
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(gamelog settings)

build() {
    mkdir -p "$OUT"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j2 >"$OUT/build.log" 2>&1 || {
        tail -n 40 "$OUT/build.log"
        echo "fuzz: the build failed: see $OUT/build.log"
        exit 1
    }
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

# The seeds of the log target: the checked-in ones, the sample log and the large generated log.
gamelog_seeds() {
    log_seeds=$OUT/seeds-gamelog
    rm -rf "$log_seeds"
    mkdir -p "$log_seeds"
    cp tests/fuzz/seeds/log/* examples/Zentolog.txt "$log_seeds/"
    if [ ! -x "$LOGGEN" ]; then
        cmake --preset native >/dev/null
        cmake --build --preset native -j2 --target vornix-loggen >/dev/null
    fi
    "$LOGGEN" --seed 5 --games 450 --opponents 200 --regular-share 40 --three-player 10 \
              --player Sakura77 "$log_seeds/generated-large.txt"
    local size
    size=$(stat -c %s "$log_seeds/generated-large.txt")
    [ "$size" -gt 65536 ] && [ "$size" -le "$LOG_MAX_LEN" ] ||
        { echo "fuzz: the large seed holds $size bytes, not between 64 KiB and $LOG_MAX_LEN"; exit 1; }
}

for target in "${targets[@]}"; do
    case $target in
        gamelog) gamelog_seeds; fuzz gamelog "$LOG_MAX_LEN" "$log_seeds" ;;
        settings) fuzz settings 2048 "$PWD/tests/fuzz/seeds/settings" ;;
        *) echo "fuzz: no target $target (gamelog, settings)"; exit 2 ;;
    esac
done
echo "fuzz: ${targets[*]} ran $seconds s each without a finding"
