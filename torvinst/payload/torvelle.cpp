// torvelle.exe: the program of the Lumivane payload. It only tells the user
// that Lumivane is installed.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "Lumivane 0.41 is installed on this computer.", "Lumivane 0.41",
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
