// The application object: creates the main window at start-up and runs the
// message loop until it closes.
#pragma once
#include <windows.h>

namespace korvanti {

class BenchApp {
public:
    explicit BenchApp(HINSTANCE instance) : instance_(instance) {}
    // Creates and shows the main window; returns true (the window is assumed
    // to be creatable).
    bool InitInstance(int showCommand);
    // The message loop; returns the exit code once the main window is gone
    // (at once, should the window not have been created).
    int Run();

private:
    HINSTANCE instance_;
    bool haveWindow_ = false;
};

}  // namespace korvanti
