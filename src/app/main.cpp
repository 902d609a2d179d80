#include "start_up.h"

#include <objbase.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    // The pictures are decoded by the platform's imaging component, a COM object.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int exitCode = RunProgram(instance, showMode);
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
