// Finds which drive letters C..Z exist by trying to make each one the
// process's current drive, and removes the menu items of the absent ones.
#pragma once

#include "main_commands.h"

namespace korvanti {

// The process's current drive, as far as the probe needs it.
class CurrentDrive {
public:
    virtual ~CurrentDrive() = default;
    // Remembers the current drive (and folder) so that Restore can go back.
    virtual void Remember() = 0;
    // Tries to make `letter` the current drive; true on success.
    virtual bool TryMakeCurrent(char letter) = 0;
    // Makes the remembered drive current again.
    virtual void Restore() = 0;
};

// Indexed by letter - 'A'; 'A' and 'B' are never probed and stay false.
struct DriveAvailability {
    bool present[26] = {};
};

// Probes C..Z in letter order, restores the current drive, then deletes the
// "Drive X" item of every absent letter.
DriveAvailability ProbeDrives(CurrentDrive& drives, MenuMarks& menu);

// The program's one record of present drives, filled when the main window
// is created.
extern DriveAvailability driveAvailable;

}  // namespace korvanti
