#!/usr/bin/env bash
# save-fails.sh REPLAY GAME_DIR OLD_SAVE OUT_DIR
# Saving into slot 1 where the file cannot be written, two ways: on a full disk (a tiny tmpfs in a
# private mount namespace, where the machine allows one) the old game in the slot must stay whole;
# with a plain file where the Saves folder should be (which fails even for root) nothing is written.
# Either way the save screen shows "Not saved!" and no "Saved!".
set -euo pipefail
replay=$(realpath "$1") game=$(realpath "$2") old=$(realpath "$3") out=$(realpath -m "$4")
here=$(dirname "$(realpath "$0")")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

game_dir() {
  mkdir "$tmp/$1"
  ln -s "$game/Art" "$tmp/$1/Art"
  ln -s "$game/Data" "$tmp/$1/Data"
}

# Saves is a plain file.
game_dir plain
echo "not a folder" > "$tmp/plain/Saves"
"$replay" --game-dir "$tmp/plain" --out "$out/plain" "$here/save-fails.txt"
[ "$(cat "$tmp/plain/Saves")" = "not a folder" ] || { echo "the plain file in place of Saves changed"; exit 1; }

# A full disk: mount a small tmpfs as Saves, put the old game in slot 1, fill the rest.
game_dir full
mkdir "$tmp/full/Saves"
full_disk_run() {
  mount -t tmpfs -o size=64k tmpfs "$tmp/full/Saves" || return 3
  cp "$old" "$tmp/full/Saves/1.sav"
  dd if=/dev/zero of="$tmp/full/Saves/filler" bs=1k 2>/dev/null || true
  status=0
  "$replay" --game-dir "$tmp/full" --out "$out/full" "$here/save-fails.txt" || status=$?
  cmp "$old" "$tmp/full/Saves/1.sav" || { echo "the old game in slot 1 was damaged"; status=1; }
  leftovers=$(ls "$tmp/full/Saves" | grep -v -x -e 1.sav -e filler || true)
  [ -z "$leftovers" ] || { echo "left behind: $leftovers"; status=1; }
  umount "$tmp/full/Saves"
  return $status
}
export -f full_disk_run
export tmp old replay here out
if unshare --mount --map-root-user true 2>/dev/null; then
  unshare --mount --map-root-user bash -c full_disk_run || status=$?
elif unshare --mount true 2>/dev/null; then
  unshare --mount bash -c full_disk_run || status=$?
else
  status=3
fi
case ${status:-0} in
  0) echo "full disk: the old save stayed whole" ;;
  3) echo "full disk: no private tmpfs on this machine, that part skipped" ;;
  *) exit 1 ;;
esac
