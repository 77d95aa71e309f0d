# Sourced by the scripts that need an X display of their own.
#
# start_xvfb FIRST LAST [DISPLAY]: starts Xvfb (1024 x 768) on DISPLAY, or on
# the first free display number from FIRST to LAST, exports DISPLAY, sets
# xvfb_pid, and waits until the display takes connections. Returns 1 when no
# number is free or the display does not come up. The caller ends it
# (kill "$xvfb_pid").
start_xvfb() {
  local first="$1" last="$2" display="${3:-}" n
  if [ -z "$display" ]; then
    for n in $(seq "$first" "$last"); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
    done
  fi
  [ -n "$display" ] || return 1
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && return 0
    sleep 0.1
  done
  return 1
}
