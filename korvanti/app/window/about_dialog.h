// The About box: dialog template 118 run modally over its owner.
#pragma once
#include <windows.h>

namespace korvanti {

class AboutDialog {
public:
    AboutDialog(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}
    // Runs the dialog until OK or close; returns the id it ended with.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND owner_;
};

}  // namespace korvanti
