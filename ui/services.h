// The window services through which the handlers, and through WindowLineSink
// the generator, reach the window system and the clipboard.
#pragma once
