#include "ui/handlers.h"

#include <new>

#include "core/address_range.h"
#include "core/text.h"
#include "ui/line_sink.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/refusal_message.h"
#include "ui/services.h"

namespace macrange::ui {

namespace {

// Handlers are called from inside the window system's dispatch, which an
// exception must not cross: running out of memory ends the program here.
template <typename Body>
void RunHandler(Body body) {
  try {
    body();
  } catch (const std::bad_alloc&) {
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
    const Text text = ReadControlText(MainWindowControl(kIdOutputBox));
    SetClipboardText(MainWindowHandle(), text);  // nothing is shown either way
  });
}

}  // namespace macrange::ui
