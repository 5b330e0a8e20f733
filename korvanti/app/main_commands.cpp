#include "main_commands.h"

namespace korvanti {

const CommandRoute kMainCommandTable[] = {
    {kCmdExit, kCmdExit, Command::kExit},
    {kCmdDhrystones, kCmdDhrystones, Command::kTestToggle},
    {kCmdWhetstones, kCmdWhetstones, Command::kTestToggle},
    {kCmdEightQueens, kCmdEightQueens, Command::kTestToggle},
    {kCmdMatrixOperations, kCmdMatrixOperations, Command::kTestToggle},
    {kCmdNumberCrunching, kCmdNumberCrunching, Command::kTestToggle},
    {kCmdFloatingPointUnit, kCmdFloatingPointUnit, Command::kTestToggle},
    {kCmdMemoryThroughput, kCmdMemoryThroughput, Command::kTestToggle},
    {kCmdDriveC, kCmdDriveZ, Command::kDriveToggle},
    {kCmdLongTests, kCmdLongTests, Command::kLongTestsToggle},
    {kCmdRunCheckedTests, kCmdRunCheckedTests, Command::kRunCheckedTests},
    {kCmdHelp, kCmdHelp, Command::kHelp},
    {kCmdAbout, kCmdAbout, Command::kAbout},
};
const size_t kMainCommandCount = sizeof kMainCommandTable / sizeof kMainCommandTable[0];

const CommandRoute* FindCommand(int id) {
    for (size_t i = 0; i < kMainCommandCount; ++i) {
        if (id >= kMainCommandTable[i].first && id <= kMainCommandTable[i].last) {
            return &kMainCommandTable[i];
        }
    }
    return nullptr;
}

namespace {

struct TestItem {
    int id;
    bool TestSelection::*flag;
};

const TestItem kTestItems[] = {
    {kCmdDhrystones, &TestSelection::dhrystone},
    {kCmdWhetstones, &TestSelection::whetstone},
    {kCmdEightQueens, &TestSelection::eightQueens},
    {kCmdMatrixOperations, &TestSelection::matrixOperations},
    {kCmdNumberCrunching, &TestSelection::numberCrunching},
    {kCmdFloatingPointUnit, &TestSelection::floatingPointUnit},
    {kCmdMemoryThroughput, &TestSelection::memoryThroughput},
};

}  // namespace

bool TestSelection::*TestFlagOfCommand(int id) {
    for (const TestItem& item : kTestItems) {
        if (item.id == id) {
            return item.flag;
        }
    }
    return nullptr;
}

int CommandOfTestFlag(bool TestSelection::*flag) {
    for (const TestItem& item : kTestItems) {
        if (item.flag == flag) {
            return item.id;
        }
    }
    return 0;
}

char DriveOfCommand(int id) {
    if (id < kCmdDriveC || id > kCmdDriveZ) {
        return 0;
    }
    return static_cast<char>('C' + (id - kCmdDriveC));
}

int CommandOfDrive(char letter) { return kCmdDriveC + (letter - 'C'); }

bool ApplyToggle(int id, TestSelection& selection, MenuMarks& menu) {
    if (bool TestSelection::*flag = TestFlagOfCommand(id)) {
        selection.*flag = !(selection.*flag);
        menu.SetCheck(id, selection.*flag);
        return true;
    }
    if (const char drive = DriveOfCommand(id)) {
        bool& ticked = selection.testDrives[drive - 'A'];
        ticked = !ticked;
        menu.SetCheck(id, ticked);
        return true;
    }
    if (id == kCmdLongTests) {
        selection.longTestsFactor = selection.longTestsFactor == 1 ? 2 : 1;
        menu.SetCheck(id, selection.longTestsFactor == 2);
        return true;
    }
    return false;
}

}  // namespace korvanti
