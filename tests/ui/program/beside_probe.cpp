// A DLL that lies beside the DLL-search test program only: found by name
// while the program directory is searched, and not once the search is
// limited to the system folder.
extern "C" __declspec(dllexport) int BesideProbe() { return 0x5EA2C4; }
