// Drives korvanti's real main window, built from the program's resources,
// with messages, and reads back its menu, painting and dialogs.
#include "main_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "drive_probe.h"
#include "resource_ids.h"
#include "result_table.h"
#include "test_selection.h"

namespace korvanti {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// ---- dialogs: watch the first dialog box the thread shows, then press OK ----

struct DialogWatch {
    std::function<void(HWND)> inspect;
    bool seen = false;
    int ticks = 0;
};
DialogWatch* activeWatch = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM result) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK WatchTick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        if (++activeWatch->ticks > 250) {
            KillTimer(nullptr, timer);
        }
        return;
    }
    KillTimer(nullptr, timer);
    activeWatch->seen = true;
    activeWatch->inspect(dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Runs `action`; if it opens a dialog box (which runs its own message loop),
// `inspect` sees it open before OK closes it. Returns whether one was seen.
bool WatchDialog(const std::function<void()>& action, std::function<void(HWND)> inspect) {
    DialogWatch watch{std::move(inspect)};
    activeWatch = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchTick);
    action();
    KillTimer(nullptr, timer);
    activeWatch = nullptr;
    return watch.seen;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// ---- menus: one line per item, "text|id|flags" ----

std::string DescribeItem(HMENU menu, int position) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
        return "?";
    }
    if (info.fType & MFT_SEPARATOR) {
        return "-";
    }
    std::string item = std::string(text) + "|";
    item += info.hSubMenu != nullptr ? std::string("popup") : std::to_string(info.wID);
    if (info.fState & MFS_GRAYED) {
        item += "|grey";
    }
    if (info.fState & MFS_CHECKED) {
        item += "|ticked";
    }
    return item;
}

std::vector<std::string> DescribeMenu(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        items.push_back(DescribeItem(menu, i));
    }
    return items;
}

bool IsTicked(HMENU menu, int id) { return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0; }

// ---- painting: the client area as WM_PRINTCLIENT draws it into a bitmap ----

struct Ink {
    int left = 100000, top = 100000, right = -1, bottom = -1;  // bounding box of dark pixels
    bool any() const { return right >= 0; }
};

class ClientPicture {
public:
    explicit ClientPicture(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    ~ClientPicture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ClientPicture(const ClientPicture&) = delete;
    ClientPicture& operator=(const ClientPicture&) = delete;

    // Dark pixels (text) within rows [top, bottom).
    Ink InkIn(int top, int bottom) const {
        Ink ink;
        for (int y = top; y < bottom && y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const uint32_t pixel = bits_[y * width_ + x];
                const int brightness = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
                if (brightness < 3 * 128) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                }
            }
        }
        return ink;
    }
    int height() const { return height_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// ---- the window under test, with a count of its paint messages ----

struct PaintLog {
    int paints = 0;
    int erases = 0;
};
PaintLog paintLog;
WNDPROC frameProcedure = nullptr;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++paintLog.paints;
    } else if (message == WM_ERASEBKGND) {
        ++paintLog.erases;
    }
    return CallWindowProcA(frameProcedure, window, message, wParam, lParam);
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        testSelection = TestSelection{};
        ClearLines(reportText);
        ClearCells(resultTable.thisComputer);
        ClearCells(resultTable.otherComputer);
        reportText.showingDescription = false;
        GetCurrentDirectoryA(sizeof directoryBefore, directoryBefore);
        frame = MainFrame::Create(GetModuleHandleA(nullptr));
        ASSERT_NE(frame, nullptr);
        window = frame->window();
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
        frameProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
        paintLog = PaintLog{};
    }
    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        SetProcessStarter(&StartDetachedProcess);
    }
    LRESULT Command(int id) { return SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    HMENU Bar() const { return GetMenu(window); }
    HMENU TestMenu() const { return GetSubMenu(Bar(), 1); }
    HMENU DiskMenu() const { return GetSubMenu(TestMenu(), 7); }
    HMENU OptionsMenu() const { return GetSubMenu(Bar(), 2); }

    char directoryBefore[MAX_PATH] = {};
    MainFrame* frame = nullptr;
    HWND window = nullptr;
};

TEST_F(MainFrameTest, StartsTitledWithTheFullMenuNothingTickedAndAnEmptyClientArea) {
    EXPECT_EQ(WindowText(window), "Korvanti");
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

    EXPECT_THAT(DescribeMenu(Bar()), ElementsAre("File|popup", "Test|popup", "Options|popup", "Info|popup"));
    EXPECT_THAT(DescribeMenu(GetSubMenu(Bar(), 0)),
                ElementsAre("Load...|40007", "Compare...|40042", "Save as...|40006", "Export...|40037",
                            "Print|40008|grey", "-", "Exit|57665"));
    EXPECT_THAT(DescribeMenu(TestMenu()),
                ElementsAre("Dhrystones|40039", "Whetstones|40005", "Eight Queens|40004", "Matrix operations|40043",
                            "Number crunching|40040", "Floating point unit|40036", "Memory throughput|40002",
                            "Disk throughput|popup", "-", "Run checked tests|40003"));
    EXPECT_THAT(DescribeMenu(OptionsMenu()), ElementsAre("Long tests|40038", "-", "Enter Description|40044",
                                                         "Show Description/Results|40045"));
    EXPECT_THAT(DescribeMenu(GetSubMenu(Bar(), 3)), ElementsAre("Help|57670", "-", "About|57664"));

    const ClientPicture picture(window);
    EXPECT_FALSE(picture.InkIn(0, picture.height()).any());
}

TEST_F(MainFrameTest, DiskSubmenuHoldsExactlyThePresentDrivesAndTheCurrentFolderIsKept) {
    const DWORD drives = GetLogicalDrives();
    // A fresh wine prefix maps C: and Z:.
    ASSERT_TRUE(drives & (1u << ('C' - 'A')));
    ASSERT_TRUE(drives & (1u << ('Z' - 'A')));
    std::vector<std::string> expected;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const bool present = (drives >> (letter - 'A')) & 1u;
        EXPECT_EQ(driveAvailable.present[letter - 'A'], present) << letter;
        if (present) {
            expected.push_back(std::string("Drive ") + letter + "|" + std::to_string(40012 + letter - 'C'));
        }
    }
    EXPECT_THAT(DescribeMenu(DiskMenu()), ElementsAreArray(expected));

    char directoryAfter[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directoryAfter, directoryAfter);
    EXPECT_STREQ(directoryAfter, directoryBefore);
}

TEST_F(MainFrameTest, TogglesSetFlagAndMarkTogether) {
    Command(40004);  // Eight Queens
    EXPECT_TRUE(testSelection.eightQueens);
    EXPECT_TRUE(IsTicked(TestMenu(), 40004));
    Command(40004);
    EXPECT_FALSE(testSelection.eightQueens);
    EXPECT_FALSE(IsTicked(TestMenu(), 40004));

    Command(40038);  // Long tests
    EXPECT_EQ(testSelection.longTestsFactor, 2);
    EXPECT_TRUE(IsTicked(OptionsMenu(), 40038));
    Command(40038);
    EXPECT_EQ(testSelection.longTestsFactor, 1);
    EXPECT_FALSE(IsTicked(OptionsMenu(), 40038));

    Command(40012);  // Drive C
    EXPECT_TRUE(testSelection.testDrives['C' - 'A']);
    EXPECT_TRUE(IsTicked(DiskMenu(), 40012));
    EXPECT_FALSE(IsTicked(DiskMenu(), 40035));
}

TEST_F(MainFrameTest, RunWithDhrystoneFillsTheReportAndPaintsItLineByLine) {
    Command(40039);
    Command(40003);
    EXPECT_EQ(resultTable.thisComputer[0].code[0], 'd');
    EXPECT_EQ(resultTable.thisComputer[1].code[0], '\0');
    EXPECT_EQ(std::string(reportText.line[3]).rfind("Dhrystone 2.1 Performance", 0), 0u) << reportText.line[3];
    EXPECT_GE(paintLog.paints, 2);  // the full redraw, then the repaint after the score
    EXPECT_GE(paintLog.erases, 1);  // the full redraw erases

    // Line i is drawn at y = 14 * i, starting at x = 10.
    const ClientPicture picture(window);
    const Ink line3 = picture.InkIn(14 * 3, 14 * 4);
    ASSERT_TRUE(line3.any());
    EXPECT_GE(line3.left, 10);
    EXPECT_LE(line3.left, 12);
    EXPECT_FALSE(picture.InkIn(14 * 2, 14 * 3).any());  // line 2 holds one blank
    EXPECT_FALSE(picture.InkIn(14 * 4, picture.height()).any());
    EXPECT_TRUE(picture.InkIn(0, 14).any());
}

TEST_F(MainFrameTest, PaintsWithAFixedPitchFontUpToTheFirstNul) {
    // With a fixed-pitch font the bar after ten narrow letters stands where
    // the bar after ten wide ones does; text after a NUL is not drawn.
    std::snprintf(reportText.line[0], kReportLineLength, "iiiiiiiiii|");
    std::snprintf(reportText.line[1], kReportLineLength, "WWWWWWWWWW|");
    std::memcpy(reportText.line[3], "x\0hidden", 9);
    const ClientPicture picture(window);
    const Ink narrow = picture.InkIn(0, 14);
    const Ink wide = picture.InkIn(14, 28);
    ASSERT_TRUE(narrow.any() && wide.any());
    // A pixel of slack for smoothed edges; a proportional font puts them
    // tens of pixels apart.
    EXPECT_NEAR(narrow.right, wide.right, 1);
    const Ink line3 = picture.InkIn(14 * 3, 14 * 4);
    ASSERT_TRUE(line3.any());
    EXPECT_LT(line3.right - line3.left, (narrow.right - 10) / 5);  // one letter of eleven
}

TEST_F(MainFrameTest, RunWithNothingTickedLeavesTheWindowBlank) {
    Command(40003);
    EXPECT_EQ(reportText.line[0][0], '\0');
    EXPECT_EQ(resultTable.thisComputer[0].code[0], '\0');
    const ClientPicture picture(window);
    EXPECT_FALSE(picture.InkIn(0, picture.height()).any());
}

// A test that, in the middle of the run, sends the window the commands a
// user could give through an error box's message loop.
HWND windowDuringRun = nullptr;
int runsStarted = 0;
uint32_t SendCommandsDuringRun(int32_t) {
    ++runsStarted;
    SendMessageA(windowDuringRun, WM_COMMAND, 40004, 0);  // Eight Queens
    SendMessageA(windowDuringRun, WM_COMMAND, 40003, 0);  // Run checked tests
    SendMessageA(windowDuringRun, WM_COMMAND, 57665, 0);  // Exit
    SendMessageA(windowDuringRun, WM_CLOSE, 0, 0);
    return 7;
}

TEST_F(MainFrameTest, CommandsDoNotStartWhileARunIsInProgress) {
    static const TestRow kRows[] = {{&TestSelection::dhrystone, 'd', SendCommandsDuringRun, 1}};
    static const RunTable kTable = {kRows, 1, nullptr, 10};
    frame->UseRunTable(kTable);
    windowDuringRun = window;
    runsStarted = 0;
    Command(40039);
    Command(40003);
    EXPECT_EQ(runsStarted, 1);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(testSelection.eightQueens);
    EXPECT_FALSE(IsTicked(TestMenu(), 40004));
    EXPECT_STREQ(resultTable.thisComputer[0].value, "         7");

    Command(40004);  // once the run is over, commands work again
    EXPECT_TRUE(testSelection.eightQueens);
}

TEST_F(MainFrameTest, AboutIsModalOverTheMainWindowWithTemplate118) {
    bool enabledWhileOpen = true;
    const bool seen = WatchDialog([&] { Command(57664); }, [&](HWND dialog) {
        enabledWhileOpen = IsWindowEnabled(window) != FALSE;
        EXPECT_EQ(WindowText(dialog), "About");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));  // 8 points
        ReleaseDC(nullptr, screen);

        RECT expected = {0, 0, 317, 124};
        MapDialogRect(dialog, &expected);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);

        std::vector<HWND> controls;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            controls.push_back(child);
        }
        ASSERT_EQ(controls.size(), 3u);
        auto origin = [&](HWND control) {
            RECT r;
            GetWindowRect(control, &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        const SIZE pictureSizes[2] = {{260, 184}, {184, 89}};
        const RECT pictureSpots[2] = {{5, 5, 180, 119}, {190, 5, 314, 61}};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(ClassOf(controls[i]), "Static");
            EXPECT_EQ(GetWindowLongA(controls[i], GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
            auto* picture = reinterpret_cast<HBITMAP>(SendMessageA(controls[i], STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(picture, nullptr) << i;
            BITMAP info{};
            GetObjectA(picture, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, pictureSizes[i].cx);
            EXPECT_EQ(info.bmHeight, pictureSizes[i].cy);
            RECT spot = pictureSpots[i];
            MapDialogRect(dialog, &spot);
            EXPECT_EQ(origin(controls[i]).left, spot.left) << i;
            EXPECT_EQ(origin(controls[i]).top, spot.top) << i;
        }
        EXPECT_NE(GetWindowLongA(controls[0], GWL_STYLE) & SS_SUNKEN, 0);

        EXPECT_EQ(GetDlgCtrlID(controls[2]), IDOK);
        EXPECT_EQ(WindowText(controls[2]), "OK");
        EXPECT_EQ(GetWindowLongA(controls[2], GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        // Position and size are converted from dialog units separately.
        RECT spot = {265, 105, 0, 0};
        RECT size = {0, 0, 50, 14};
        MapDialogRect(dialog, &spot);
        MapDialogRect(dialog, &size);
        const RECT actual = origin(controls[2]);
        EXPECT_EQ(actual.left, spot.left);
        EXPECT_EQ(actual.top, spot.top);
        EXPECT_EQ(actual.right - actual.left, size.right);
        EXPECT_EQ(actual.bottom - actual.top, size.bottom);
    });
    EXPECT_TRUE(seen);
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(window));
}

// The texts and icon of a message box.
struct MessageBoxSeen {
    std::string caption;
    std::vector<std::string> texts;
    bool stopIcon = false;
    HWND owner = nullptr;
};

MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    seen.caption = WindowText(box);
    seen.owner = GetWindow(box, GW_OWNER);
    HICON stop = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // the system's stop icon
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "Static") {
            continue;
        }
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.stopIcon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == stop;
        } else if (!WindowText(child).empty()) {
            seen.texts.push_back(WindowText(child));
        }
    }
    return seen;
}

std::vector<std::string> startedCommandLines;
bool RecordingStarter(const char* commandLine) {
    startedCommandLines.emplace_back(commandLine);
    return true;
}
bool FailingStarter(const char* commandLine) {
    startedCommandLines.emplace_back(commandLine);
    return false;
}

TEST_F(MainFrameTest, HelpStartsTheViewerAndTellsWhenItCannot) {
    startedCommandLines.clear();
    SetProcessStarter(&RecordingStarter);
    EXPECT_FALSE(WatchDialog([&] { Command(57670); }, [](HWND) {}));
    EXPECT_THAT(startedCommandLines, ElementsAre("Winhlp32 korvanti.hlp"));

    SetProcessStarter(&FailingStarter);
    MessageBoxSeen box;
    EXPECT_TRUE(WatchDialog([&] { Command(57670); }, [&](HWND dialog) { box = ReadMessageBox(dialog); }));
    EXPECT_THAT(box.texts, ElementsAre("Could not find help file!"));
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(box.caption, "Korvanti");
    EXPECT_EQ(box.owner, window);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(MainFrameTest, ExitClosesTheWindow) {
    Command(57665);
    EXPECT_FALSE(IsWindow(window));
}

TEST(ProcessStart, ReportsWhetherTheProgramStarted) {
    EXPECT_FALSE(StartDetachedProcess("no-such-program-kv.exe"));
    EXPECT_TRUE(StartDetachedProcess("cmd.exe /c exit"));
}

TEST(Resources, CarryTheVersionBlockAndTheManifest) {
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    auto text = [&](const char* name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
            return std::string("(missing)");
        }
        return std::string(value);
    };
    EXPECT_EQ(text("ProductName"), "Korvanti");
    EXPECT_EQ(text("ProductVersion"), "1.0.0");
    EXPECT_EQ(text("FileVersion"), "1.0.0");
    EXPECT_EQ(text("OriginalFilename"), "korvanti.exe");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // The manifest the loader reads (id 1): themed controls, Windows 10/11.
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    EXPECT_NE(manifest.find("asInvoker"), std::string::npos);
}

TEST(Resources, CarryTheArtworkInItsFormats) {
    HMODULE module = GetModuleHandleA(nullptr);
    auto header = [&](int id) {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
        EXPECT_NE(found, nullptr) << id;
        return found ? static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found))) : nullptr;
    };
    const BITMAPINFOHEADER* chip = header(KV_IDB_CHIP);
    const BITMAPINFOHEADER* title = header(KV_IDB_TITLE);
    ASSERT_TRUE(chip && title);
    EXPECT_EQ(chip->biWidth, 260);
    EXPECT_EQ(chip->biHeight, 184);
    EXPECT_EQ(chip->biBitCount, 8);
    EXPECT_EQ(title->biWidth, 184);
    EXPECT_EQ(title->biHeight, 89);
    EXPECT_EQ(title->biBitCount, 8);

    // The icon group: one 32 x 32 image of 16 colours.
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(KV_IDI_STOPWATCH), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, group)));
    ASSERT_EQ(bytes[4] | (bytes[5] << 8), 1);  // image count
    EXPECT_EQ(bytes[6], 32);                    // width
    EXPECT_EQ(bytes[7], 32);                    // height
    EXPECT_EQ(bytes[8], 16);                    // colours
}

}  // namespace
}  // namespace korvanti
