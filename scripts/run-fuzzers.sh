#!/usr/bin/env bash
# Runs every fuzz target in a folder for a bounded time on a copy of its seeds,
# as many at once as there are cores. Any crash, leak or per-input timeout
# fails the run; the input that caused it is kept in the folder's "artifacts"
# subfolder.
set -euo pipefail
folder="$(cd "$1" && pwd)"
seconds="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
mkdir -p "$folder/artifacts"
reports="$(mktemp -d)"
trap 'rm -rf "$reports"' EXIT

# Runs one target; its last lines go to its report, its verdict to its status file.
fuzz_one() {
  local target="$1" name corpus
  name="$(basename "$target")"
  corpus="$(mktemp -d)"
  if [ -d "$root/fuzz/seeds/$name" ]; then cp -r "$root/fuzz/seeds/$name/." "$corpus/"; fi
  if (cd "$corpus" && "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix="$folder/artifacts/$name-" -print_final_stats=1 "$corpus" >"$reports/$name.log" 2>&1); then
    echo 0 >"$reports/$name.status"
  else
    echo 1 >"$reports/$name.status"
  fi
  rm -rf "$corpus"
}

for target in "$folder"/fuzz_*; do
  [ -x "$target" ] || continue
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait

status=0
for target in "$folder"/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  echo "-- $name for ${seconds}s"
  tail -n 25 "$reports/$name.log"
  [ "$(cat "$reports/$name.status")" = 0 ] || status=1
done
exit $status
