# Helpers for the tests that start the installed game on a virtual X display (sourced).
# needs_display_tools: exit 77 (skipped) unless Xvfb, ImageMagick and xdotool are there.
needs_display_tools() {
  for tool in xvfb-run import convert xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "$tool missing: skipped"
      exit 77
    fi
  done
}

# bright_share PNG: the share of pixels brighter than half.
bright_share() {
  convert "$1" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:
}

# wait_for_title PNG: takes pictures of the display every half second until the title's lettering
# shows, for at most twenty seconds; fails when it never does.
wait_for_title() {
  for _ in $(seq 40); do
    import -window root "$1"
    awk -v b="$(bright_share "$1")" 'BEGIN { exit !(b > 0.005) }' && return 0
    sleep 0.5
  done
  return 1
}

# The game reads the keyboard and mouse once a frame, so each press is held for a few frames.
press() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; sleep 0.3; }
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2; xdotool mouseup 1; sleep 0.3; }

# wait_for_menu PNG: presses Return (which skips the title once it reads keys; the menu ignores it)
# and takes pictures every half second until the main menu's blue buttons have grown in on the
# right of an 800 by 600 window, for at most thirty seconds; fails when they never do.
wait_for_menu() {
  for _ in $(seq 60); do
    xdotool key Return 2>/dev/null || true
    sleep 0.5
    import -window root "$1"
    blue=$(convert "$1" -crop 300x600+500+0 -fuzz 10% -fill white -opaque "#577AE1" \
           -fill black +opaque white -format "%[fx:mean]" info:)
    awk -v b="$blue" 'BEGIN { exit !(b > 0.02) }' && return 0
  done
  return 1
}
