extern "C" __declspec(dllimport) int ImportProbe();

int main() { return ImportProbe() == 1 ? 0 : 1; }
