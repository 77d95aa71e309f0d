// The window services through which the handlers, and through WindowLineSink
// the generator, reach the window system and the clipboard. They are called on
// the window's thread only. Texts cross into the window system as UTF-16 and
// come back as code page 936 bytes, so they read the same on a Windows of any
// language.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/text.h"

namespace macrange::ui {

// The control's current text as code page 936 bytes; empty when it holds none.
Text ReadControlText(HWND control);

// Puts text after everything the edit box holds, whatever the user selected or
// typed there, and leaves the caret after it, scrolled into view. The box's end
// is learned from its length, so the cost follows the text added, not the text
// already there. The insertion cannot be undone.
void AppendEditText(HWND edit, std::string_view text);

// A task-modal box with no owner, the caption "信息：" (IDS_MESSAGE_CAPTION),
// one OK button and no icon, showing message: code page 936 bytes, as the
// core's completion message. Returns when the user has closed it (at once when
// it cannot be shown).
void ShowMessage(std::string_view message);

// The same box showing the string-table text text_id (an IDS_ identifier).
void ShowMessage(UINT text_id);

// Replaces the clipboard's content with text: as CF_TEXT, its bytes followed by
// one zero byte, and beside it as CF_UNICODETEXT. owner becomes the clipboard's
// owner: a clipboard emptied with no owner window refuses SetClipboardData on
// Windows, so the copy would be lost. Returns false, changing nothing, when
// another program holds the clipboard open; returns false with the clipboard
// left empty when the CF_TEXT block cannot be allocated or is refused.
bool SetClipboardText(HWND owner, std::string_view text);

}  // namespace macrange::ui
