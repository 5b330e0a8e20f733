#include "drive_probe.h"

namespace korvanti {

DriveAvailability driveAvailable;

DriveAvailability ProbeDrives(CurrentDrive& drives, MenuMarks& menu) {
    DriveAvailability result;
    drives.Remember();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        result.present[letter - 'A'] = drives.TryMakeCurrent(letter);
    }
    drives.Restore();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if (!result.present[letter - 'A']) {
            menu.DeleteItem(CommandOfDrive(letter));
        }
    }
    return result;
}

}  // namespace korvanti
