// The main window's menu commands: their ids, the routing table from id to
// command, and the toggles of the test selection with their check marks.
// Plain C++ so that it is tested without a window; the Win32 layer only maps
// each routed command to its handler and the menu operations onto the menu.
#pragma once
#include <cstddef>

#include "test_selection.h"

namespace korvanti {

// Ids of menu 106.
enum CommandId : int {
    kCmdLoad = 40007,
    kCmdCompare = 40042,
    kCmdSaveAs = 40006,
    kCmdExport = 40037,
    kCmdPrint = 40008,
    kCmdExit = 57665,
    kCmdDhrystones = 40039,
    kCmdWhetstones = 40005,
    kCmdEightQueens = 40004,
    kCmdMatrixOperations = 40043,
    kCmdNumberCrunching = 40040,
    kCmdFloatingPointUnit = 40036,
    kCmdMemoryThroughput = 40002,
    kCmdDriveC = 40012,  // "Drive C" .. "Drive Z": kCmdDriveC + (letter - 'C')
    kCmdDriveZ = 40035,
    kCmdRunCheckedTests = 40003,
    kCmdLongTests = 40038,
    kCmdEnterDescription = 40044,
    kCmdShowDescription = 40045,
    kCmdHelp = 57670,
    kCmdAbout = 57664,
};

constexpr int kMenuResourceId = 106;

// What the main window does for a routed command id.
enum class Command {
    kExit,
    kTestToggle,
    kDriveToggle,
    kLongTestsToggle,
    kRunCheckedTests,
    kHelp,
    kAbout,
};

// One row of the routing table: the ids first..last (inclusive) go to one
// command.
struct CommandRoute {
    int first;
    int last;
    Command command;
};

// The routing table of the main window. Ids not in it (the file commands,
// the description commands and the greyed "Print") have no handler.
extern const CommandRoute kMainCommandTable[];
extern const size_t kMainCommandCount;

// The route of `id`, or nullptr when the window does not answer it.
const CommandRoute* FindCommand(int id);

// The menu operations the toggles and the drive probe need.
class MenuMarks {
public:
    virtual ~MenuMarks() = default;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual void DeleteItem(int id) = 0;
};

// The flag of TestSelection that a test item toggles, or nullptr when `id`
// is no test item.
bool TestSelection::*TestFlagOfCommand(int id);
// The test item that toggles `flag`, or 0.
int CommandOfTestFlag(bool TestSelection::*flag);

// Drive items: the letter of a drive item ('C'..'Z'), or 0 for other ids;
// and the item of a letter ('C'..'Z').
char DriveOfCommand(int id);
int CommandOfDrive(char letter);

// The toggle of a test, drive or Long tests item: inverts the field of
// `selection` and sets the item's check mark to match. Returns false, and
// changes nothing, when `id` is none of these items.
bool ApplyToggle(int id, TestSelection& selection, MenuMarks& menu);

}  // namespace korvanti
