#!/usr/bin/env bash
# End-to-end test of the window program through a real X desktop:
#   tests/e2e/e2e.sh PROGRAM.exe PROBE.exe
# Starts PROGRAM under Wine on a Wine desktop of 1024 x 768 on an Xvfb display
# of its own, types the start and end addresses with xdotool, clicks
# "开始生成", finds the completion box and clicks its OK, clicks "复制",
# reads the clipboard with xclip and compares it byte for byte with the
# expected lines, then presses Esc and checks that the process exits with 0.
# PROBE (built beside PROGRAM) reports where the controls are and reads the
# message box. Environment: E2E_DISPLAY (default: the first free of :111 to
# :139), WINEPREFIX (default: build/wine/e2e-<locale>-<bits>), LANG/LC_ALL.
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
start_xvfb 111 139 "${E2E_DISPLAY:-}" || fail "no X display could be started"
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# scripts/wine-run puts every program of the prefix on one Wine desktop: it
# draws the frames (the display has no window manager) and puts probe and
# program in one place.

# wait_for TRIES COMMAND...: runs COMMAND every 0.2 s until it succeeds.
wait_for() {
  local tries="$1"; shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.2; done
  return 1
}
run_probe() { "$wine_run" "$probe" "$@" 2>/dev/null; }
# The centre of a rectangle "LEFT TOP RIGHT BOTTOM".
centre() { awk '{ printf "%d %d", ($1 + $3) / 2, ($2 + $4) / 2 }' <<<"$1"; }
click_at() {  # click_at X Y
  xdotool mousemove --sync "$1" "$2" click 1
  sleep 0.3
}

"$wine_run" "$exe" &
program_pid=$!
controls=""
read_controls() { controls="$(run_probe controls)"; }
wait_for 150 read_controls || fail "MainWindow did not appear"
note "MainWindow is shown"
control_centre() { centre "$(awk -v id="$1" '$1 == id { print $2, $3, $4, $5 }' <<<"$controls")"; }

start="AA:BB:CC:DD:EE:FE"
end="AA:BB:CC:DD:EF:01"
click_at $(control_centre 130)   # 编辑框2, the start address
xdotool type --delay 30 "$start"
click_at $(control_centre 140)   # 编辑框3, the end address
xdotool type --delay 30 "$end"
click_at $(control_centre 110)   # 按钮1, "开始生成"

box=""
read_box() { box="$(run_probe box)"; }
wait_for 100 read_box || fail "no completion box after 开始生成"
note "message box: $(tr '\n' ' ' <<<"$box")"
grep -qx 'caption=信息：' <<<"$box" || fail "the box's caption is not 信息："
grep -qx 'text=生成完成' <<<"$box" || fail "the box does not say 生成完成"
grep -qx 'buttons=1' <<<"$box" || fail "the box has not exactly one button"
ok="$(sed -n 's/^ok=//p' <<<"$box")"
[ -n "$ok" ] || fail "the box has no OK button"
click_at $(centre "$ok")
box_gone() { ! run_probe box >/dev/null; }
wait_for 50 box_gone || fail "the completion box did not close"

click_at $(control_centre 120)   # 按钮2, "复制"
# X programs read text with LF line ends: Wine turns CR LF into LF when it
# hands the clipboard's text to X.
expected="$(printf '%s\n' AA:BB:CC:DD:EE:FE AA:BB:CC:DD:EE:FF AA:BB:CC:DD:EF:00 AA:BB:CC:DD:EF:01 | od -An -tx1)"
clip=""
read_clipboard() {
  clip="$(timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | od -An -tx1)"
  [ "$clip" = "$expected" ]
}
if ! wait_for 25 read_clipboard; then
  echo "expected bytes:$expected" >&2
  echo "clipboard bytes:$clip" >&2
  fail "the clipboard does not hold the four lines"
fi
note "the clipboard holds the four lines"

xdotool key Escape
status=0
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program exited with $status"
note "PASS: Esc ended the program with exit code 0 ($exe)"
