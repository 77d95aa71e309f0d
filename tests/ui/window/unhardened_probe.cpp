// A program built to lack what the static checks ask of a shipped one: no
// ASLR, no DEP, no large address space, a later subsystem version, a link
// time, debug sections, no manifest, and a static import of a function that
// a Windows Vista lacks. The checks are seen to fail on it.
#include <windows.h>

int main() { return SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) ? 0 : 1; }
