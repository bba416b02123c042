#!/usr/bin/env bash
# Runs every fuzz target in a folder for a bounded time on a copy of its seeds.
# Any crash, leak or per-input timeout fails the run; the input that caused it
# is kept in the folder's "artifacts" subfolder.
set -euo pipefail
folder="$(cd "$1" && pwd)"
seconds="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
status=0
mkdir -p "$folder/artifacts"
for target in "$folder"/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="$(mktemp -d)"
  if [ -d "$root/fuzz/seeds/$name" ]; then cp -r "$root/fuzz/seeds/$name/." "$corpus/"; fi
  echo "-- $name for ${seconds}s"
  if ! (cd "$corpus" && "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$folder/artifacts/$name-" -print_final_stats=1 "$corpus" 2>&1 | tail -n 25); then
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
