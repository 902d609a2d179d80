#include "start_up.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    return RunProgram(instance, showMode);
}
