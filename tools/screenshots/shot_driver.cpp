// Drives a running korvanti for screenshots. Commands:
//   wait   wait for the main window, give it a fixed size, print its frame
//   run    tick every processor test the program has, run them, print the frame
//   about  open the About box, print its frame
//   close  close the About box and the main window
// A frame is printed as "WIDTHxHEIGHT+X+Y" (screen pixels); exit status 1 when
// a window did not appear in time.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "main_commands.h"
#include "run_driver.h"

namespace {

HWND WaitForWindow(const char* className, const char* title) {
    for (int i = 0; i < 300; ++i) {
        if (HWND window = FindWindowA(className, title)) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

int PrintFrame(HWND window) {
    if (window == nullptr) {
        std::fprintf(stderr, "window not found\n");
        return 1;
    }
    RECT frame;
    GetWindowRect(window, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    return 0;
}

void Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvanti-shot-driver wait|run|about|close\n");
        return 2;
    }
    const char* what = argv[1];
    HWND main = WaitForWindow("KorvantiMainFrame", "Korvanti");
    if (main == nullptr) {
        return PrintFrame(nullptr);
    }
    if (std::strcmp(what, "wait") == 0) {
        SetWindowPos(main, HWND_TOP, 20, 20, 600, 250, SWP_SHOWWINDOW);
        return PrintFrame(main);
    }
    if (std::strcmp(what, "run") == 0) {
        const korvanti::RunTable& table = korvanti::ProgramRunTable();
        for (size_t i = 0; i < table.rowCount; ++i) {
            Command(main, korvanti::CommandOfTestFlag(table.rows[i].flag));
        }
        Command(main, korvanti::kCmdRunCheckedTests);  // returns when the run is over
        return PrintFrame(main);
    }
    if (std::strcmp(what, "about") == 0) {
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(korvanti::kCmdAbout, 0), 0);  // modal: do not wait on it
        return PrintFrame(WaitForWindow("#32770", "About"));
    }
    if (std::strcmp(what, "close") == 0) {
        if (HWND about = FindWindowA("#32770", "About")) {
            SendMessageA(about, WM_COMMAND, IDOK, 0);
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        return 0;
    }
    std::fprintf(stderr, "unknown command %s\n", what);
    return 2;
}
