#!/usr/bin/env bash
# End-to-end test of the window program through a real X desktop:
#   tests/e2e/e2e.sh PROGRAM.exe PROBE.exe
# Starts PROGRAM under Wine on a Wine desktop of 1024 x 768 on an Xvfb display
# of its own, checks that Windows' code page is the one the locale asks for,
# clicks into the start and end boxes, types the addresses with xdotool once
# the focus is there and reads them back, clicks "开始生成", finds the
# completion box and clicks its OK, clicks "复制", reads the clipboard with
# xclip and compares it byte for byte with the expected lines, then presses
# Esc and checks that the process exits with 0. Every step waits for what it
# needs with a deadline of seconds, never for a fixed time. PROBE (built
# beside PROGRAM) reports where the controls are, which has the focus, what
# a box holds, and reads the message box. Environment: E2E_DISPLAY (a
# display already running is used as it is; else one is started there, or on
# the first free of :111 to :139), WINEPREFIX (default:
# build/wine/e2e-<locale>-<bits>), LANG/LC_ALL.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$1"
probe="$2"

fail() { echo "e2e: FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*"; }

wine_run="$root/scripts/wine-run"
if [ "$("$wine_run" --bits "$exe")" = 32 ] && ! "$root/scripts/can-run-x86"; then
  fail "this machine cannot run 32-bit programs; give the x64 program instead"
fi

loc="${LC_ALL:-${LANG:-C.UTF-8}}"
export WINEPREFIX="${WINEPREFIX:-$root/build/wine/e2e-${loc%%.*}-$("$wine_run" --bits "$exe")}"

. "$root/scripts/lib/xvfb.sh"
xvfb_pid=""
if [ -n "${E2E_DISPLAY:-}" ] && DISPLAY="$E2E_DISPLAY" xdpyinfo >/dev/null 2>&1; then
  export DISPLAY="$E2E_DISPLAY"  # a display already running is used and left running
else
  start_xvfb 111 139 "${E2E_DISPLAY:-}" || fail "no X display could be started"
fi
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# scripts/wine-run puts every program of the prefix on one Wine desktop: it
# draws the frames (the display has no window manager) and puts probe and
# program in one place.

# wait_for SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds;
# fails once SECONDS have passed. The deadlines are generous: a loaded 2-core
# machine runs Wine slowly.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
run_probe() { "$wine_run" "$probe" "$@" 2>/dev/null; }
# The centre of a rectangle "LEFT TOP RIGHT BOTTOM".
centre() { awk '{ printf "%d %d", ($1 + $3) / 2, ($2 + $4) / 2 }' <<<"$1"; }
click_at() { xdotool mousemove --sync "$1" "$2" click 1; }  # click_at X Y
focus_is() { [ "$(run_probe focus)" = "$1" ]; }
text_is() { [ "$(run_probe text "$1")" = "$2" ]; }  # text_is ID TEXT

codepage="$(run_probe codepage)" || fail "Windows' code page is not the locale's ($codepage, locale $loc)"
note "code page: $codepage"

"$wine_run" "$exe" &
program_pid=$!
controls=""
read_controls() { controls="$(run_probe controls)"; }
wait_for 60 read_controls || fail "MainWindow did not appear"
note "MainWindow is shown"
control_centre() { centre "$(awk -v id="$1" '$1 == id { print $2, $3, $4, $5 }' <<<"$controls")"; }

# type_into ID TEXT: clicks the box, types once it has the focus, and checks
# that the box holds what was typed.
type_into() {
  click_at $(control_centre "$1")
  wait_for 20 focus_is "$1" || fail "a click on control $1 did not give it the focus"
  xdotool type --delay 30 "$2"
  wait_for 20 text_is "$1" "$2" || fail "control $1 holds \"$(run_probe text "$1")\", not \"$2\""
}

start="AA:BB:CC:DD:EE:FE"
end="AA:BB:CC:DD:EF:01"
type_into 130 "$start"   # 编辑框2, the start address
type_into 140 "$end"     # 编辑框3, the end address
note "typed $start and $end"
click_at $(control_centre 110)   # 按钮1, "开始生成"

box=""
read_box() { box="$(run_probe box)"; }
wait_for 30 read_box || fail "no completion box after 开始生成"
note "message box: $(tr '\n' ' ' <<<"$box")"
grep -qx 'caption=信息：' <<<"$box" || fail "the box's caption is not 信息："
grep -qx 'text=生成完成' <<<"$box" || fail "the box does not say 生成完成"
grep -qx 'buttons=1' <<<"$box" || fail "the box has not exactly one button"
ok="$(sed -n 's/^ok=//p' <<<"$box")"
[ -n "$ok" ] || fail "the box has no OK button"
click_at $(centre "$ok")
box_gone() { ! run_probe box >/dev/null; }
wait_for 20 box_gone || fail "the completion box did not close"

click_at $(control_centre 120)   # 按钮2, "复制"
# X programs read text with LF line ends: Wine turns CR LF into LF when it
# hands the clipboard's text to X.
expected="$(printf '%s\n' AA:BB:CC:DD:EE:FE AA:BB:CC:DD:EE:FF AA:BB:CC:DD:EF:00 AA:BB:CC:DD:EF:01 | od -An -tx1)"
clip=""
read_clipboard() {
  clip="$(timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | od -An -tx1)"
  [ "$clip" = "$expected" ]
}
if ! wait_for 20 read_clipboard; then
  echo "expected bytes:$expected" >&2
  echo "clipboard bytes:$clip" >&2
  fail "the clipboard does not hold the four lines"
fi
note "the clipboard holds the four lines"

# Esc goes to the window that has the focus: the clicked button.
wait_for 20 focus_is 120 || fail "the focus is not on 复制 after its click"
xdotool key Escape
program_running() { kill -0 "$program_pid" 2>/dev/null; }
program_ended() { ! program_running; }
wait_for 20 program_ended || fail "Esc did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program exited with $status"
note "PASS: Esc ended the program with exit code 0 ($exe)"
