# Shared by the benchmark scripts: where the programs are, the build, and small timing helpers. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
converter=$root/build/release/cli/quillon-convert
generator=$root/build/release/bench/quillon-genlog
runs=${QUILLON_BENCH_RUNS:-3}
variant=${QUILLON_BENCH_VARIANT:-1}

buildRelease() {
    echo "== building the release preset"
    (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release -j2 >/dev/null)
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", b - a }'; }
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { r = (a == "" || b + 0 < a + 0) ? b : a; print r }'; }
larger() { awk -v a="$1" -v b="$2" 'BEGIN { r = (a == "" || b + 0 > a + 0) ? b : a; print r }'; }
