# Shared by the benches (scripts/bench and the bench scripts it runs): the
# Release builds, the generated inputs kept in $work, and SciTE's settings
# for the benches that run the real IDE (Release Halvane.exe under Wine)
# and SciTE on the same files. Sourced, not run; the caller sets root to
# the repository.

# The Wine prefix of the Release build: the tests' wineserver (in build/)
# goes on undisturbed while a bench runs.
QRN_BUILD=${QRN_BUILD:-$root/build/rel-win64}
source "$root/scripts/common.sh"

ide=$root/build/rel-win64/bin/Halvane.exe
work=${TMPDIR:-/tmp}/qrn-bench
mkdir -p "$work/home"

bench_need_built() {  # FILE...: the programs a bench runs must be built
  for f in "$@"; do [ -f "$f" ] || { echo "missing $f (scripts/bench builds it)" >&2; exit 2; }; done
}
bench_need() {  # FILE...: built, and SciTE, the reference program, installed
  bench_need_built "$@"
  command -v scite >/dev/null || { echo "SciTE, the reference program, is not installed (scripts/bench installs it)" >&2; exit 2; }
}

# bench_projects LINES...: a copy of examples/hello for each size whose main
# file is generated ($work/bigLINES); made once, kept for later runs.
bench_projects() {
  local n dir f
  for n in "$@"; do
    dir=$work/big$n
    [ -f "$dir/main.asm" ] && continue
    mkdir -p "$dir"
    for f in "$root"/examples/hello/*; do [ "$(basename "$f")" = main.asm ] || cp "$f" "$dir"/; done
    python3 "$root/bench/gen_asm.py" "$n" "$dir/main.tmp" && mv "$dir/main.tmp" "$dir/main.asm"
  done
}

# SciTE as it comes, in a fresh home, the window as large as the screen.
scite_opts=(-position.left=0 -position.top=0 -position.width=1280 -position.height=1024 -save.session=0
            -load.session.on.startup=0 -check.if.already.open=0)
scite_cmd=(env HOME="$work/home" scite "${scite_opts[@]}")

winpath() { "$QRN_WINE" winepath -w "$1" 2>/dev/null; }
