#include "message_box_watcher.h"

#include <chrono>

namespace macrange::test {

namespace {

struct FindState {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t cls[32] = {};
  GetClassNameW(window, cls, 32);
  if (process == state->process && std::wstring(cls) == L"#32770" && IsWindowVisible(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindMessageBox() {
  FindState state{GetCurrentProcessId(), nullptr};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

std::wstring ClassOf(HWND window) {
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  return cls;
}

}  // namespace

std::wstring WindowTextW(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = GetWindowTextW(window, text.data(), length + 1);
  text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return text;
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
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring cls = ClassOf(child);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
      seen.buttons.push_back(WindowTextW(child));
    } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
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
  using namespace std::chrono_literals;
  while (!stop_) {
    HWND box = FindMessageBox();
    if (!box) {
      std::this_thread::sleep_for(5ms);
      continue;
    }
    // Give the box time to fill in its controls before reading it.
    std::this_thread::sleep_for(50ms);
    SeenMessageBox seen = Read(box);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      seen_.push_back(std::move(seen));
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 400 && IsWindow(box); ++i) std::this_thread::sleep_for(5ms);
  }
}

}  // namespace macrange::test
