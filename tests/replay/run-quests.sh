#!/usr/bin/env bash
# run-quests.sh REPLAY GAME_DIR OUT_DIR SCRIPT...
# Plays every quest script, each in its own throw-away game directory, and names every quest that
# can no longer be solved before failing.
set -uo pipefail
replay=$1 game=$2 out=$3
shift 3
here=$(dirname "$0")
failed=()
for script in "$@"; do
  name=$(basename "$script" .txt)
  "$here/run-replay.sh" "$replay" "$game" "$script" "$out/$name" || failed+=("$name")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "not solved: ${failed[*]}" >&2
  exit 1
fi
echo "all ${#} quests solved"
