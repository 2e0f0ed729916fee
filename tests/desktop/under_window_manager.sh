#!/bin/sh
# Runs a program on a virtual X screen of its own, managed by the given window manager:
#   under_window_manager.sh WM PROGRAM [ARGS...]
# The screen is 2560x1440 unless ORNAVO_SCREEN says otherwise (WIDTHxHEIGHTxDEPTH, e.g. 1366x768x24).
# The screen and the window manager end with the program, whose status is returned.
set -eu
wm=$1
shift
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/setup-deps installs it)" >&2; exit 1; }
command -v "$wm" >/dev/null || { echo "$wm is missing (scripts/setup-deps installs it)" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
  [ -z "${wm_pid:-}" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "${x_pid:-}" ] || kill "$x_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 "${ORNAVO_SCREEN:-2560x1440x24}" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
x_pid=$!
tries=0
until grep -q . "$work/display" 2>/dev/null; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$x_pid" 2>/dev/null; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

# A home of its own, so the window manager reads no one's settings and writes nowhere else.
HOME=$work "$wm" >"$work/wm.log" 2>&1 &
wm_pid=$!

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- $wm:" >&2
  tail -n 20 "$work/wm.log" >&2 || true
fi
exit "$status"
