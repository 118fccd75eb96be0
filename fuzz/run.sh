#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, one after the other.
#   fuzz/run.sh BIN_DIR SECONDS [TARGET ...]
# New inputs go to BIN_DIR/../fuzz-work/<target> (the seed corpus in fuzz/corpus stays as committed),
# findings to BIN_DIR/../fuzz-artifacts. A run over 1 second counts as a finding (a hang).
set -euo pipefail
bin=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(term_parser analysis polynomial equation_solver interpolation standard_task)
work=$(cd "$bin/.." && pwd)/fuzz-work
artifacts=$(cd "$bin/.." && pwd)/fuzz-artifacts
mkdir -p "$artifacts"
status=0
for t in "${targets[@]}"; do
    dict=(-dict="$here/fields.dict")
    maxlen=8192
    case $t in
    term_parser | analysis) dict=(-dict="$here/term.dict") ;;
    polynomial) dict=() maxlen=25 ;; # a mask byte and six 32-bit coefficients
    esac
    [ "$t" = term_parser ] && maxlen=32767 # the input field holds up to 32,767 characters
    mkdir -p "$work/$t"
    echo "== fuzz_$t for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$bin/fuzz_$t" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len="$maxlen" \
        "${dict[@]}" -artifact_prefix="$artifacts/$t-" -print_final_stats=1 \
        "$work/$t" "$here/corpus/$t" 2>&1 | tee "$work/$t.log" | grep -E '^(stat::|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written|ALARM)' || true
    if grep -qE 'Test unit written|ERROR: libFuzzer' "$work/$t.log"; then
        echo "fuzz_$t found a problem: see $work/$t.log and $artifacts"
        status=1
    fi
done
exit $status
