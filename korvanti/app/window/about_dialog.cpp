#include "about_dialog.h"

#include "resource_ids.h"

namespace korvanti {

INT_PTR AboutDialog::DoModal() {
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(KV_IDD_ABOUT), owner_, &AboutDialog::DialogProc, 0);
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;  // the pictures load themselves from the template
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace korvanti
