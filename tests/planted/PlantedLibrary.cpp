// A DLL that sits beside the test program, where the ordinary search for a
// DLL by name finds it, but loading a system DLL by that name must not.
#include <windows.h>

extern "C" __declspec(dllexport) int TallvoxPlanted() { return 1; }
