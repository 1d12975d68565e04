# Sourced by the window tests: a throw-away game directory sharing the build's art and data, with
# an empty Saves folder, made the working folder and removed on exit. Needs game_dir and out.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ln -s "$game_dir/Art" "$tmp/Art"
ln -s "$game_dir/Data" "$tmp/Data"
mkdir "$tmp/Saves" "$out" -p
cd "$tmp"
