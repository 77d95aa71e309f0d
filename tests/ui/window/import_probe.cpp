// A DLL that no Windows has; import_probe_user.exe imports it so that the
// import check can be seen to fail.
extern "C" __declspec(dllexport) int ImportProbe() { return 1; }
