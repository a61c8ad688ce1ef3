#!/usr/bin/env bash
# The program with a real screen reader: Orca under Xvfb, on a D-Bus session and an accessibility
# bus of their own, keys pressed as a user does, and what Orca says checked line by line.
#   orca.sh <drobi | page folder> <said.txt>   said.txt: every utterance, one a line, after "[key]"
set -euo pipefail
if [[ ${1:-} == --inside ]]; then  # under xvfb-run and dbus-run-session
  work=$2 program=$3 log=$2/orca.log
  pids=()
  # Ends each process by its id, the program first; one that does not end on TERM within five
  # seconds (Orca busy with a bus that went away) is killed.
  stop() {
    for pid in "${pids[@]}"; do
      kill "$pid" 2>/dev/null || continue
      sleep 5 &
      local timer=$!
      wait -n "$pid" "$timer" 2>/dev/null || true
      kill -9 "$pid" "$timer" 2>/dev/null
      wait "$pid" "$timer" 2>/dev/null || true
    done
  }
  trap stop EXIT
  # Waits until the log has not grown for a while: Orca has said all it will.
  settle() {
    local size=-1
    for _ in $(seq 40); do
      sleep 0.8
      [[ $(stat -c %s "$log" 2>/dev/null || echo 0) == "$size" ]] && return
      size=$(stat -c %s "$log" 2>/dev/null || echo 0)
    done
  }
  /usr/libexec/at-spi-bus-launcher --launch-immediately & pids=($! "${pids[@]}")
  orca -u "$work/orca" --debug-file="$log" >/dev/null 2>&1 & pids=($! "${pids[@]}")
  for _ in $(seq 100); do grep -qs "Startup complete" "$log" && break; sleep 0.2; done
  if [[ -d $program ]]; then  # the page: served on the loopback, in a browser of its own
    /usr/bin/python3 -u -m http.server -b 127.0.0.1 -d "$program" 0 >"$work/server" & pids=($! "${pids[@]}")
    until port=$(grep -o 'port [0-9]*' "$work/server"); do sleep 0.1; done
    ((UID)) || set -- --no-sandbox --test-type  # as root; --test-type: no bar that warns of it
    chromium "$@" --user-data-dir="$work/chromium" --force-renderer-accessibility --disable-gpu \
      --disable-background-networking --disable-component-update --disable-sync --no-first-run \
      --disable-quic --password-store=basic --app="http://127.0.0.1:${port#port }/" >/dev/null 2>&1 &
    pids=($! "${pids[@]}")
  else
    "$program" & pids=($! "${pids[@]}")
  fi
  timeout 20 xdotool search --sync --onlyvisible --name '^drobi ' windowfocus --sync
  settle
  keys=(Tab Tab Tab Down Tab Tab Tab Tab Tab Down Down Down Tab shift+Tab)
  # The window's exercises: a task of ends or repeats answered «Крайна» (К), begun again
  # («Отначало», Alt+О) and answered «Периодична» (П): one answer right, the other wrong.
  [[ -d $program ]] || keys+=(ctrl+u Cyrillic_ka alt+Cyrillic_o Cyrillic_pe)
  for key in "${keys[@]}"; do
    xdotool key "$key"
    settle
  done
  exit 0
fi

program=$(realpath "$1") said=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run" "$work/home" "$work/orca"
# Speech on, with no speech server to send it to: Orca logs each utterance as it would say it.
cat >"$work/orca/user-settings.conf" <<'JSON'
{"general": {"startingProfile": ["Default", "default"]}, "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": true,
  "speechServerFactory": "", "enableBraille": false}}}
JSON
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export GSETTINGS_BACKEND=memory LANG=bg_BG.UTF-8 LANGUAGE=bg QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Orca refuses to start beside another Orca of the same user.
if pgrep -u "$(id -u)" -x orca >/dev/null; then echo "another Orca is running" >&2; exit 1; fi

# What Orca must say, a pattern a line: the window, then per key the control entered or the row;
# "?" for the line at the caret, which the window's reader reads on entering a text field.
field='(текст|поле за писане)' opened=6 n='-?[0-9]+' step='([0-9]+) по 10 е ([0-9]+); ([0-9]+) делено на ([0-9]+) е ([0-9]), остатък ([0-9]+)'
expected=(
  'Екранният четец е включен\.'
  'drobi, ирационални и рационални числа, обикновени дроби и дълги числа\.'
  'Делимо\.' 'Списък с 16 елемента\.' 'Числител\.' "$n\."
  'Делител\.' 'Списък с 16 елемента\.' 'Знаменател\.' "$n\."
  "Описание $field\\." '?Нека са дадени две числа p и q.*' 'Има ли въпроси\?'
  'Интервал\.' 'Списък с 7 елемента\.' 'Избор на интервал за числителя и знаменателя\.' '20\.'
  '50\.'
  'Чисти бутон\.' 'Изчиства генерираните числа\.'
  'Частно\.' 'Списък с 16 елемента\.' 'Десетична дроб\.' "$n,[0-9]{4}\." "$n върху $n е .*"
  'Брой цифри\.' 'Списък с 8 елемента\.' 'Брой цифри от 0 до 7 на десетичната дроб\.' '4\.'
  'брой цифри на дългото число\.' 'Списък с 9 елемента\.'
  'Брой цифри от 10 до 90 на десетичната дроб, дълго число\.' '40\.'
  'дълго число\.' 'Списък с 41 елемента\.' 'На всеки следващ ред е поредната цифра\.'
  "цяла част $n; ([0-9]+) делено на ([0-9]+) е ([0-9]+), остатък ([0-9]+)(;.*)?\."
  "[0-9], цифра 1(, [^;]*)?; $step(;.*)?\."
  "[0-9], цифра 2(, [^;]*)?; $step(;.*)?\."
  "Бележки $field\\."
  'дълго число\.' 'Списък с 41 елемента\.' 'На всеки следващ ред е поредната цифра\.'
  "[0-9], цифра 2(, [^;]*)?; $step(;.*)?\."
  'Екранният четец е изключен\.'
)
# The exercises, in the window only: the task, each answer's verdict with the right one and why.
task="Крайна или периодична е десетичната дроб на ($n) върху ($n)\\?"
verdict='(Вярно|Грешно, вярното е (крайна|периодична))\. .*\.'
[[ -d $program ]] || expected=("${expected[@]:0:${#expected[@]}-1}"
  'Упражнения\.' 'Крайна бутон\.' "$task" 'Следваща задача бутон\.' "$verdict"
  'Крайна бутон\.' "$task" 'Следваща задача бутон\.' "$verdict" "${expected[-1]}")

# The page's speech as the window's: what its reader says on open depends on when the browser tells
# it that the page has loaded (the first Tab shows that the focus opened in Делимо); it says a
# list's name and size in one utterance, the description of a list whose row it lands on last,
# and the modes it switches between.
normal() {
  if [[ ! -d $program ]]; then grep -v '^\[' "$said"; return; fi
  sed -e '/^\(Режим на фокус\|Режим на разглеждане\|Зареждане, изчакайте\.\)$/d' -e '/^\[/!s/[^.?]$/&./' \
    -e 's/^\(.*\) \(Списък с [0-9]* елемента\)\.$/\1.\n\2./' "$said" | awk '
    function out(i) { for (i = 1; i <= n; i++) if (i < n || !at) { print b[i]; if (i == at) print b[n] } n = at = 0 }
    BEGIN { skip = 1 } /^\[/ { out(); skip = 0; next } /^Екранният четец е изключен/ { out() }
    !skip { b[++n] = $0; if (/^Списък с/) at = n } END { out() }'
}

check() {
  local -a lines
  mapfile -t lines < <(normal)
  if [[ -d $program ]]; then
    expected=("${expected[@]:opened}")
    for i in "${!expected[@]}"; do [[ ${expected[i]} != '?'* ]] || unset 'expected[i]'; done
    expected=("${expected[@]}")
  fi
  expected=("${expected[@]#\?}")
  local i fail=0 remainder=-1
  local -A seen
  for i in "${!expected[@]}"; do
    [[ ${lines[i]-} =~ ^${expected[i]}$ ]] || { echo "line $((i + 1)): '${lines[i]-}' is not '${expected[i]}'" >&2; return 1; }
    [[ -z ${seen[${lines[i]}]-} ]] || continue  # the selected row again, on entering once more
    seen[${lines[i]}]=1
    # Each step in words holds as arithmetic: a·10 = b = q·d + r, r < q; its digit is d, and it
    # starts from the remainder the step before left.
    case ${lines[i]} in
      'Крайна или периодична '*)
        # p/q ends when the reduced q has no prime factor but 2 and 5.
        local p=${BASH_REMATCH[1]#-} q=${BASH_REMATCH[2]} a b t
        for ((a = p, b = q; b > 0; t = b, b = a % b, a = t)); do :; done
        for ((q /= a; q % 2 == 0; q /= 2)); do :; done
        for ((; q % 5 == 0; q /= 5)); do :; done
        ends=$((q == 1)) answers=0 ;;
      'Вярно'* | 'Грешно'*)
        # Answered «Крайна» first, then «Периодична»: right when it names what p/q does.
        local said_ends=$((answers++ == 0)) right=0
        [[ ${lines[i]} == 'Вярно'* ]] && right=1
        ((right == (said_ends == ends))) || { echo "line $((i + 1)): a wrong verdict: ${lines[i]}" >&2; return 1; } ;;
      'цяла част '*)
        local m=("${BASH_REMATCH[@]}")
        ((m[1] == m[2] * m[3] + m[4] && m[4] < m[2])) || fail=1
        remainder=${m[4]} ;;
      *', цифра '*)
        local m=("${BASH_REMATCH[@]}") d=${lines[i]:0:1}
        ((m[2] == remainder && m[3] == 10 * m[2] && m[4] == m[3] && m[3] == m[5] * m[6] + m[7] &&
          m[7] < m[5] && m[6] == d)) || fail=1
        remainder=${m[7]} ;;
    esac
    ((fail == 0)) || { echo "line $((i + 1)): the step does not add up: ${lines[i]}" >&2; return 1; }
  done
  ((${#lines[@]} == ${#expected[@]})) || { echo "said ${#lines[@]} lines, not ${#expected[@]}" >&2; return 1; }
  # No symbol that a reader names, except in the line of the description text that the field
  # holds (its own text, which a pupil reads as written).
  if normal | grep -v '^Нека са дадени' | grep -E '[·:/()…]|\.\.|[0-9]\..'; then
    echo "a symbol that a reader names" >&2
    return 1
  fi
  # Rows told as focused: one on each entry into a list with a selected row and one per key in
  # a list; none for the lists that the program moves along.
  [[ ! -d $program ]] || return 0
  local told
  told=$(grep -c 'EVENT MANAGER: focus: for \[list item' "$work/orca.log" || true)
  ((told == 11)) || { echo "rows told as focused: $told, not 11" >&2; return 1; }
}

# Orca, its buses and the program may start slowly on a loaded machine: up to three runs.
for attempt in 1 2 3; do
  rm -f "$work/orca.log"
  timeout -k 10 180 xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" \
    dbus-run-session -- "$0" --inside "$work" "$program" 2>"$work/stderr" || cat "$work/stderr" >&2
  sed -n -e "s/^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '\(.*\)' .*/[\1]/p" \
    -e "s/^.*SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\?\({.*\|None\)$/\1/p" "$work/orca.log" \
    >"$said" 2>/dev/null || true
  # A run whose start Orca missed (no window, or its first Tab not said) is tried again.
  grep -q '^Делител' "$said" || { echo "attempt $attempt: Orca missed the start" >&2; continue; }
  check && { echo "Orca said what a pupil sees: $said"; exit 0; }
  exit 1
done
exit 1
