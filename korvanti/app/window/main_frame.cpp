#include "main_frame.h"

#include <cstring>

#include "about_dialog.h"
#include "drive_probe.h"
#include "main_commands.h"
#include "resource_ids.h"
#include "result_table.h"
#include "test_selection.h"

namespace korvanti {

const char* const kMainWindowTitle = "Korvanti";
const char* const kMainWindowClass = "KorvantiMainFrame";
const char* const kHelpCommandLine = "Winhlp32 korvanti.hlp";
const char* const kHelpMissingMessage = "Could not find help file!";

namespace {

ProcessStarter processStarter = &StartDetachedProcess;

// Positions in menu 106 of the menus whose items the toggles mark.
constexpr int kTestMenuPosition = 1;
constexpr int kDiskSubmenuPosition = 7;
constexpr int kOptionsMenuPosition = 2;

// The menu operations on the window's own menu: test items in the Test menu,
// drive items in its "Disk throughput" submenu, Long tests in Options.
class WindowMenu : public MenuMarks {
public:
    explicit WindowMenu(HWND window) : bar_(GetMenu(window)) {}
    void SetCheck(int id, bool checked) override {
        CheckMenuItem(MenuOf(id), static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    void DeleteItem(int id) override { DeleteMenu(MenuOf(id), static_cast<UINT>(id), MF_BYCOMMAND); }

private:
    HMENU MenuOf(int id) const {
        if (id == kCmdLongTests) {
            return GetSubMenu(bar_, kOptionsMenuPosition);
        }
        HMENU test = GetSubMenu(bar_, kTestMenuPosition);
        return DriveOfCommand(id) != 0 ? GetSubMenu(test, kDiskSubmenuPosition) : test;
    }
    HMENU bar_;
};

// The process's current drive through the current directory: "X:" makes
// drive X current (in the folder last used there), and the remembered full
// path restores both drive and folder. Critical-error boxes ("no disk in
// drive") are suppressed while drives are tried.
class ProcessCurrentDrive : public CurrentDrive {
public:
    void Remember() override {
        const DWORD length = GetCurrentDirectoryA(sizeof saved_, saved_);
        haveSaved_ = length > 0 && length < sizeof saved_;
        oldErrorMode_ = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    }
    bool TryMakeCurrent(char letter) override {
        const char path[3] = {letter, ':', '\0'};
        return SetCurrentDirectoryA(path) != 0;
    }
    void Restore() override {
        if (haveSaved_) {
            SetCurrentDirectoryA(saved_);
        }
        SetErrorMode(oldErrorMode_);
    }

private:
    char saved_[MAX_PATH] = {};
    bool haveSaved_ = false;
    UINT oldErrorMode_ = 0;
};

// The two repaints and the error box the run driver asks of the window.
class WindowRunView : public RunView {
public:
    explicit WindowRunView(HWND window) : window_(window) {}
    void FullRedraw() override {
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
    }
    void RepaintNow() override {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
    void ShowError(const char* text) override { MessageBoxA(window_, text, kMainWindowTitle, MB_OK | MB_ICONSTOP); }

private:
    HWND window_;
};

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kMainWindowClass, &existing)) {
        return true;
    }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(KV_IDI_STOPWATCH));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(KV_IDI_STOPWATCH), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the standard arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

bool StartDetachedProcess(const char* commandLine) {
    // CreateProcessA may write into its command line: hand it a copy.
    char buffer[512];
    const size_t length = std::strlen(commandLine);
    if (length >= sizeof buffer) {
        return false;
    }
    std::memcpy(buffer, commandLine, length + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

ProcessStarter SetProcessStarter(ProcessStarter starter) {
    ProcessStarter previous = processStarter;
    processStarter = starter;
    return previous;
}

void PaintReport(HDC dc, const RECT& client, const ReportText& report) {
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (int i = 0; i < kReportLines; ++i) {
        const char* line = report.line[i];
        const void* end = std::memchr(line, '\0', kReportLineLength);
        const int length = end ? static_cast<int>(static_cast<const char*>(end) - line) : kReportLineLength;
        if (length > 0) {
            TextOutA(dc, client.left + 10, client.top + 14 * i, line, length);
        }
    }
    SelectObject(dc, oldFont);
}

MainFrame* MainFrame::Create(HINSTANCE instance) {
    if (!RegisterMainWindowClass(instance, &MainFrame::WindowProc)) {
        return nullptr;
    }
    MainFrame* frame = new MainFrame(instance);
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(KV_IDR_MAINMENU));
    // WM_NCCREATE binds the frame to the window; from then on the window owns it.
    HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, frame);
    if (window == nullptr) {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
        if (frame->window_ == nullptr) {
            delete frame;  // never bound to a window
        }
        return nullptr;
    }
    ProcessCurrentDrive drives;
    WindowMenu marks(window);
    driveAvailable = ProbeDrives(drives, marks);
    return frame;
}

LRESULT CALLBACK MainFrame::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* frame = static_cast<MainFrame*>(create->lpCreateParams);
        frame->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<MainFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        const bool wasMain = frame->isMainWindow_;
        delete frame;
        if (wasMain) {
            PostQuitMessage(0);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return frame->Handle(message, wParam, lParam);
}

LRESULT MainFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {  // menu items (there are no controls)
            OnCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(window_, &client);
        if (lParam & PRF_ERASEBKGND) {
            FillRect(dc, &client, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        }
        PaintReport(dc, client, reportText);
        return 0;
    }
    case WM_CLOSE:
        // A run holds on to the window until its last test returns.
        if (RunInProgress()) {
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void MainFrame::OnCommand(int id) {
    // Commands that reach the window during a run (through an error box's own
    // message loop) are dropped: the run owns the selection, table and report.
    if (RunInProgress()) {
        return;
    }
    const CommandRoute* route = FindCommand(id);
    if (route == nullptr) {
        return;
    }
    switch (route->command) {
    case Command::kExit:
        SendMessageA(window_, WM_CLOSE, 0, 0);
        break;
    case Command::kTestToggle:
    case Command::kDriveToggle:
    case Command::kLongTestsToggle: {
        WindowMenu menu(window_);
        ApplyToggle(id, testSelection, menu);
        break;
    }
    case Command::kRunCheckedTests:
        OnRunCheckedTests();
        break;
    case Command::kHelp:
        OnHelp();
        break;
    case Command::kAbout:
        OnAbout();
        break;
    }
}

void MainFrame::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    PaintReport(dc, client, reportText);
    EndPaint(window_, &paint);
}

void MainFrame::OnRunCheckedTests() {
    WindowRunView view(window_);
    RunCheckedTests(testSelection, resultTable, reportText, view, *runTable_);
}

void MainFrame::OnHelp() {
    if (!processStarter(kHelpCommandLine)) {
        MessageBoxA(window_, kHelpMissingMessage, kMainWindowTitle, MB_OK | MB_ICONSTOP);
    }
}

void MainFrame::OnAbout() {
    AboutDialog dialog(instance_, window_);
    dialog.DoModal();
}

}  // namespace korvanti
