// Times one press of 按钮1 whose end is never met (1,280 lines), on the real
// MainWindow, into an empty output box and into a box already holding 100,000
// lines; and one press, into an empty box, whose start has the longest group 5
// still served, so that every line of its first pass is long and wraps. A
// press is the click's handling, from the click to the handler's return:
// reading the boxes, generating, inserting the lines. The box's
// repaint that follows is timed apart: it is the edit control's own drawing,
// whose cost grows with the lines before the visible ones however the text got
// there. Each figure is the median of several presses, each into a box freshly
// filled outside the timing. Prints the figures and the ratio of the presses.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/address_range.h"
#include "ui/main_window.h"

namespace {

using macrange::ui::MainWindowControl;

constexpr int kRepetitions = 7;
constexpr int kLinesInFullBox = 100000;
constexpr int kLinesPerPress = 1280;
constexpr int kFirstPassLines = 256;
// AA:BB:CC:DD: EE : 00 CR LF
constexpr int kLineLength = 12 + 2 + 1 + 2 + 2;

// Group 6 is written upper case, so these ends are never met: five passes.
constexpr wchar_t kEnd[] = L"AA:BB:CC:DD:EE:ff";
constexpr wchar_t kNormalStart[] = L"AA:BB:CC:DD:EE:00";

// A start whose group 5 is the longest served, zero-padded EE.
std::wstring LongestGroup5Start() {
  return L"AA:BB:CC:DD:" + std::wstring(macrange::kLongestGroup5 - 2, L'0') + L"EE:00";
}

// The characters one press adds: the first pass repeats the start's group 5
// as typed, the other four passes write it as two digits.
int AddedLength(const std::wstring& start) {
  const int group5 = static_cast<int>(start.size()) - 12 - 3;  // AA:BB:CC:DD: ... :00
  return kFirstPassLines * (kLineLength - 2 + group5) +
         (kLinesPerPress - kFirstPassLines) * kLineLength;
}

void SetAddresses(const std::wstring& start) {
  SetWindowTextW(MainWindowControl(macrange::ui::kIdStartBox), start.c_str());
  SetWindowTextW(MainWindowControl(macrange::ui::kIdEndBox), kEnd);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::wstring Lines(int n) {
  std::wstring text;
  text.reserve(static_cast<std::size_t>(n) * 19);
  for (int i = 0; i < n; ++i) {
    wchar_t line[32];
    swprintf(line, 32, L"00:11:22:33:%02X:%02X\r\n", (i >> 8) & 0xFF, i & 0xFF);
    text += line;
  }
  return text;
}

struct Timing {
  double press_ms;
  double repaint_ms;
};

// One press of the addresses in the boxes into a box holding `before`;
// checks the press added `added` characters.
Timing TimePress(const std::wstring& before, int added, bool& ok) {
  HWND box = MainWindowControl(macrange::ui::kIdOutputBox);
  SetWindowTextW(box, before.c_str());
  UpdateWindow(box);
  PumpMessages();
  const int length_before = GetWindowTextLengthW(box);

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  SendMessageW(MainWindowControl(macrange::ui::kIdGenerateButton), BM_CLICK, 0, 0);
  const auto pressed = Clock::now();
  UpdateWindow(box);
  const auto painted = Clock::now();

  PumpMessages();
  if (GetWindowTextLengthW(box) - length_before != added) ok = false;
  using Ms = std::chrono::duration<double, std::milli>;
  return {Ms(pressed - start).count(), Ms(painted - pressed).count()};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  HWND window = macrange::ui::CreateMainWindow(GetModuleHandleW(nullptr));
  if (!window) {
    std::fprintf(stderr, "press: MainWindow could not be made\n");
    return 1;
  }
  ShowWindow(window, SW_SHOW);
  PumpMessages();
  bool ok = true;
  const std::wstring empty;
  const std::wstring full = Lines(kLinesInFullBox);
  const std::wstring longest = LongestGroup5Start();
  std::vector<double> press_empty, press_full, paint_empty, paint_full, press_long, paint_long;
  SetAddresses(kNormalStart);
  TimePress(empty, AddedLength(kNormalStart), ok);  // warms up fonts and caches
  for (int i = 0; i < kRepetitions; ++i) {
    SetAddresses(kNormalStart);
    const Timing e = TimePress(empty, AddedLength(kNormalStart), ok);
    const Timing f = TimePress(full, AddedLength(kNormalStart), ok);
    SetAddresses(longest);
    const Timing l = TimePress(empty, AddedLength(longest), ok);
    press_empty.push_back(e.press_ms);
    paint_empty.push_back(e.repaint_ms);
    press_full.push_back(f.press_ms);
    paint_full.push_back(f.repaint_ms);
    press_long.push_back(l.press_ms);
    paint_long.push_back(l.repaint_ms);
  }
  DestroyWindow(window);
  if (!ok) {
    std::fprintf(stderr, "press: a press did not add its %d lines\n", kLinesPerPress);
    return 1;
  }
  const double a = Median(press_empty);
  const double b = Median(press_full);
  std::printf("press into an empty box:             %8.1f ms (median of %d)\n", a, kRepetitions);
  std::printf("press into a box of 100,000 lines:   %8.1f ms (median of %d)\n", b, kRepetitions);
  std::printf("ratio (100,000 lines / empty):       %8.2f\n", b / a);
  std::printf("repaint after it, empty box:         %8.1f ms\n", Median(paint_empty));
  std::printf("repaint after it, 100,000 lines:     %8.1f ms\n", Median(paint_full));
  const double c = Median(press_long);
  std::printf("press with a %d-byte group 5, empty box: %5.1f ms (median of %d)\n",
              static_cast<int>(macrange::kLongestGroup5), c, kRepetitions);
  std::printf("ratio (%d-byte group 5 / normal):     %8.2f\n",
              static_cast<int>(macrange::kLongestGroup5), c / a);
  std::printf("repaint after it:                    %8.1f ms\n", Median(paint_long));
  return 0;
}
