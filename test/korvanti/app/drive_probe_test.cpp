#include "drive_probe.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvanti {
namespace {

using ::testing::ElementsAreArray;

// A machine with the drives in `present`; records every step of the probe.
class FakeDrives : public CurrentDrive {
public:
    FakeDrives(std::string present, char current) : present_(std::move(present)), current_(current) {}
    void Remember() override { remembered_ = current_; log.push_back("remember"); }
    bool TryMakeCurrent(char letter) override {
        log.push_back(std::string("try ") + letter);
        if (present_.find(letter) == std::string::npos) {
            return false;
        }
        current_ = letter;
        return true;
    }
    void Restore() override { current_ = remembered_; log.push_back("restore"); }
    char current() const { return current_; }
    std::vector<std::string> log;

private:
    std::string present_;
    char current_;
    char remembered_ = 0;
};

class DeletingMenu : public MenuMarks {
public:
    void SetCheck(int, bool) override { ADD_FAILURE() << "the probe sets no marks"; }
    void DeleteItem(int id) override { deleted.push_back(id); }
    std::vector<int> deleted;
};

TEST(ProbeDrives, KeepsExactlyThePresentDrivesAndRestoresTheCurrentOne) {
    FakeDrives drives("CE", 'E');
    DeletingMenu menu;
    const DriveAvailability found = ProbeDrives(drives, menu);

    std::vector<std::string> expectedLog = {"remember"};
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        expectedLog.push_back(std::string("try ") + letter);
    }
    expectedLog.push_back("restore");
    EXPECT_THAT(drives.log, ElementsAreArray(expectedLog));
    EXPECT_EQ(drives.current(), 'E');

    std::vector<int> expectedDeleted = {40013};  // D
    for (int id = 40015; id <= 40035; ++id) {    // F..Z
        expectedDeleted.push_back(id);
    }
    EXPECT_THAT(menu.deleted, ElementsAreArray(expectedDeleted));

    std::string present;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (found.present[letter - 'A']) {
            present += letter;
        }
    }
    EXPECT_EQ(present, "CE");
}

TEST(ProbeDrives, NeverOffersAOrB) {
    FakeDrives drives("ABCD", 'A');
    DeletingMenu menu;
    const DriveAvailability found = ProbeDrives(drives, menu);
    EXPECT_FALSE(found.present[0]);
    EXPECT_FALSE(found.present[1]);
    EXPECT_TRUE(found.present['D' - 'A']);
    EXPECT_EQ(drives.current(), 'A');
    EXPECT_EQ(menu.deleted.size(), 22u);  // E..Z
}

}  // namespace
}  // namespace korvanti
