#!/usr/bin/env bash
# Benchmarks of lumvane on this machine, side by side with its peers:
#   - lumvane-cli download (listing and naming included) against aria2c -j N
#     and xargs -P N curl fetching the same pictures from the sample site,
#     for N = 5 and 15, on 1000 pictures of 50 KB and on 20 of 5 MB;
#   - lumvane-cli's peak memory;
#   - naming and list-page reading for an album of 20,000 pictures.
# Prints ratios (lumvane's time over the peer's): below 1 means lumvane is faster.
# Usage: bench/run.sh [RUNS]   (as root on Debian 12; RUNS per figure, default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

need=()
command -v aria2c >/dev/null || need+=(aria2)
command -v curl >/dev/null || need+=(curl)
[ -x /usr/bin/time ] || need+=(time)
if ((${#need[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

build=build-bench
cmake -G Ninja -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLUMVANE_BUILD_TESTS=OFF -DLUMVANE_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target lumvane-cli lumvane-samplesite lumvane-bench-naming >/dev/null
cli=$PWD/$build/src/cli/lumvane-cli
site=$PWD/$build/src/samplesite/lumvane-samplesite

# Pictures are written to memory (/dev/shm) where there is one: the figures
# compare the download engines, not the disk's mood of the moment.
work=$(mktemp -d -p "$([ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'kill "$site_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

# Album 1 of the synthetic user: 1000 x 50 KB; album 2: 20 x 5 MB.
"$site" --no-demo --synthetic small:1000:50K --synthetic big:20:5M \
  --list-pictures small --list-pictures big >"$work/site.txt" &
site_pid=$!
for _ in $(seq 1 100); do grep -q '^ready' "$work/site.txt" 2>/dev/null && break; sleep 0.1; done
grep -q '^ready' "$work/site.txt" || { echo "the sample site did not start" >&2; exit 1; }
mapfile -t connect < <(sed -n 's/^connect-to //p' "$work/site.txt")
grep '^http://127.0.0.1' "$work/site.txt" | grep -v 'big' | head -n 1000 >"$work/small.txt"
grep '^http://127.0.0.1' "$work/site.txt" | tail -n 20 >"$work/big.txt"
connect_args=()
for c in "${connect[@]}"; do connect_args+=(--connect-to "$c"); done
address="http://www.renren.com/299000001/profile"

# Seconds (to the millisecond) of one run of a command in an empty folder;
# its peak memory in KiB goes to $work/peak. The files of the run before are written out first,
# so that their write-back does not land on this run.
time_in_fresh_dir() {
  rm -rf "$work/out" && mkdir -p "$work/out" && sync
  local start end
  start=$(date +%s%N)
  (cd "$work/out" && /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>&1)
  end=$(date +%s%N)
  echo "scale=3; ($end - $start) / 1000000000" | bc
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

printf '%-14s %3s %10s %10s %10s %9s %9s %11s\n' album N lumvane_s curl_s aria2_s vs_curl vs_aria2 lumvane_MiB
for album in small big; do
  row=1
  [ "$album" = big ] && row=2
  count=$(wc -l <"$work/$album.txt")
  for n in 5 15; do
    per_curl=$(((count + n - 1) / n))
    # The three tools take turns, so that a slow moment of the machine does
    # not fall on one of them only.
    : >"$work/ours" >"$work/curl" >"$work/aria" >"$work/peaks"
    for _ in $(seq 1 "$runs"); do
      time_in_fresh_dir "$cli" download "$address" pics --albums "$row" --threads "$n" "${connect_args[@]}" >>"$work/ours"
      cat "$work/peak" >>"$work/peaks"
      time_in_fresh_dir sh -c "xargs -P $n -n $per_curl curl -s --remote-name-all < '$work/$album.txt'" >>"$work/curl"
      time_in_fresh_dir aria2c -q -j "$n" -x 1 --file-allocation=none --auto-file-renaming=false \
        --allow-overwrite=true -i "$work/$album.txt" >>"$work/aria"
    done
    ours=$(median <"$work/ours")
    curl_s=$(median <"$work/curl")
    aria_s=$(median <"$work/aria")
    peak=$(($(sort -n "$work/peaks" | tail -n 1) / 1024))
    label="${count}x$([ "$album" = big ] && echo 5MB || echo 50KB)"
    printf '%-14s %3s %10s %10s %10s %9.2f %9.2f %11s\n' "$label" "$n" "$ours" "$curl_s" "$aria_s" \
      "$(echo "$ours / $curl_s" | bc -l)" "$(echo "$ours / $aria_s" | bc -l)" "$peak"
  done
done

echo
"$PWD/$build/bench/lumvane-bench-naming"
