#include "bench_app.h"

#include <commctrl.h>

#include "main_frame.h"

namespace korvanti {

bool BenchApp::InitInstance(int showCommand) {
    // Loads the themed common controls the manifest asks for.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    MainFrame* frame = MainFrame::Create(instance_);
    if (frame != nullptr) {
        haveWindow_ = true;
        frame->MakeMainWindow();
        ShowWindow(frame->window(), showCommand);
        UpdateWindow(frame->window());
    }
    return true;
}

int BenchApp::Run() {
    if (!haveWindow_) {
        return 1;  // nothing could ever end the loop
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace korvanti
