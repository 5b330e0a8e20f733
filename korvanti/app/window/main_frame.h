// The main window: its window class and procedure, the routing of menu
// commands to their handlers, painting of the report, Help and About.
#pragma once
#include <windows.h>

#include "run_driver.h"

namespace korvanti {

extern const char* const kMainWindowTitle;   // "Korvanti"
extern const char* const kMainWindowClass;
extern const char* const kHelpCommandLine;   // "Winhlp32 korvanti.hlp"
extern const char* const kHelpMissingMessage;

// Starts a program from a command line without waiting for it; true when it
// started. The default starts a real process and closes its handles.
using ProcessStarter = bool (*)(const char* commandLine);
bool StartDetachedProcess(const char* commandLine);
// Replaces the starter Help uses; returns the previous one.
ProcessStarter SetProcessStarter(ProcessStarter starter);

// Draws the 100 report lines with the stock fixed-pitch font, line i at
// (left + 10, top + 14 * i) of `client`, each up to its first NUL.
void PaintReport(HDC dc, const RECT& client, const ReportText& report);

class MainFrame {
public:
    // Creates the window from menu 106 and probes the drives; the frame
    // belongs to the window from then on and is deleted when it is destroyed.
    static MainFrame* Create(HINSTANCE instance);

    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    HWND window() const { return window_; }
    // Closing this window then ends the program's message loop.
    void MakeMainWindow() { isMainWindow_ = true; }
    // The tests the run command calls (the program's run table unless set).
    void UseRunTable(const RunTable& table) { runTable_ = &table; }

private:
    explicit MainFrame(HINSTANCE instance) : instance_(instance) {}
    ~MainFrame() = default;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void OnPaint();
    void OnRunCheckedTests();
    void OnHelp();
    void OnAbout();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    bool isMainWindow_ = false;
    const RunTable* runTable_ = &ProgramRunTable();
};

}  // namespace korvanti
