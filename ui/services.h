// The window services through which the handlers, and through WindowLineSink
// the generator, reach the window system and the clipboard. They are called on
// the window's thread only. Texts cross into the window system as UTF-16 and
// come back as code page 936 bytes, so they read the same on a Windows of any
// language.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/text.h"

namespace macrange::ui {

// The control's current text as code page 936 bytes; empty when it holds none.
Text ReadControlText(HWND control);

// The control's current text as the window system holds it (UTF-16), with the
// characters that code page 936 lacks.
std::wstring ReadControlWideText(HWND control);

// Puts text after everything the edit box holds, whatever the user selected or
// typed there, and leaves the caret after it, scrolled into view. The box's end
// is learned from its length, so the cost follows the text added, not the text
// already there. The insertion cannot be undone.
void AppendEditText(HWND edit, std::string_view text);

// A task-modal box with no owner, the caption "信息：" (IDS_MESSAGE_CAPTION),
// one OK button and no icon, showing message: code page 936 bytes, as the
// core's completion message. Returns when the user has closed it (at once when
// it cannot be shown), with the window that was active before it active and in
// the foreground again and the focus back on the control that had it.
void ShowMessage(std::string_view message);

// The same box showing the string-table text text_id (an IDS_ identifier).
void ShowMessage(UINT text_id);

// How long SetClipboardText waits for a clipboard that another program holds
// open (clipboard history, clipboard sharing and clipboard managers open it
// for a few milliseconds after every change), and how often it tries.
inline constexpr DWORD kClipboardWaitMs = 250;
inline constexpr DWORD kClipboardRetryMs = 10;

// Replaces the clipboard's content with one text in three formats: CF_TEXT,
// text's code page 936 bytes followed by one zero byte; CF_UNICODETEXT,
// unicode (the same text as the window system holds it, so characters that
// code page 936 lacks survive for Unicode programs) followed by one zero
// character; and CF_LOCALE 0x0804 (Chinese, PRC), so that Windows converts
// the CF_TEXT bytes with code page 936 whatever keyboard layout is active.
// owner becomes the clipboard's owner: a clipboard emptied with no owner
// window refuses SetClipboardData on Windows, so the copy would be lost.
// While another program holds the clipboard open, tries again for
// kClipboardWaitMs; then returns false, changing nothing. Returns false with
// the clipboard left empty when the CF_TEXT block cannot be allocated or is
// refused.
bool SetClipboardText(HWND owner, std::string_view text, std::wstring_view unicode);

}  // namespace macrange::ui
