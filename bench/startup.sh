#!/usr/bin/env bash
# Start-up to the first frame: the program against the plainest Qt text window (qt_floor), side
# by side on the offscreen platform. Prints the median wall time (hyperfine) and peak memory
# (/usr/bin/time) of each over runs that alternate between the two, the instructions of one run of
# each (valgrind's callgrind, which a busy machine does not disturb), the ratios and whether each
# meets its target. Exits with 1 when a target is missed.
#
#   bench/startup.sh [runs of each program, at least 20; default 30]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-30}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
  echo "usage: bench/startup.sh [runs of each program, at least 20]" >&2
  exit 2
fi
for tool in hyperfine valgrind jq /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 2; }
done

cmake --preset bench >/dev/null
cmake --build --preset bench --target qt_floor drobi_first_frame -- -j2 >/dev/null
floor=build-bench/bench/qt_floor
program=build-bench/bench/drobi_first_frame

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
# Qt warns on every start without one; its own fallback would be shared between users.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  mkdir -m 700 "$work/runtime"
  export XDG_RUNTIME_DIR=$work/runtime
fi

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Wall time: hyperfine runs the two in rounds of a few runs each, so that a slow spell of the
# machine falls on both.
per_round=5
rounds=$(((runs + per_round - 1) / per_round))
for ((round = 0; round < rounds; ++round)); do
  hyperfine -N --style none --warmup 1 --runs "$per_round" \
    --export-json "$work/round$round.json" "$floor" "$program" >/dev/null 2>&1
done
wall() { jq -r ".results[$1].times[]" "$work"/round*.json | median; }
floor_wall=$(wall 0)
program_wall=$(wall 1)

# Peak memory (maximum resident set), alternating run by run.
for ((i = 0; i < runs; ++i)); do
  /usr/bin/time -f %M -a -o "$work/floor.rss" "$floor"
  /usr/bin/time -f %M -a -o "$work/program.rss" "$program"
done
floor_rss=$(median <"$work/floor.rss")
program_rss=$(median <"$work/program.rss")

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/$2.callgrind" "$1" >/dev/null 2>&1
  awk '/^totals:/ { print $2 }' "$work/$2.callgrind"
}
floor_ir=$(instructions "$floor" floor)
program_ir=$(instructions "$program" program)

missed=0
row() {  # name, unit scale, unit, floor, program, target ratio
  awk -v name="$1" -v scale="$2" -v unit="$3" -v f="$4" -v p="$5" -v target="$6" 'BEGIN {
    ratio = p / f
    verdict = ratio <= target ? "met" : "MISSED"
    printf "%-22s %9.1f %-3s %9.1f %-3s %7.2fx   <= %.2fx  %s\n", name, f * scale, unit, p * scale,
           unit, ratio, target, verdict
    exit ratio <= target ? 0 : 1
  }' || missed=1
}

echo "Start-up to the first frame, QT_QPA_PLATFORM=offscreen, $((rounds * per_round)) runs of each"
echo "(wall) and $runs of each (memory), alternating; one callgrind run of each."
printf "%-22s %13s %13s %8s   %s\n" "" "qt_floor" "drobi" "ratio" "target"
row "wall time, median" 1000 ms "$floor_wall" "$program_wall" 1.30
row "peak memory, median" 0.0009765625 MiB "$floor_rss" "$program_rss" 1.15
row "instructions" 0.000001 M "$floor_ir" "$program_ir" 1.30
exit "$missed"
