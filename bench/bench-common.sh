# Shared by the benchmark scripts: where the programs are, the build, and small timing helpers. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
converter=$root/build/release/cli/quillon-convert
generator=$root/build/release/bench/quillon-genlog
runs=${QUILLON_BENCH_RUNS:-3}
variant=${QUILLON_BENCH_VARIANT:-1}

# Sets contacts, quick and keep from "[--quick] [--keep] [N]"; the caller defines usage.
parseArguments() {
    contacts=1000000
    quick=${QUILLON_BENCH_QUICK:-0}
    keep=0
    while (($# > 0)); do
        case $1 in
            --quick) quick=1 ;;
            --keep) keep=1 ;;
            -h | --help) usage; exit 0 ;;
            *[!0-9]* | '') usage >&2; exit 2 ;;
            *) contacts=$1 ;;
        esac
        shift
    done
}

buildRelease() {
    echo "== building the release preset"
    (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release -j2 >/dev/null)
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", b - a }'; }
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { r = (a == "" || b + 0 < a + 0) ? b : a; print r }'; }
larger() { awk -v a="$1" -v b="$2" 'BEGIN { r = (a == "" || b + 0 > a + 0) ? b : a; print r }'; }
