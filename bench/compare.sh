#!/usr/bin/env bash
# Times xaconv against sox and cp on one long test signal, alternating the three in one run.
#
#   bash bench/compare.sh            30 minutes of stereo 22050 Hz IMA ADPCM, 9 rounds
#   MINUTES=5 RUNS=5 bash bench/compare.sh
#
# The signal is stored twice with the same codes: as an XA file with one ADPCM track, which
# xaconv converts, and as an IMA ADPCM WAV file, which sox decodes to 16-bit PCM. cp copies the
# WAV file that xaconv wrote, once over an existing copy in place, and once, as xaconv replaces
# its outputs, to a temporary name that is then renamed over the copy ("cp+mv"). The script first
# checks that xaconv's samples equal sox's, then prints the median wall time and peak resident
# memory of each, and the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
EnsurePackages cmake make g++ libgtest-dev libbenchmark-dev sox time

minutes=${MINUTES:-30}
runs=${RUNS:-9}
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target xaconv make_long_input >/dev/null
work=$build/compare
rm -rf "$work"
mkdir -p "$work"
"$build/make_long_input" "$minutes" "$work/long.xa" "$work/long-ima.wav"
wav="$work/long.xa#0.wav"

"$build/xaconv" "$work/long.xa" >/dev/null
sox "$work/long-ima.wav" -t raw -e signed -b 16 "$work/sox.raw"
if tail -c +45 "$wav" | cmp -s - "$work/sox.raw"; then
    echo "samples: xaconv and sox agree on all $(($(stat -c %s "$work/sox.raw") / 2)) values"
else
    echo "samples: xaconv and sox DIFFER" >&2
    exit 1
fi
rm -f "$work/sox.raw"
echo "input: $(stat -c %s "$work/long.xa") bytes XA, $(stat -c %s "$work/long-ima.wav") bytes IMA WAV;" \
    "output: $(stat -c %s "$wav") bytes WAV"

# One timed command: appends "name seconds peak-kilobytes" to the log.
Measure() {
    local name=$1
    shift
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null
    end=$(date +%s%N)
    echo "$name $(((end - start) / 1000)) $(cat "$work/rss")" >>"$work/log"
}

sync
for _ in $(seq "$runs"); do
    Measure xaconv "$build/xaconv" "$work/long.xa"
    Measure sox sox "$work/long-ima.wav" -e signed -b 16 "$work/sox.wav"
    Measure cp cp "$wav" "$work/copy.wav"
    Measure cp+mv sh -c 'cp "$1" "$2.tmp" && mv "$2.tmp" "$2"' sh "$wav" "$work/copy2.wav"
done

Median() { # Median NAME COLUMN [min|max]
    awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$work/log" | sort -n |
        awk -v pick="${3:-median}" '{ v[NR] = $1 } END {
            print pick == "min" ? v[1] : pick == "max" ? v[NR] : v[int((NR + 1) / 2)] }'
}
x=$(Median xaconv 2)
s=$(Median sox 2)
c=$(Median cp 2)
printf '%-8s %12s %20s %14s\n' program "wall (ms)" "fastest-slowest" "peak RSS (MiB)"
for name in xaconv sox cp cp+mv; do
    printf '%-8s %12.1f %9.1f-%-10.1f %14.1f\n' "$name" "$(echo "$(Median "$name" 2) / 1000" | bc -l)" \
        "$(echo "$(Median "$name" 2 min) / 1000" | bc -l)" \
        "$(echo "$(Median "$name" 2 max) / 1000" | bc -l)" \
        "$(echo "$(Median "$name" 3) / 1024" | bc -l)"
done
m=$(Median cp+mv 2)
printf 'xaconv is %.2f times as fast as sox, and takes %.2f times as long as cp, %.2f as cp+mv\n' \
    "$(echo "$s / $x" | bc -l)" "$(echo "$x / $c" | bc -l)" "$(echo "$x / $m" | bc -l)"
