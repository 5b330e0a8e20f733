// korvanti.exe: start-up creates the main window, then the message loop runs
// until it closes.
#include <windows.h>

#include "bench_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    korvanti::BenchApp app(instance);
    app.InitInstance(showCommand);
    return app.Run();
}
