// The program's own label class: a child window with no border that fills
// itself with the button face colour and draws its caption in black, left
// aligned and centred vertically, in the font it was given (DEFAULT_GUI_FONT
// until then). A label never takes the focus.
#pragma once

#include <windows.h>

namespace macrange::ui {

inline constexpr wchar_t kLabelClassName[] = L"MacrangeLabel";

// Registers the label class unless it is registered already. False when the
// window system refuses it.
bool RegisterLabelClass(HINSTANCE instance);

}  // namespace macrange::ui
