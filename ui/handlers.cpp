#include "ui/handlers.h"

#include <new>
#include <stdexcept>
#include <string>

#include "core/address_range.h"
#include "core/text.h"
#include "ui/line_sink.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/refusal_message.h"
#include "ui/services.h"
#include "win/codepage.h"

namespace macrange::ui {

namespace {

// Handlers are called from inside the window system's dispatch, which an
// exception must not cross: on the x86 build C++ exceptions unwind with DWARF
// tables, which cannot pass through the window system's own frames, so one
// that escaped would end the process without a word. The only exceptions the
// code below can raise come from allocation: memory run out, or a text larger
// than can be allocated at all (length_error). Either ends the program here.
template <typename Body>
void RunHandler(Body body) {
  try {
    body();
  } catch (const std::bad_alloc&) {
    EndForLackOfMemory();
  } catch (const std::length_error&) {
    EndForLackOfMemory();
  }
}

}  // namespace

void OnMainWindowCreated() {}

void OnGenerateClicked() {
  RunHandler([] {
    const Text start = ReadControlText(MainWindowControl(kIdStartBox));
    const Text end = ReadControlText(MainWindowControl(kIdEndBox));
    WindowLineSink sink(MainWindowControl(kIdOutputBox));
    const RangeResult result = GenerateAddressRange(start, end, sink);
    sink.Flush();
    // A refusal is found before any line, so the box is as it was.
    if (result.end == RangeEnd::kRefused) ShowMessage(RefusalMessageId(result.refusal));
  });
}

void OnCopyClicked() {
  RunHandler([] {
    // CF_UNICODETEXT is the box's own text, so a character that code page 936
    // lacks (a pasted emoji) survives for Unicode programs; CF_TEXT is its
    // code page 936 bytes, as ReadControlText gives them.
    const std::wstring unicode = ReadControlWideText(MainWindowControl(kIdOutputBox));
    const Text text = win::TextFromWide(unicode);
    SetClipboardText(MainWindowHandle(), text, unicode);  // nothing is shown either way
  });
}

}  // namespace macrange::ui
