#!/usr/bin/env bash
# Launch to text on screen of the IDE (Release Halvane.exe under Wine) with a
# small project and with projects of generated big files, and of SciTE with
# the same files, run by run side by side, with a plain Win32 window under
# the same Wine prefix as the platform's floor; prints medians, what the big
# file adds to each launch, and the ratios. See bench/README.md.
#   bench/launch_bench.sh [--runs N] [--lines "1000000 3000000"]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/bench_env.sh"

runs=5
lines="1000000 3000000"
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --lines) lines=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

tool=$root/build/rel-native/bench/launch_to_text
blank=$root/build/rel-win64/bench/blankwin.exe
bench_need "$tool" "$ide" "$blank"
bench_projects $lines
# A second kind of SciTE run quits from Lua at its first update (its exit time).
cat >"$work/quit.lua" <<'EOF'
function OnUpdateUI()
  scite.MenuCommand(IDM_QUIT)
end
EOF

qrn_start_env
trap qrn_stop_env EXIT

results=$work/results.txt
: >"$results"
measure() {  # NAME COMMAND...
  local name=$1; shift
  local out
  out=$("$tool" "$@" 2>&1 | tail -1) || true
  echo "$name $out" | tee -a "$results"
}
ide_run() { measure "ide-$1" --process Halvane.exe -- "$QRN_WINE" "$ide" "$(winpath "$2")"; }
floor_run() { measure floor --process blankwin.exe -- "$QRN_WINE" "$blank"; }
scite_run() { measure "scite-$1" -- "${scite_cmd[@]}" "$2"; }
scite_quit() {
  measure "scitequit-$1" --settle 100000 -- "${scite_cmd[@]}" \
    -ext.lua.startup.script="$work/quit.lua" "$2"
}

# One unmeasured start each: Wine's and the system's caches warm up.
"$tool" --process Halvane.exe -- "$QRN_WINE" "$ide" "$(winpath "$root/examples/hello/hello.qrn")" >/dev/null 2>&1 || true
"$tool" --process blankwin.exe -- "$QRN_WINE" "$blank" >/dev/null 2>&1 || true
"$tool" -- "${scite_cmd[@]}" "$root/examples/hello/main.asm" >/dev/null 2>&1 || true
for r in $(seq "$runs"); do
  floor_run
  ide_run small "$root/examples/hello/hello.qrn"
  scite_run small "$root/examples/hello/main.asm"
  scite_quit small "$root/examples/hello/main.asm"
  for n in $lines; do
    ide_run "$n" "$work/big$n/hello.qrn"
    scite_run "$n" "$work/big$n/main.asm"
    scite_quit "$n" "$work/big$n/main.asm"
  done
done

python3 - "$results" $lines <<'EOF'
import re, statistics, sys
rows = {}
for line in open(sys.argv[1]):
    name, rest = line.split(' ', 1)
    m = re.search(r'text (-?\d+) ms.*exit (-?\d+) ms.*peak (-?[\d.]+) MB', rest)
    # A figure is a time the run measured: text shown, or (quitting SciTE) its exit.
    if m and float(m[2 if name.startswith("scitequit") else 1]) >= 0:
        rows.setdefault(name, []).append((float(m[1]), float(m[2]), float(m[3])))
sizes = sys.argv[2:]
wanted = ["floor"] + [p + "-" + n for n in ["small"] + sizes for p in ("ide", "scite", "scitequit")]
missing = [name for name in wanted if name not in rows]
med = lambda name, i: statistics.median(r[i] for r in rows[name])
print("medians: launch to text on screen, ms (SciTE quitting from Lua at its first update: exit time); peak memory MB")
for name in wanted:
    if name in rows:
        print("  %-18s text %7.0f  exit %7.0f  peak %7.1f" % (name, med(name, 0), med(name, 1), med(name, 2)))
if "floor" in rows and "ide-small" in rows:
    floor, ide = med("floor", 0), med("ide-small", 0)
    print("floor: a blank Win32 window under the same Wine prefix shows its text in %.0f ms; the IDE's small launch "
          "takes %.0f ms more (%.1fx the floor)" % (floor, ide - floor, ide / max(floor, 1)))
for n in sizes:
    if any(p + "-" + k not in rows for p in ("ide", "scite") for k in (n, "small")):
        continue
    ide_add = med('ide-' + n, 0) - med('ide-small', 0)
    sc_add = med('scite-' + n, 0) - med('scite-small', 0)
    print("%s lines: the file adds %.0f ms to the IDE's launch, %.0f ms to SciTE's (ratio %.1f); whole launch %.1fx SciTE's; "
          "peak memory %.2fx SciTE's" % (n, ide_add, sc_add, ide_add / max(sc_add, 1), med('ide-' + n, 0) / med('scite-' + n, 0),
                                         med('ide-' + n, 2) / med('scite-' + n, 2)))
if missing:
    print("no figure (the program never showed its text or never ended): " + ", ".join(missing))
    sys.exit(1)
EOF
