// The window classes of the program's own: the main window's and the labels'.
#pragma once

#include <windows.h>

namespace macrange::ui {

// Registers a class named name with procedure proc, once: class style
// CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, the arrow cursor, no background brush
// (the window paints its own) and no icon. True when the class exists after.
bool RegisterOwnWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc);

}  // namespace macrange::ui
