#!/usr/bin/env bash
# Keystrokes as a user sees them, in the IDE (Release Halvane.exe under Wine)
# and in SciTE on the same generated file, in one run: each program is
# started, left to settle, and typed into in the middle of the file and at
# its end by keys_to_screen; prints every line and the ratios IDE/SciTE.
# See bench/README.md.
#   bench/keys_bench.sh [--lines N] [--keys N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/bench_env.sh"

lines=3000000
keys=200
while [ $# -gt 0 ]; do
  case $1 in
    --lines) lines=$2; shift 2 ;;
    --keys) keys=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

tool=$root/build/rel-native/bench/keys_to_screen
bench_need "$tool" "$ide"
bench_projects "$lines"
file=$work/big$lines/main.asm
# The middle line both programs go to: the first label from the middle on,
# which the IDE's Find reaches by its text and SciTE's Go To by its number.
read -r mid_line mid_label < <(awk -v from=$((lines / 2)) \
  'NR >= from && /^lbl_[0-9]+:/ { sub(/\r$/, ""); print NR, $0; exit }' "$file")

qrn_start_env
program=
stop_program() {  # killed, so that nothing is saved: the generated file is kept for later runs
  if [ -n "$program" ]; then
    kill -9 "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
  fi
  program=
}
trap 'stop_program; qrn_stop_env' EXIT

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Settled: the program has used next to no processor time (under 3 ticks,
# 30 ms) in each of two seconds in a row; what it lays out or colours in
# the background is done. At most three minutes.
wait_idle() {
  local quiet=0 before now
  before=$(cpu_ticks "$program")
  for _ in $(seq 180); do
    sleep 1
    now=$(cpu_ticks "$program")
    if [ $((now - before)) -lt 3 ]; then quiet=$((quiet + 1)); else quiet=0; fi
    before=$now
    [ $quiet -ge 2 ] && return 0
  done
  echo "the program never settled" >&2
}
# start_program TITLE COMMAND...: until its window is shown and it has settled.
start_program() {
  local title=$1; shift
  setsid "$@" >/dev/null 2>&1 &
  program=$!
  timeout 180 xdotool search --sync --onlyvisible --name "$title" >/dev/null
  wait_idle
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }  # X Y: into the text, which takes the keys

results=$work/keys-results.txt
: >"$results"
time_keys() { "$tool" --keys "$keys" --label "$1" | tee -a "$results"; }

# The IDE: its Find (Ctrl+F) from the top for the middle line's text, the
# dialog closed, then a click into the view's middle and End.
start_program 'main\.asm' "$QRN_WINE" "$ide" "$(winpath "$work/big$lines/hello.qrn")"
click 400 470
xdotool key ctrl+Home ctrl+f
sleep 1
xdotool type --delay 20 "$mid_label"
xdotool key Return
sleep 1
xdotool key Escape
wait_idle
click 400 470
xdotool key End
wait_idle
time_keys ide-middle
xdotool key ctrl+End
wait_idle
time_keys ide-end
stop_program

# SciTE with its status bar shown, which follows the caret's row and column
# as the IDE's does: its Go To (Ctrl+G) for the middle line's number.
start_program 'main\.asm' "${scite_cmd[@]}" -statusbar.visible=1 "$file"
click 640 500
xdotool key ctrl+g
sleep 1
xdotool type --delay 20 "$mid_line"
xdotool key Return
wait_idle
click 640 500
xdotool key End
wait_idle
time_keys scite-middle
xdotool key ctrl+End
wait_idle
time_keys scite-end
stop_program

python3 - "$results" "$lines" <<'EOF'
import re, sys
rows = {}
for line in open(sys.argv[1]):
    m = re.match(r'(\S+): .*drawn median ([\d.-]+) ms, worst ([\d.-]+) ms, over 3 ms (\d+), over 5 ms (\d+); '
                 r'settled median ([\d.-]+) ms, worst ([\d.-]+) ms, over 3 ms (\d+), over 5 ms (\d+); no damage (\d+)', line)
    if m:
        rows[m[1]] = [float(v) for v in m.groups()[1:]]
print("%s lines: keys drawn (first pass) and settled (last drawing), ms; IDE/SciTE" % sys.argv[2])
missing = [p + "-" + place for place in ("middle", "end") for p in ("ide", "scite") if p + "-" + place not in rows]
for place in ("middle", "end"):
    ide, sc = rows.get("ide-" + place), rows.get("scite-" + place)
    if not ide or not sc:
        continue
    ratio = lambda i: ide[i] / sc[i] if sc[i] > 0 else float("nan")
    for name, at in (("drawn", 0), ("settled", 4)):
        print("  %-6s %-7s median %6.2f / %6.2f (%.2fx)  worst %7.2f / %7.2f (%.2fx)  over 3 ms %3d / %3d  over 5 ms %3d / %3d"
              % (place, name, ide[at], sc[at], ratio(at), ide[at + 1], sc[at + 1], ratio(at + 1),
                 ide[at + 2], sc[at + 2], ide[at + 3], sc[at + 3]))
    if ide[8] or sc[8]:
        print("  %-6s keys that drew nothing: IDE %d, SciTE %d" % (place, ide[8], sc[8]))
if missing:
    print("no figure: " + ", ".join(missing))
    sys.exit(1)
EOF
