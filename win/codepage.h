// Texts are code page 936 bytes inside both Windows programs; the window
// system and the command line speak UTF-16, and these two convert at that
// boundary, explicitly from and to code page 936 whatever the system's code
// page: the window's captions and messages read right on a Windows of any
// language, and an address typed on the command line reaches the generator
// as the same bytes as when typed into the window.
#pragma once

#include <string>
#include <string_view>

namespace macrange::win {

// Code page 936 bytes to UTF-16. Bytes that are not valid there become U+FFFD
// or the system's default character, as MultiByteToWideChar decides.
std::wstring WideFrom936(std::string_view text);

// UTF-16 to code page 936. Characters that code page 936 cannot hold become "?".
std::string TextFromWide(std::wstring_view text);

}  // namespace macrange::win
