#!/usr/bin/env bash
# Start-up to the first frame on the offscreen platform, for three programs side by side:
#   qt_floor       the plainest Qt text window, one word in the program's font;
#   content_floor  a plain window painting every text the program's window shows at start, in
#                  its font and places, without widgets: what that content costs Qt's text stack;
#   drobi          the program itself.
# Prints the median wall time (hyperfine) and peak memory (/usr/bin/time) of each over runs that
# alternate between them, the instructions of one run of each (valgrind's callgrind, which a busy
# machine does not disturb), the ratios and whether the program meets its targets:
#   instructions  drobi <= 1.30x content_floor (the widgets' share over their content);
#   wall time     drobi - qt_floor <= 16.7 ms (one frame at 60 Hz);
#   peak memory   drobi <= 1.15x qt_floor.
# Exits with 1 when a target is missed.
#
#   bench/startup.sh [runs of each program, at least 20; default 30]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-30}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
  echo "usage: bench/startup.sh [runs of each program, at least 20]" >&2
  exit 2
fi
scripts/setup.sh --bench

cmake --preset bench >/dev/null
cmake --build --preset bench --target qt_floor content_floor drobi_first_frame -- -j2 >/dev/null
names=(qt_floor content_floor drobi)
programs=(build-bench/bench/qt_floor build-bench/bench/content_floor
          build-bench/bench/drobi_first_frame)

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

# Wall time: hyperfine runs the three in rounds of a few runs each, so that a slow spell of the
# machine falls on all of them.
per_round=5
rounds=$(((runs + per_round - 1) / per_round))
for ((round = 0; round < rounds; ++round)); do
  hyperfine -N --style none --warmup 1 --runs "$per_round" \
    --export-json "$work/round$round.json" "${programs[@]}" >/dev/null 2>&1
done
wall=()
for i in "${!programs[@]}"; do
  wall[i]=$(jq -r ".results[$i].times[]" "$work"/round*.json | median)
done

# Peak memory (maximum resident set, KiB), alternating run by run.
for ((run = 0; run < runs; ++run)); do
  for i in "${!programs[@]}"; do
    /usr/bin/time -f %M -a -o "$work/${names[i]}.rss" "${programs[i]}"
  done
done
rss=()
for i in "${!programs[@]}"; do
  rss[i]=$(median <"$work/${names[i]}.rss")
done

ir=()
for i in "${!programs[@]}"; do
  valgrind --tool=callgrind --callgrind-out-file="$work/${names[i]}.callgrind" "${programs[i]}" \
    >/dev/null 2>&1
  ir[i]=$(awk '/^totals:/ { print $2 }' "$work/${names[i]}.callgrind")
done

figures() {  # name, unit scale, unit, qt_floor, content_floor, drobi
  awk -v name="$1" -v scale="$2" -v unit="$3" -v q="$4" -v c="$5" -v d="$6" 'BEGIN {
    printf "%-20s %9.1f %-3s %9.1f %-3s %9.1f %-3s %8.2fx %8.2fx %8.2fx\n", name, q * scale, unit,
           c * scale, unit, d * scale, unit, c / q, d / q, d / c
  }'
}

missed=0
check() {  # what, figure, target (both with their unit), 1 when met
  local verdict=met
  if (($4 != 1)); then
    verdict=MISSED
    missed=1
  fi
  printf "%-38s %9s  <= %-9s %s\n" "$1" "$2" "$3" "$verdict"
}
calc() { awk "BEGIN { $1 }"; }

echo "Start-up to the first frame, QT_QPA_PLATFORM=offscreen, $((rounds * per_round)) runs of each"
echo "(wall) and $runs of each (memory), alternating; one callgrind run of each."
printf "%-20s %13s %13s %13s %9s %9s %9s\n" "" qt_floor content_floor drobi \
  "cont/qt" "drobi/qt" "dr/cont"
figures "wall time, median" 1000 ms "${wall[@]}"
figures "peak memory, median" 0.0009765625 MiB "${rss[@]}"
figures "instructions" 0.000001 M "${ir[@]}"
echo
gap=$(calc "print (${wall[2]} - ${wall[0]}) * 1000")
memory=$(calc "print ${rss[2]} / ${rss[0]}")
share=$(calc "print ${ir[2]} / ${ir[1]}")
check "wall time, drobi - qt_floor" "$(calc "printf \"%+.2f ms\", $gap")" "16.7 ms" \
  "$(calc "print $gap <= 16.7")"
check "peak memory, drobi / qt_floor" "$(calc "printf \"%.3fx\", $memory")" 1.15x \
  "$(calc "print $memory <= 1.15")"
check "instructions, drobi / content_floor" "$(calc "printf \"%.3fx\", $share")" 1.30x \
  "$(calc "print $share <= 1.30")"
exit "$missed"
