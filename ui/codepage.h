// Texts are code page 936 bytes inside the program; the window system is
// spoken to in UTF-16 through the wide functions, so captions and messages
// read right on a Windows of any language. These two convert at that boundary.
#pragma once

#include <string>
#include <string_view>

namespace macrange::ui {

// Code page 936 bytes to UTF-16. Bytes that are not valid there become U+FFFD
// or the system's default character, as MultiByteToWideChar decides.
std::wstring WideFrom936(std::string_view text);

// UTF-16 to code page 936. Characters that code page 936 cannot hold become "?".
std::string TextFromWide(std::wstring_view text);

}  // namespace macrange::ui
