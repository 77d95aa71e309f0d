#include "message_box_watcher.h"

#include <algorithm>

namespace macrange::test {

namespace {

struct FindState {
  DWORD process;
  HWND except;
  HWND found;
};

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  return _wcsicmp(cls, name) == 0;
}

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == state->process && window != state->except && HasClass(window, L"#32770") &&
      IsWindowVisible(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindOtherVisible(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == state->process && window != state->except && IsWindowVisible(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}

bool HasVisibleButton(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && HasClass(child, L"Button")) return true;
  }
  return false;
}

}  // namespace

std::wstring WindowTextW(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = GetWindowTextW(window, text.data(), length + 1);
  text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return text;
}

HWND FindMessageBoxOfThisProcess(HWND except) {
  FindState state{GetCurrentProcessId(), except, nullptr};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

bool WaitUntilBoxReady(HWND box, DWORD timeout_ms) {
  bool ready = false;
  PollUntil(
      [box, timeout_ms, &ready] {
        if (!IsWindow(box)) return true;
        if (!IsWindowVisible(box) || !HasVisibleButton(box)) return false;
        // The reply comes once the box's thread takes sent messages again:
        // from the box's own message loop, after it has filled in its
        // controls.
        DWORD_PTR ignored = 0;
        ready = SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_NORMAL, timeout_ms, &ignored) != 0;
        return true;
      },
      timeout_ms);
  return ready && IsWindow(box);
}

bool CloseBoxWithOk(HWND box, DWORD timeout_ms) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return PollUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, timeout_ms);
}

MessageBoxWatcher::MessageBoxWatcher(HWND watched_window, HWND watched_edit)
    : watched_window_(watched_window), watched_edit_(watched_edit), thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

SeenMessageBox MessageBoxWatcher::Read(HWND box) const {
  SeenMessageBox seen;
  seen.caption = WindowTextW(box);
  seen.has_owner = GetWindow(box, GW_OWNER) != nullptr;
  if (watched_window_) seen.watched_window_enabled = IsWindowEnabled(watched_window_) != FALSE;
  if (watched_edit_) seen.watched_edit_text = WindowTextW(watched_edit_);
  FindState others{GetCurrentProcessId(), box, nullptr};
  EnumWindows(FindOtherVisible, reinterpret_cast<LPARAM>(&others));
  seen.other_window_visible = others.found != nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    if (HasClass(child, L"Button")) {
      seen.buttons.push_back(WindowTextW(child));
    } else if (HasClass(child, L"Static")) {
      const LONG style = GetWindowLongW(child, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON) {
        if (SendMessageW(child, STM_GETICON, 0, 0) != 0) seen.has_icon = true;
      } else {
        seen.text += WindowTextW(child);
      }
    }
  }
  return seen;
}

void MessageBoxWatcher::Watch() {
  while (!stop_) {
    // A box read before is not read again, even should it outlive its OK.
    std::erase_if(read_, [](HWND box) { return !IsWindow(box); });
    HWND box = FindMessageBoxOfThisProcess();
    if (std::find(read_.begin(), read_.end(), box) != read_.end()) {
      box = FindMessageBoxOfThisProcess(box);
      if (std::find(read_.begin(), read_.end(), box) != read_.end()) box = nullptr;
    }
    if (!box || !WaitUntilBoxReady(box)) {
      Sleep(5);  // look again for a box
      continue;
    }
    // Recorded before OK is pressed: the test reads what was seen as soon as
    // the box has returned.
    {
      SeenMessageBox seen = Read(box);
      std::lock_guard<std::mutex> lock(mutex_);
      seen_.push_back(std::move(seen));
    }
    read_.push_back(box);
    CloseBoxWithOk(box);
  }
}

}  // namespace macrange::test
