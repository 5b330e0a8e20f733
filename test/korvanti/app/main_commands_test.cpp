#include "main_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_driver.h"

namespace korvanti {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingMenu : public MenuMarks {
public:
    void SetCheck(int id, bool checked) override { calls.push_back(std::to_string(id) + (checked ? "+" : "-")); }
    void DeleteItem(int id) override { calls.push_back("del " + std::to_string(id)); }
    std::vector<std::string> calls;
};

TEST(MainCommandTable, RoutesEveryAnsweredIdAndNothingElse) {
    static const Command kExit = Command::kExit, kTest = Command::kTestToggle, kDrive = Command::kDriveToggle,
                         kLong = Command::kLongTestsToggle, kRun = Command::kRunCheckedTests,
                         kHelp = Command::kHelp, kAbout = Command::kAbout;
    const std::vector<std::pair<int, const Command*>> cases = {
        {57665, &kExit}, {40039, &kTest}, {40005, &kTest},  {40004, &kTest},  {40043, &kTest},
        {40040, &kTest}, {40036, &kTest}, {40002, &kTest},  {40012, &kDrive}, {40013, &kDrive},
        {40035, &kDrive}, {40038, &kLong}, {40003, &kRun},  {57670, &kHelp},  {57664, &kAbout},
        // Commands without a handler yet, the greyed Print, and ids just
        // outside the drive range.
        {40007, nullptr}, {40042, nullptr}, {40006, nullptr}, {40037, nullptr}, {40008, nullptr},
        {40044, nullptr}, {40045, nullptr}, {40011, nullptr}, {0, nullptr},     {1, nullptr},
    };
    for (const auto& [id, command] : cases) {
        const CommandRoute* route = FindCommand(id);
        if (command == nullptr) {
            EXPECT_EQ(route, nullptr) << id;
        } else {
            ASSERT_NE(route, nullptr) << id;
            EXPECT_EQ(route->command, *command) << id;
        }
    }
}

TEST(MainCommandTable, RoutesDoNotOverlap) {
    for (size_t i = 0; i < kMainCommandCount; ++i) {
        for (int id = kMainCommandTable[i].first; id <= kMainCommandTable[i].last; ++id) {
            EXPECT_EQ(FindCommand(id), &kMainCommandTable[i]) << id;
        }
    }
}

TEST(DriveItems, MapLettersToIdsBothWays) {
    EXPECT_EQ(CommandOfDrive('C'), 40012);
    EXPECT_EQ(CommandOfDrive('D'), 40013);
    EXPECT_EQ(CommandOfDrive('Z'), 40035);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        EXPECT_EQ(DriveOfCommand(CommandOfDrive(letter)), letter);
    }
    EXPECT_EQ(DriveOfCommand(40011), 0);
    EXPECT_EQ(DriveOfCommand(40036), 0);
}

TEST(Toggles, EachTestItemTogglesItsOwnFlagAndMark) {
    const std::vector<std::pair<int, bool TestSelection::*>> items = {
        {40039, &TestSelection::dhrystone},        {40005, &TestSelection::whetstone},
        {40004, &TestSelection::eightQueens},      {40043, &TestSelection::matrixOperations},
        {40040, &TestSelection::numberCrunching},  {40036, &TestSelection::floatingPointUnit},
        {40002, &TestSelection::memoryThroughput},
    };
    for (const auto& [id, flag] : items) {
        TestSelection selection;
        RecordingMenu menu;
        ASSERT_TRUE(ApplyToggle(id, selection, menu));
        EXPECT_TRUE(selection.*flag) << id;
        int ticked = 0;
        for (const auto& [otherId, otherFlag] : items) {
            ticked += selection.*otherFlag ? 1 : 0;
        }
        EXPECT_EQ(ticked, 1) << id;
        ASSERT_TRUE(ApplyToggle(id, selection, menu));
        EXPECT_FALSE(selection.*flag) << id;
        EXPECT_THAT(menu.calls, ElementsAre(std::to_string(id) + "+", std::to_string(id) + "-"));
        EXPECT_EQ(CommandOfTestFlag(flag), id);
    }
}

TEST(Toggles, DriveItemChangesOnlyItsOwnDrive) {
    TestSelection selection;
    selection.testDrives['C' - 'A'] = true;
    selection.testDrives['E' - 'A'] = true;
    RecordingMenu menu;
    ASSERT_TRUE(ApplyToggle(40013, selection, menu));  // Drive D on
    ASSERT_TRUE(ApplyToggle(40012, selection, menu));  // Drive C off
    std::string ticked;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (selection.testDrives[letter - 'A']) {
            ticked += letter;
        }
    }
    EXPECT_EQ(ticked, "DE");
    EXPECT_THAT(menu.calls, ElementsAre("40013+", "40012-"));
}

TEST(Toggles, LongTestsSwitchesFactorBetweenOneAndTwo) {
    TestSelection selection;
    RecordingMenu menu;
    ASSERT_TRUE(ApplyToggle(40038, selection, menu));
    EXPECT_EQ(selection.longTestsFactor, 2);
    ASSERT_TRUE(ApplyToggle(40038, selection, menu));
    EXPECT_EQ(selection.longTestsFactor, 1);
    EXPECT_THAT(menu.calls, ElementsAre("40038+", "40038-"));
}

TEST(Toggles, OtherIdsChangeNothing) {
    for (int id : {40003, 40007, 40011, 57664, 0}) {
        TestSelection selection;
        RecordingMenu menu;
        EXPECT_FALSE(ApplyToggle(id, selection, menu)) << id;
        EXPECT_FALSE(selection.dhrystone || selection.memoryThroughput || selection.testDrives['C' - 'A']);
        EXPECT_EQ(selection.longTestsFactor, 1);
        EXPECT_THAT(menu.calls, IsEmpty());
    }
}

TEST(Toggles, EveryTestOfTheRunTableHasAnItem) {
    const RunTable& table = ProgramRunTable();
    for (size_t i = 0; i < table.rowCount; ++i) {
        EXPECT_NE(CommandOfTestFlag(table.rows[i].flag), 0) << table.rows[i].code;
    }
}

}  // namespace
}  // namespace korvanti
